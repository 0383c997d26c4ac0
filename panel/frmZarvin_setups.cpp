// The REMOTE and LOCAL set-ups: bring the panel, and in REMOTE operation the radio, into a
// known condition before the main loop takes over.
#include <initializer_list>
#include <string>
#include <vector>

#include "panel/frmZarvin.h"

namespace {

constexpr int kFullAnswerPolls = 10;
constexpr double kAudioSourceSettle = 0.2;
constexpr int kFrequencyAttempts = 3;
// A frequency the radio always accepts, used when it reports none that is valid.
constexpr char kFallbackFrequency[] = "1234567";

bool isOneOf(const std::string& code, std::initializer_list<const char*> codes) {
  for (const char* c : codes) {
    if (code == c) return true;
  }
  return false;
}

// Line `index` of the audio setup file when it starts with a code that line may hold,
// otherwise that line's default: a garbled file must not step the radio through settings.
std::string wantedCode(const std::vector<std::string>& lines, std::size_t index,
                       std::initializer_list<const char*> codes, const char* fallback) {
  if (index >= lines.size()) return fallback;
  std::string code = lines[index].substr(0, 2);
  return isOneOf(code, codes) ? code : fallback;
}

// The wanted audio settings from AudioSetup.txt, read afresh; missing file or lines give the
// defaults, and so does a file that cannot be read.
void readWantedAudio(frmZarvin& frm) {
  std::vector<std::string> lines;
  if (frm.link.fileExists("AudioSetup.txt")) {
    try {
      lines = frm.platform.files.readLines("AudioSetup.txt");
    } catch (const RuntimeError&) {
    }
  }
  frm.wantedAudioSource = wantedCode(lines, 0, {"H1", "H2", "H3"}, "H1");
  frm.wantedPTT = wantedCode(lines, 1, {"'0", "'1"}, "'1");
  frm.wantedAudioInput = wantedCode(lines, 2, {"\"0", "\"1"}, "\"1");
}

// While the radio is being set, the buttons whose state it is setting stay locked and the
// information box says why.
void lockPanelForRemoteSetup(frmZarvin& frm) {
  for (ui::Control* c : {&frm.cmdSideTone, &frm.cmdAudio, &frm.cmdViewInData, &frm.cmdVOX,
                         &frm.cmdClipping, &frm.cmdPTT})
    c->enabled = false;
  frm.sliRFGain.enabled = true;
  for (ui::Control* digit : frm.cmdF) digit->enabled = false;
  frm.txtInfo.foreColor = ui::kRed;
  frm.txtInfo.font.edit().bold = true;
  frm.txtInfo.caption = "STANDBY - SETTING ALL COMMAND BUTTONS";
  frm.txtInfo.visible = true;
  frm.txtInData.visible = true;
  frm.lblREMOTE.foreColor = ui::kWhite;
}

void showRemoteFrames(frmZarvin& frm) {
  frm.txtInfo.caption = "";
  frm.txtInfo.visible = false;
  frm.txtInfo.foreColor = ui::kBlack;
  frm.txtInfo.font.edit().bold = false;
  for (ui::Control* c : {&frm.fraLeftButtons, &frm.fraRightButtons, &frm.fraRF}) c->visible = true;
  frm.lblRFGain.enabled = true;
  frm.fraBand.visible = true;
  frm.fraBFO.visible = true;
  for (ui::Control* c : {&frm.cmdMeter, &frm.cmdMute, &frm.cmdBFO}) c->enabled = true;
  frm.sliBFO.visible = true;
}

// The transmit buttons stay as the band check left them: enabling them here would let the
// transmitter be keyed outside the bands until the next frequency report.
void enableRemoteButtons(frmZarvin& frm, bool inBand) {
  for (ui::Control* c : {&frm.cmdAudioSource, &frm.cmdMode, &frm.cmdAGC, &frm.cmdSideTone,
                         &frm.cmdAudio, &frm.cmdViewInData, &frm.cmdVOX, &frm.cmdClipping})
    c->enabled = true;
  frm.cmdPTT.enabled = inBand;
  frm.link.transmitter.enableButtons(inBand);
  frm.mnuScanFreqs.enabled = true;
  frm.mnuScanBands.enabled = true;
  frm.lblU.visible = true;
  frm.lblXMTRCV.enabled = true;
  frm.pbMeter.enabled = true;
  // Usable again as at a REMOTE start, now that the offset is zeroed: the LOCAL set-up locked
  // it while the radio was not ours to set.
  frm.sliBFO.enabled = true;
}

void enableFrequencyEntry(frmZarvin& frm) {
  for (ui::Control* digit : frm.cmdF) digit->enabled = true;
  for (ui::Control* c :
       {&frm.cmdFreq, &frm.cmdEnter, &frm.cmdAmpPwr, &frm.cmdAmpOpr, &frm.cmdTuneAmp})
    c->enabled = true;
}

// In LOCAL operation the BFO counts as off; the panel says so rather than keep showing "ON"
// and an offset that the next REMOTE set-up would not restore.
void showBfoOff(frmZarvin& frm) {
  frm.bfoOn = false;
  frm.link.gBFOOffset = "100";
  frm.sliBFO.value = 100;
  frm.sliBFO.enabled = false;
  frm.lblBFOslider.caption = "000";
  frm.lblBFOState.caption = "OFF";
  frm.lblBFOOn.caption = "";
  frm.lblPorM.caption = "";
}

}  // namespace

bool frmZarvin::waitForFullAnswer() {
  link.gRemoteNew = false;
  link.gGotHashDot = false;
  for (int polls = 0; polls < kFullAnswerPolls; ++polls) {
    step([&] { sendStatusRequest(); });
    step([&] { link.gReadResponse(); });
    if (link.gGotHashDot) return true;
    platform.ui.doEvents(0);
    // A lost device is reopened by the synchronisation, which then runs this set-up again.
    if (link.gPortSetupChanged || link.MSComm1.deviceGone()) return false;
  }
  return false;
}

frmZarvin::Entry frmZarvin::giveUpWaiting() {
  if (link.gPortSetupChanged) return Entry::PortSetupFull;
  lblComStat.caption = "No Com";
  return Entry::Synchronise;
}

void frmZarvin::stepRadioTo(const std::string& target, const FixedText<2>& item, int attempts,
                            void (frmZarvin::*action)(), double settle) {
  // Attempts are counted, not answers: a radio that ignores the command is left as it is.
  for (int i = 0; i < attempts && item != target; ++i) {
    step([&] { (this->*action)(); });
    if (settle > 0) step([&] { link.gDelay(settle); });
  }
}

void frmZarvin::makeFrequencyValid() {
  for (int attempt = 0;; ++attempt) {
    if (link.gFreqValid) {
      step([&] { link.gShowFrequency(); });
      return;
    }
    // A radio that never reports a valid frequency must not hold the set-up for ever.
    if (attempt == kFrequencyAttempts) return;
    platform.ui.messageBox("Setting frequency to 12345.67");
    step([&] { link.gSetFrequency(kFallbackFrequency); });
  }
}

void frmZarvin::stepRadioToWantedAudio() {
  if (link.gAudioInput != wantedAudioInput) step([&] { audioCmd(); });
  step([&] { link.gShowAudioInput(); });
  stepRadioTo(wantedAudioSource, link.gAudioSource, 4, &frmZarvin::audioSourceCmd,
              kAudioSourceSettle);
  step([&] { link.gShowAudioSource(); });
  stepRadioTo("I0", link.gClipping, 3, &frmZarvin::clippingCmd, 0);
  step([&] { link.gShowClipping(); });
  stepRadioTo(wantedPTT, link.gPTT, 3, &frmZarvin::pttCmd, 0);
  step([&] { link.gShowPTT(); });
  link.gPTTSetting = wantedPTT;
  step([&] { link.gShowSideTone(); });
  stepRadioTo("V0", link.gVOX, 4, &frmZarvin::voxCmd, 0);
  step([&] { link.gShowVOX(); });
  step([&] { link.gShowAGC(); });
  step([&] { link.gShowMode(); });
}

frmZarvin::Entry frmZarvin::remoteSetup() {
  panelMode = "REMOTE";
  // Back to receive before anything is set: a cycle still running ends, and what XMT or TUNE
  // had keyed before the set-up (kept through LOCAL operation, owed since the device went, or
  // keyed when Audio Setup's Save arrived) ends as its off click ends it, so that nothing shows
  // keyed and TUNE puts back the mode it changed. A radio that has not said it receives since
  // the panel keyed it hears "U" again, once for that keying: one that went LOCAL before the
  // panel knew answered the off click's "U" with "K", and a silent one may not have obeyed it.
  link.transmitter.unkeyOnHandOver();
  link.gAudioSetupChanged = false;
  // Both files are looked at afresh each time, so edits take effect at the next set-up.
  link.gAllBands = link.fileExists("Permissions.txt");
  readWantedAudio(*this);
  lockPanelForRemoteSetup(*this);
  if (!waitForFullAnswer()) return giveUpWaiting();
  detectFirmware();
  stepRadioToWantedAudio();
  makeFrequencyValid();
  bool inBand = link.transmitter.mayKey();
  step([&] { link.gShowInBand(inBand); });
  step([&] { sliRFGain_Scroll(); });
  showRemoteFrames(*this);
  step([&] { bfo100Cmd(); });
  enableRemoteButtons(*this, inBand);
  // Whatever the set-up left unread, then a fresh full status for the main loop to show.
  step([&] { link.gReadResponse(); });
  step([&] { sendStatusRequest(); });
  step([&] { link.gReadResponse(); });
  // REMOTE operation's keep-alive from here on: the unkey above sets it only when something was
  // keyed, and LOCAL operation's blank (or none, at the start) must not be repeated.
  link.gSyncChar = "U";
  enableFrequencyEntry(*this);
  return Entry::LoopEntry;
}

frmZarvin::Entry frmZarvin::localSetup() {
  panelMode = "LOCAL";
  if (!waitForFullAnswer()) return giveUpWaiting();
  detectFirmware();
  for (ui::Control* c : {&fraRightButtons, &fraLeftButtons, &fraRF, &fraBand}) c->visible = true;
  showBfoOff(*this);  // nothing is sent: the radio is not ours to set now
  if (link.gFWType == 2) {
    cmdMeter.enabled = false;
    pbMeter.enabled = false;
  }
  for (ui::Control* c :
       {&cmdMute, &cmdBFO, &cmdAudioSource, &cmdAGC, &cmdMode, &cmdSideTone, &cmdAudio})
    c->enabled = false;
  cmdViewInData.enabled = true;
  for (ui::Control* c : {&cmdVOX, &cmdClipping, &cmdPTT, &cmdTune, &cmdXmit}) c->enabled = false;
  sliRFGain.enabled = false;
  // Only the adaptive firmware takes a frequency from the remote port in LOCAL operation.
  localFreqEnabled = link.gFWType == 2;
  for (ui::Control* digit : cmdF) digit->enabled = localFreqEnabled;
  for (ui::Control* c : {&mnuScanFreqs, &mnuScanBands, &cmdFreq, &cmdEnter})
    c->enabled = localFreqEnabled;
  lblU.visible = false;
  txtInData.caption = "";
  txtInData.visible = false;
  link.gSyncChar = " ";
  return Entry::LoopEntry;
}
