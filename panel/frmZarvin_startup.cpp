// The load event: title and idle panel, port settings, opening the port, synchronising with
// the radio and the driver that moves between the start-up steps, the set-ups and the loop.
#include "panel/frmZarvin.h"
#include "platform/serial/port_naming.h"

namespace {

constexpr char kPortSetupFile[] = "PortSetup.txt";

int handshakeValue(const std::string& name) {
  if (name == "comNone") return 0;
  if (name == "comXonXoff" || name == "comXOnXOff") return 1;
  if (name == "comRTS") return 2;
  if (name == "comRTSXonXoff" || name == "comRTSXOnXOff") return 3;
  return 0;
}

}  // namespace

void frmZarvin::Form_Load() {
  Entry next = startUp();
  for (;;) next = runEntry(next);
}

frmZarvin::Entry frmZarvin::runEntry(Entry entry) {
  try {
    switch (entry) {
      case Entry::PortSetupFull:
        return portSetupFull();
      case Entry::PortSetupReopen:
        return portSetupReopen();
      case Entry::Synchronise: {
        // The clicks made while no radio answered are served after the set-up, except one
        // that would key the transmitter minutes after it was asked for, however the
        // synchronisation ends.
        lowerKeyingFlags();
        struct LowerOnExit {
          frmZarvin& f;
          ~LowerOnExit() { f.lowerKeyingFlags(); }
        } lowerOnExit{*this};
        return synchronise();
      }
      case Entry::RemoteSetup:
        return remoteSetup();
      case Entry::LocalSetup:
        return localSetup();
      case Entry::LoopEntry:
        return mainLoop();
    }
  } catch (const RuntimeError&) {
    // The main loop's error handling: whatever was under way is abandoned.
    return entryAfterError();
  }
  return Entry::LoopEntry;
}

frmZarvin::Entry frmZarvin::entryAfterError() {
  // Every window that the panel opened was left by the error, and one that failed before it
  // opened (a scan menu meeting the port closed) must not leave the panel disabled for good.
  form.enabled = true;
  // With the port closed every pass of the loop would fail again at its first read, before
  // anything could reopen the port, whatever action met it closed first (a digit pressed while
  // the synchronisation waits for a device that has gone, say).
  return link.MSComm1.portOpen() ? Entry::LoopEntry : Entry::PortSetupReopen;
}

frmZarvin::Entry frmZarvin::startUp() {
  link.gTitle = "Zarvin " + std::string("0.930") + " : " + "4-29-15:1618";
  form.caption = link.gTitle;
  lblInfo.caption = "";
  lblU.visible = false;
  keypadDone = true;
  link.gDelay(0.5);
  lblU.caption = "";
  lblXMTRCV.enabled = false;
  lblXMTRCV.font.edit().bold = true;
  lblXMTRCV.caption = "Receive";
  lblXMTRCV.backColor = ui::kGreen;
  for (ui::Control* digit : cmdF) digit->enabled = false;
  bfoOn = false;
  lblBFOState.caption = "OFF";
  link.gBFOOffset = "100";
  lblPorM.caption = "";
  lblBFOOn.caption = "";
  lblREMOTE.foreColor = ui::kRed;
  lblREMOTE.caption = "NoComm";
  lblComStat.caption = "No Com";
  shaTrace.visible = false;
  form.show();
  struct StateLabel {
    ui::Control& label;
    const char* caption;
  } stateLabels[] = {
      {lblMIC, "MIC"},      {lblAUDIO2, "AUDIO2"}, {lblPATCH, "PATCH"},  {lblREMOTEAudio, "REMOTE"},
      {lblUSB, "USB"},      {lblLSB, "LSB"},       {lblAME, "AME"},      {lblCW, "CW"},
      {lblAGCSlow, "SLOW"}, {lblAGCMed, "MED"},    {lblAGCFast, "FAST"}, {lblAGCOff, "OFF"}};
  for (StateLabel& s : stateLabels) {
    s.label.caption = s.caption;
    s.label.foreColor = ui::kSysGrayText;
  }
  for (ui::Control* c : {&lblAmpPwr, &lblAmpOpStby, &lblAmpTuned}) c->caption = "";
  for (ui::Control* c : {&cmdAmpPwr, &cmdAmpOpr, &cmdTuneAmp}) c->enabled = false;
  txtInData.visible = true;
  pbMeter.enabled = true;
  txtInfo.visible = true;
  txtInfo.caption = std::string("Opening ") + kPortSetupFile + " File.. ";
  if (link.fileExists(kPortSetupFile)) {
    txtInfo.caption = std::string(kPortSetupFile) + " File Opened";
    std::vector<std::string> lines;
    try {
      lines = platform.files.readLines(kPortSetupFile);
    } catch (const RuntimeError& e) {
      return settingsUnreadable(e);
    }
    // A shorter file leaves the missing settings as they were.
    std::string* settings[] = {&link.gPortNumber, &link.gPortSettings, &link.gHandshake};
    for (size_t i = 0; i < 3 && i < lines.size(); ++i) *settings[i] = lines[i];
    txtInfo.caption = "";
    return Entry::PortSetupFull;
  }
  // fileExists has said why the file cannot be read (missing, a folder, no permission).
  return askForPortSetup();
}

frmZarvin::Entry frmZarvin::settingsUnreadable(const RuntimeError& e) {
  // Opened but not read (a failing disk): said as such, not as the bad port number that
  // empty settings would give.
  link.gShowInfo(errorText(kPortSetupFile, e));
  return askForPortSetup();
}

frmZarvin::Entry frmZarvin::askForPortSetup() {
  step([&] { mnuPortSetup_Click(); });
  // Without settings the synchronisation waits, handling events, for Port Setup's Apply.
  return link.gPortSetupChanged ? Entry::PortSetupFull : Entry::Synchronise;
}

frmZarvin::Entry frmZarvin::portSetupFull() {
  link.gPortSetupChanged = false;
  m_handshaking = handshakeValue(link.gHandshake);
  return portSetupReopen();
}

frmZarvin::Entry frmZarvin::portSetupReopen() {
  openPort();
  return Entry::Synchronise;
}

void frmZarvin::openPort() {
  SerialPort& port = link.MSComm1;
  m_lastOpenTry = link.now();
  link.gComBreak = false;  // a break asks for this reopen, which it has now had
  std::string failure;
  const std::string shownNumber = shownValue(link.gPortNumber);
  // Each statement on its own: a property the port refuses is passed over and the next one
  // is set, so the port still opens with what it has.
  auto attempt = [&](auto&& statement) {
    try {
      statement();
      return true;
    } catch (const RuntimeError& e) {
      failure = errorText("Port COM" + shownNumber, e);
      return false;
    }
  };
  attempt([&] {
    if (!port.portOpen()) return;
    // Once closed, nothing may reach this radio again (new settings may name another port, or
    // none): a transmission the panel keyed ends here first.
    link.transmitter.unkey();
    pendingInCount = port.inBufferCount();
    if (pendingInCount > 0) port.input();
    port.setPortOpen(false);
  });
  bool named = attempt([&] {
    int number = 0;
    if (!parsePortNumber(link.gPortNumber, number)) {
      throw RuntimeError(kErrPortOpenFailed, "No such port: \"" + shownNumber + "\"");
    }
    port.setCommPort(number);
  });
  std::string reason = failure;
  attempt([&] { port.setHandshaking(m_handshaking); });
  attempt([&] { port.setSettings(link.gPortSettings); });
  attempt([&] { port.setInputLen(0); });
  attempt([&] { port.setInBufferSize(4096); });
  attempt([&] { port.setInputMode(0); });
  attempt([&] { port.setOutBufferSize(256); });
  attempt([&] { port.setRThreshold(0); });
  attempt([&] { port.setSThreshold(0); });
  attempt([&] { port.setNullDiscard(true); });
  attempt([&] { port.setParityReplace(":"); });
  // A number that names no port opens nothing, rather than the port named before.
  if (named && !attempt([&] { port.setPortOpen(true); })) reason = failure;
  // Emptied once open: a closed port has no buffer to empty.
  attempt([&] { port.clearInBuffer(); });
  attempt([&] { port.setRTSEnable(true); });
  // A "U" owed since the device went goes out before any question: the radio may hear it
  // without answering yet.
  attempt([&] {
    if (port.portOpen()) link.transmitter.unkey();
  });
  if (!port.portOpen()) {
    // Not fatal: the synchronisation keeps trying, and Port Setup can correct the settings.
    lblComStat.caption = "Com Error";
    link.gShowInfo(reason);
    m_portFailureShown = reason;
  } else if (txtInfo.caption == m_portFailureShown) {
    // Why it failed before holds no more; the LOCAL set-up would leave the reason standing.
    txtInfo.caption = "";
  }
}

int frmZarvin::waitingChars() {
  try {
    return link.MSComm1.portOpen() ? link.MSComm1.inBufferCount() : 0;
  } catch (const RuntimeError&) {
    return 0;
  }
}

void frmZarvin::sendStatusRequest() {
  link.gSendCommand("?", true, 0.6);
}

void frmZarvin::detectFirmware() {
  if (!link.gGotBang) {
    link.gFWType = 2;
    lblFWType.caption = "F/W: v604M Adapt";
  } else if (link.gGotQ) {
    link.gFWType = 3;
    lblFWType.caption = "F/W: v604M NonAdapt";
  } else {
    link.gFWType = 1;
    lblFWType.caption = "F/W: v601C";
  }
}
