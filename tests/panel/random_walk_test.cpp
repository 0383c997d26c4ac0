// Random walks through the whole program: for each seed, a few dozen user and radio events at
// random virtual times (clicks, keypad entries, digit holds, menus and child windows, Port and
// Audio Setup, the radio switched LOCAL, silenced, garbled, retuned on its own dial, the device
// unplugged) while the simulated radio's own state is watched for what must never happen: a
// carrier out of band or during a scan, a keyed transmitter that the panel hides or cannot end,
// an off click that leaves it keyed, a spinning loop, a link that does not come back.
// ZARVIN_WALK_SEEDS sets how many seeds run (a few by default), ZARVIN_WALK_FIRST the first.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "tests/panel/panel_table.h"

namespace {

using namespace panel_table;

/// The band check's rule, written out afresh: the radio's frequency in units of 10 Hz.
bool inBand(int freq) {
  long hz = 10L * freq;
  for (long channel : {5330500L, 5346500L, 5366500L, 5371500L, 5403500L})
    if (hz == channel) return true;
  const long edges[][2] = {{1800000, 2000000},   {3500000, 4000000},   {7000000, 7300000},
                           {10100000, 10150000}, {14000000, 14350000}, {18068000, 18168000},
                           {21000000, 21450000}, {24890000, 24990000}, {28000000, 29700000}};
  for (const auto& band : edges)
    if (hz > band[0] && hz < band[1]) return true;
  return false;
}

/// Thrown by the watch when the loop spins: the run cannot end by itself.
struct Spinning {};

const char* const kButtons[] = {
    "cmdAGC",        "cmdMode",   "cmdMute",  "cmdSideTone", "cmdAudio",       "cmdVOX",
    "cmdClipping",   "cmdPTT",    "cmdTune",  "cmdXmit",     "cmdTuneAmp",     "cmdAmpPwr",
    "cmdAmpOpr",     "cmdMeter",  "cmdBFO",   "cmdBFO100",   "cmdAudioSource", "cmdGetStatus",
    "cmdViewInData", "cmdFreq",   "cmdEnter", "cmdM2V",      "cmdV2M",         "cmdM2C",
    "cmdC2M",        "cmd40M",    "cmd20M",   "cmd160M",     "cmdWWV",         "cmdXmit",
    "cmdTune",       "cmdTuneAmp"};
const char* const kMenus[] = {"mnuScanBands", "mnuScanFreqs", "mnuPortSetup", "mnuAudioSetup",
                              "mnuHelpAbout"};
const char* const kTexts[] = {"7.150",    "7.400", "14.250", "5.0", "", "abc",
                              "29.99999", "1",     "7",      "7.4", "3"};

class Walk {
 public:
  Walk(unsigned seed) : m_seed(seed), m_rng(seed), m_rig(1 + pick(3)) {}

  /// Runs the walk; returns the failures, each with the seed and the event log.
  std::string run();

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
  double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(m_rng); }
  double now() const { return m_rig.elapsed(); }
  void note(const std::string& what) { m_log += seconds(now()) + " " + what + "\n"; }
  void fail(const std::string& what);

  void prepareFiles();
  void scheduleEvent(double t);
  void userEvent();
  void radioEvent();
  /// The radio reports something of its own accord, unless it is silent.
  void say(const RadioReply& reply) {
    if (!m_rig.radio.faults.silent) m_rig.port.deliver(reply);
  }
  void childEvent();
  void click(const std::string& name, int index = -1);
  void hold(const std::string& name, int index);
  void watch();
  void watchSpin(double maxSeconds);
  void settle();
  bool portPutBack();
  void putPortBack();
  void checkSettled();

  unsigned m_seed;
  std::mt19937 m_rng;
  Rig m_rig;
  std::string m_log, m_failures, m_shown;
  bool m_unplugged = false, m_ended = false;
  bool m_remoteUntold = false;      // handed back REMOTE with no report the panel could read
  bool m_keptThroughLocal = false;  // handed back with the carrier it kept against a "U" in LOCAL
  double m_keyedSince = -1, m_outOfBandSince = -1, m_hiddenSince = -1, m_scanKeyedSince = -1;
  double m_offClickAt = -1;   // a delivered off click that no keying click followed
  double m_dialHeardAt = -1;  // the radio's own dial: its report has arrived
  bool m_dialLost = false;    // its report went nowhere
  double m_spinSecond = 0;
  size_t m_writesSeen = 0;
  int m_yieldsThisSecond = 0, m_maxYields = 0;
};

void Walk::fail(const std::string& what) {
  if (m_failures.find(what.substr(0, 20)) != std::string::npos) return;  // once each
  m_failures += "seed " + std::to_string(m_seed) + " at " + seconds(now()) + ": " + what + "\n";
}

void Walk::prepareFiles() {
  m_rig.folder.write("M40List.txt",
                     "7.150 LSB in band\r\n7.400 USB out of band\r\n7.074 USB x\r\n");
  m_rig.folder.write("M20List.txt", "14.250 USB in\r\n14.400 AME out\r\n");
  std::string scan = "7.15 LSB a\r\n7.40 USB out\r\n14.250 USB b\r\n";
  for (int k = 3; k < 13; ++k) scan += "  \r\n";
  m_rig.folder.write("ScanFreqs.txt", scan + "1\r\n");
}

void Walk::click(const std::string& name, int index) {
  ui::Control& c = m_rig.control(name, index);
  bool off = (name == "cmdXmit" && c.caption == "&XMT OFF") ||
             (name == "cmdTune" && c.caption == "T&UNE OFF") ||
             (name == "cmdTuneAmp" && m_rig.link.gAmpTuning);
  bool keyer = name == "cmdXmit" || name == "cmdTune" || name == "cmdTuneAmp";
  note("click " + name + (index >= 0 ? "(" + std::to_string(index) + ")" : "") +
       (off ? " off" : ""));
  bool delivered = m_rig.click(name, index);
  if (!delivered) m_log += "  (not reached)\n";
  if (!delivered || !keyer) return;
  m_offClickAt = off ? now() : -1;
}

void Walk::hold(const std::string& name, int index) {
  ui::Control* c = &m_rig.control(name, index);
  int button = std::vector<int>{ui::kLeftButton, ui::kRightButton, ui::kMiddleButton}[pick(3)];
  double s = uniform(0.05, 3.0);
  note("hold " + name + "(" + std::to_string(index) + ") " + std::to_string(button) + " " +
       seconds(s));
  m_rig.at(now() + s, [c, button] { ui::userMouseUp(*c, button); });
  ui::userMouseDown(*c, button);
}

void Walk::userEvent() {
  switch (pick(9)) {
    case 0:
    case 1:
    case 2:
      return click(kButtons[pick(std::size(kButtons))]);
    case 3:
      return hold(pick(2) ? "cmdF" : "cmdChanF", pick(7) % (pick(2) ? 7 : 2));
    case 4: {  // a keypad entry: Freq, some digits, Enter
      click("cmdFreq");
      double t = now();
      for (int k = pick(8); k > 0; --k) {
        t += uniform(0.1, 0.8);
        std::string key = "cmd" + std::to_string(pick(10));
        m_rig.at(t, [this, key] { click(key); });
      }
      if (pick(4)) m_rig.at(t + uniform(0.1, 2), [this] { click("cmdEnter"); });
      return;
    }
    case 5: {
      std::string menu = kMenus[pick(std::size(kMenus))];
      note("menu " + menu);
      if (!ui::userClick(m_rig.control(menu))) m_log += "  (not reached)\n";
      return;
    }
    case 6: {
      const char* scroll = pick(2) ? "vscLoadCh" : "sliRFGain";
      int value = pick(64);
      note(std::string("set ") + scroll + " " + std::to_string(value));
      ui::userSetValue(m_rig.control(scroll), value);
      return;
    }
    case 7: {
      double hold = pick(3) ? 0.0 : uniform(0.5, 8.0);
      note("message boxes held " + seconds(hold));
      return m_rig.ui.holdMessageBoxes(hold);
    }
    default:
      return childEvent();
  }
}

void Walk::childEvent() {
  std::vector<ui::Form*> open;
  for (ui::Form* f : m_rig.ui.forms())
    if (f != &m_rig.frm.form && f->visible && !f->unloaded()) open.push_back(f);
  if (open.empty()) return click(kButtons[pick(std::size(kButtons))]);
  ui::Form& form = *open[pick(open.size())];
  if (pick(6) == 0) {
    note("close " + form.name());
    return form.close();
  }
  std::vector<ui::Control*> live;
  for (const auto& c : form.controls()) {
    ui::Kind k = c->kind();
    if (k == ui::Kind::Button || k == ui::Kind::OptionButton || k == ui::Kind::CheckBox ||
        k == ui::Kind::TextBox || k == ui::Kind::ComboBox)
      live.push_back(c.get());
  }
  if (live.empty()) return;
  ui::Control& c = *live[pick(live.size())];
  std::string name = form.name() + "/" + c.name() + "(" + std::to_string(c.index()) + ")";
  bool delivered = false;
  std::string text = kTexts[pick(std::size(kTexts))];
  if (c.kind() == ui::Kind::TextBox || c.kind() == ui::Kind::ComboBox) name += " = " + text;
  note("child " + name);
  if (c.kind() == ui::Kind::TextBox || c.kind() == ui::Kind::ComboBox) {
    delivered = ui::userSetText(c, text);
  } else if (c.kind() == ui::Kind::CheckBox) {
    delivered = ui::userToggleCheck(c);
  } else if (c.kind() == ui::Kind::OptionButton) {
    delivered = ui::userChooseOption(c);
  } else {
    delivered = ui::userClick(c);
  }
  if (!delivered) m_log += "  (not reached)\n";
}

/// Whether a scan window is open: only they sweep the radio. (A scan menu that an error ends with
/// the port closed may leave gScanning raised, with no window, until the main loop's next entry.)
bool scanOpen(Rig& rig) {
  return rig.ui.findForm("frmScanFreqs") || rig.ui.findForm("frmScanBands");
}

/// Whether a scan window is open and idle: it sends and reads nothing until a sweep starts.
bool idleScan(Rig& rig) {
  if (rig.ui.findForm("frmScanFreqs")) return !rig.ui.control("frmScanFreqs", "cmdStop").visible;
  return rig.ui.findForm("frmScanBands") && rig.ui.control("frmScanBands", "cmdScanUp").enabled;
}

/// Whether a modal window that reads nothing from the radio (an idle scan window too), or a
/// channel digit held down, holds the main loop: until it ends the panel cannot hear what the
/// radio's own dial did.
bool deaf(Rig& rig) {
  for (const char* name : {"frmPortSetup", "frmAudioSetup", "frmHelp"})
    if (rig.ui.findForm(name)) return true;
  return idleScan(rig) || rig.frm.chanButtonDown;
}

void Walk::radioEvent() {
  SimRadio& radio = m_rig.radio;
  switch (pick(10)) {
    case 0: {
      bool remote = !radio.state.remote;
      note(remote ? "radio REMOTE" : "radio LOCAL");
      // A modal window that reads nothing (an idle scan window, Port or Audio Setup) or a
      // channel digit held down hears nothing either: the report waits until it ends.
      m_remoteUntold = remote && (radio.faults.silent || m_unplugged || deaf(m_rig));
      if (remote) m_keptThroughLocal = radio.state.transmitting;
      for (const RadioReply& r : radio.switchRemote(remote)) say(r);
      return;
    }
    case 1: {
      double s = uniform(1, 25);
      note("radio silent for " + seconds(s));
      radio.faults.silent = true;
      m_rig.at(now() + s, [this] { note("radio speaks"), m_rig.radio.faults.silent = false; });
      return;
    }
    case 2: {
      double s = uniform(1, 15);
      note("radio drops K/U answers for " + seconds(s));
      radio.faults.dropKeyAnswers = true;
      m_rig.at(now() + s, [this] { m_rig.radio.faults.dropKeyAnswers = false; });
      return;
    }
    case 3: {
      std::string tags = std::vector<std::string>{"F", "R", "KU", "FRTM"}[pick(4)];
      double s = uniform(0.5, 6);
      note("radio garbles " + tags + " for " + seconds(s));
      radio.faults.garbleTags = tags;
      m_rig.at(now() + s, [this] { m_rig.radio.faults.garbleTags = ""; });
      return;
    }
    case 4: {
      if (m_unplugged) return;
      double s = uniform(0.5, 20);
      note("device unplugged for " + seconds(s));
      m_unplugged = true;
      m_rig.port.unplug();
      m_rig.at(now() + s,
               [this] { note("device plugged"), m_unplugged = false, m_rig.port.plug(); });
      return;
    }
    case 5:
    case 6: {  // the radio's own dial, in band or out of it
      if (radio.faults.silent || !radio.faults.garbleTags.empty()) return;
      int freq = std::vector<int>{715000, 740000, 1425000, 1440000, 500000, 2850000}[pick(6)];
      note("radio dial to " + std::to_string(freq));
      radio.state.freq = freq;
      char line[16];
      std::snprintf(line, sizeof line, "F%07d\n", freq);
      m_rig.port.deliver({0, line});
      m_dialHeardAt = now() + m_rig.port.quietAt() - m_rig.scheduler.time();
      // With no live line, or while the panel synchronises again (flushing what arrives), the
      // report is lost: the panel learns the frequency when it next reads the radio's state.
      m_dialLost =
          m_unplugged || !m_rig.link.MSComm1.portOpen() || m_rig.frm.lblComStat.caption != "Com OK";
      return;
    }
    case 7:
      note("amplifier operating, ready to tune");
      radio.state.amp = 4, radio.state.ampTune = 2;
      say({0, "O4\nT2\n"});
      return;
    case 8:
      note("radio reports T4");
      radio.state.ampTune = 4;
      say({0, "T4\n"});
      return;
    default:
      note("meter report");
      for (const RadioReply& r : radio.meterReport()) say(r);
  }
}

void Walk::scheduleEvent(double t) {
  m_rig.at(kReady + t, [this] { pick(3) ? userEvent() : radioEvent(); });
}

/// Whether the main window's way to unkey can be reached by the user now.
bool unkeyReachable(Rig& rig) {
  for (ui::Form* f : rig.ui.forms())
    if (f != &rig.frm.form && f->visible && !f->unloaded()) return true;  // it will close
  if (!rig.frm.form.enabled) return false;
  if (rig.frm.keypadActive) return rig.frm.cmdEnter.enabled;
  return (rig.frm.cmdXmit.caption == "&XMT OFF" && rig.frm.cmdXmit.enabled) ||
         (rig.frm.cmdTune.caption == "T&UNE OFF" && rig.frm.cmdTune.enabled) ||
         rig.link.gAmpTuning;  // TUN's click or the 20 s watchdog
}

bool showsKeyed(Rig& rig) {
  return rig.frm.cmdXmit.caption == "&XMT OFF" || rig.frm.cmdTune.caption == "T&UNE OFF" ||
         rig.link.gAmpTuning;
}

/// Since when `on` has held (-1: not now).
void since(double& start, bool on, double t) {
  if (!on) start = -1;
  if (on && start < 0) start = t;
}

void Walk::watch() {
  double t = now();
  const RadioState& s = m_rig.radio.state;
  bool ours = s.remote && !m_unplugged && !m_ended;  // the panel can reach the radio
  bool keyed = s.transmitting && ours;
  // With its device gone only the main loop reopens the port: while a modal window holds it
  // (a scan window too, which then sweeps nothing), the panel has no line to unkey through.
  bool lineLive = m_rig.link.MSComm1.portOpen() && !m_rig.link.MSComm1.deviceGone();
  std::string shown = std::string(s.transmitting ? "radio keyed" : "radio unkeyed") + " at " +
                      std::to_string(s.freq) + (s.remote ? "" : " LOCAL") + ", panel " +
                      m_rig.frm.lblREMOTE.caption + " " + m_rig.frm.cmdXmit.caption + " " +
                      m_rig.frm.cmdTune.caption + (m_rig.link.gAmpTuning ? " TUN" : "") +
                      (m_rig.frm.form.enabled ? "" : " disabled") + " " +
                      m_rig.frm.lblComStat.caption;
  for (ui::Form* f : m_rig.ui.forms())
    if (f != &m_rig.frm.form && f->visible) shown += " [" + f->name() + "]";
  const auto& writes = m_rig.port.writes();
  for (; m_writesSeen < writes.size(); ++m_writesSeen) {
    std::string bytes = writes[m_writesSeen].bytes;
    std::replace(bytes.begin(), bytes.end(), '\n', '|');
    note("  > " + bytes);
  }
  if (shown != m_shown) note("  = " + shown);
  m_shown = shown;
  since(m_keyedSince, keyed, t);
  // The radio's own dial moved out of band while keyed: the panel can only unkey once the
  // report has come through (it may wait behind other replies on the line) and the panel reads
  // it (not while a modal window that reads nothing holds the loop, nor with the line gone, when
  // the report is lost until the next full status). Nor can it unkey a radio handed back to it
  // before it has heard so (its sync may first flush that report and ask again).
  if (m_rig.frm.lblComStat.caption == "Com OK") m_dialLost = false;
  bool heard = t >= m_dialHeardAt && !m_dialLost && !deaf(m_rig) && lineLive &&
               m_rig.frm.lblREMOTE.caption != "LOCAL";
  since(m_outOfBandSince, keyed && !inBand(s.freq) && heard, t);
  // A hand-back that no report told the panel of (a LOCAL panel asks nothing) and a link it
  // shows lost and is still finding again are not the panel hiding a carrier: its first word
  // once it knows is "U", and the link must come back (checked once settled).
  if (m_rig.frm.lblREMOTE.caption == "REMOTE") m_remoteUntold = false;
  bool known = !m_remoteUntold && m_rig.frm.lblComStat.caption == "Com OK";
  since(m_hiddenSince, keyed && known && !(showsKeyed(m_rig) && unkeyReachable(m_rig)), t);
  // A carrier that the radio kept through LOCAL operation, though the panel's "U" went out (the
  // scan menu's too), may come back with its hand-back while an idle scan window holds the loop:
  // that window hears nothing, and the panel's first word once it hears is "U". A sweep sends
  // its own "U" and reads the radio, so it must not run with that carrier.
  if (!s.transmitting) m_keptThroughLocal = false;
  bool unheard = m_keptThroughLocal && idleScan(m_rig);
  since(m_scanKeyedSince, keyed && scanOpen(m_rig) && lineLive && !unheard, t);
  if (m_outOfBandSince >= 0 && t - m_outOfBandSince > 0.4)
    fail("I1 keyed out of band at " + std::to_string(s.freq));
  if (m_hiddenSince >= 0 && t - m_hiddenSince > 1.0)
    fail("I2 keyed, the panel hides it or cannot end it");
  if (m_scanKeyedSince >= 0 && t - m_scanKeyedSince > 0.4) fail("I3 keyed while scanning");
  // An off click with no line to the radio owes its "U" until the port is open again.
  if (m_offClickAt >= 0 && !lineLive) m_offClickAt = t;
  if (m_offClickAt >= 0 && t - m_offClickAt > 3.0) {
    if (keyed) fail("I6 keyed 3 s after the off click");
    m_offClickAt = -1;
  }
  if (!m_ended) m_rig.scheduler.afterDevice(0.05, [this] { watch(); });
}

void Walk::watchSpin(double) {
  double t = now();
  if (t - m_spinSecond >= 1.0) {
    m_maxYields = std::max(m_maxYields, m_yieldsThisSecond);
    m_spinSecond = t, m_yieldsThisSecond = 0;
  }
  if (++m_yieldsThisSecond > 20000) {
    fail("I4 the loop spins");
    throw Spinning{};
  }
}

/// The user and the radio put everything right: the link must come back.
void Walk::settle() {
  note("settle");
  m_rig.ui.holdMessageBoxes(0);
  m_rig.radio.faults = RadioFaults();
  // The hand-back's report below reaches the panel only through a port it has open on a device
  // that is there: else it learns of it when it next asks.
  SerialPort& port = m_rig.link.MSComm1;
  m_remoteUntold = !port.portOpen() || port.deviceGone();
  if (m_unplugged) m_unplugged = false, m_rig.port.plug();
  // The operator hands the radio back, and says so (a LOCAL panel asks nothing).
  for (const RadioReply& r : m_rig.radio.switchRemote(true)) m_rig.port.deliver(r);
  // Flags raised before open their windows or start an entry later: each is ended as it comes.
  // A keypad entry holds the main loop until its Enter, as it should. Between the rounds the
  // operator puts the port back, once no window holds the panel.
  for (double t = 0; t < 16; t += 2) {
    m_rig.at(now() + t, [this] {
      for (ui::Form* f : m_rig.ui.forms())
        if (f != &m_rig.frm.form && f->visible) note("close " + f->name()), f->close();
      if (m_rig.frm.keypadActive) click("cmdEnter");
    });
    m_rig.at(now() + t + 1, [this] { putPortBack(); });
  }
  m_rig.at(now() + 16, [this] {
    if (!portPutBack()) fail("I5 Port Setup does not open");
  });
}

// The radio talks at 9600 baud only: at the rate a walk may have applied (1 baud, say) its
// answers would take minutes, so the operator puts the rate back with the port.
bool Walk::portPutBack() {
  return m_rig.link.gPortNumber == "1" && std::atoi(m_rig.link.gPortSettings.c_str()) == 9600;
}

void Walk::putPortBack() {
  if (portPutBack() || !m_rig.frm.form.enabled) return;
  note("Port Setup back to port 1 at 9600 baud");
  // The dialog is modal: its steps are queued before the click that opens it.
  m_rig.at(now() + 0.5, [this] {
    if (!m_rig.ui.findForm("frmPortSetup")) return;
    ui::userSetText(m_rig.ui.control("frmPortSetup", "cmbSelectPort"), "1");
    ui::userSetText(m_rig.ui.control("frmPortSetup", "cmbSelectBaudRate"), "9600");
    ui::userClick(m_rig.ui.control("frmPortSetup", "cmdApply"));
  });
  ui::userClick(m_rig.frm.mnuPortSetup);
}

void Walk::checkSettled() {
  for (const char* look : {"lblComStat=Com OK", "lblREMOTE=REMOTE", "form=1"}) {
    std::string seen = look::of(m_rig.frm.form, look);
    if (seen != look) fail("I5 settled, the panel shows " + seen);
  }
}

std::string Walk::run() {
  prepareFiles();
  const double span = uniform(60, 120);
  for (int n = 30 + pick(31); n > 0; --n) scheduleEvent(uniform(0, span));
  bool endsItself = pick(8) == 0;
  double endAt = kReady + span + (endsItself ? 1 : 2);
  if (endsItself) m_rig.at(endAt, [this] { note("end requested"), m_rig.ui.requestEnd(); });
  m_rig.at(kReady + span + 1, [this] { settle(); });
  m_rig.at(kReady + span + 21, [this] { checkSettled(); });
  m_rig.at(0, [this] { watch(); });
  m_rig.ui.onMessageBox = [this](const std::string& text) { note("message box " + text); };
  m_rig.ui.onDoEvents = [this](double maxSeconds) { watchSpin(maxSeconds); };
  try {
    m_ended = m_rig.runFor(kReady + span + 25);
  } catch (const Spinning&) {
  } catch (const std::exception& e) {
    fail(std::string("I4 thrown: ") + e.what());
  }
  if (m_ended && m_rig.radio.state.transmitting) fail("ended with the radio keyed");
  if (std::getenv("ZARVIN_WALK_LOG")) std::printf("%s", m_log.c_str());
  if (m_failures.empty()) return "";
  return m_failures + "firmware " + std::to_string(m_rig.radio.firmware()) + ", events:\n" + m_log;
}

int fromEnvironment(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value ? std::atoi(value) : fallback;
}

TEST(RandomWalk, NothingStaysKeyedWedgedOrSpinning) {
  int first = fromEnvironment("ZARVIN_WALK_FIRST", 1);
  int seeds = fromEnvironment("ZARVIN_WALK_SEEDS", 3);
  int clean = 0;
  for (int seed = first; seed < first + seeds; ++seed) {
    std::string failures = Walk(seed).run();
    clean += failures.empty();
    if (!failures.empty()) ADD_FAILURE() << failures;
  }
  std::printf("%d of %d walks clean\n", clean, seeds);
}

}  // namespace
