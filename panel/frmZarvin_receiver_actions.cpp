// Receiver setting actions: each sends its command (itself or through a firmware-dependent
// sender), reads the answer where the panel needs it at once, and lowers its own flag last,
// so that clicks made while it waits are absorbed.
#include <string>

#include "panel/frmZarvin.h"

namespace {

// Settle times the radio needs before its answer is complete.
constexpr double kSettingSettle = 0.2;
constexpr double kMeterSettle = 0.1;
constexpr double kStatusSettle = 0.6;

// One command with its line feed; the answer is read when the caller needs it in the store.
void sendSetting(DisplayZarvinStatus& link, const std::string& command, double settle,
                 bool readAnswer) {
  link.gSendCommand(command, true, settle);
  if (readAnswer) link.gReadResponse();
}

// The audio-input toggle: the oldest firmware toggles with the tag alone, the others take the
// wanted state. Empty when the radio has not reported a state to toggle from: the line feed
// then goes out alone.
std::string audioInputToggle(int firmware, const std::string& audioInput) {
  if (firmware == 1) return "\"";
  if (audioInput == "\"0") return "\"1";
  if (audioInput == "\"1") return "\"0";
  return "";
}

// The mode after `mode` in the radio's order (USB, LSB, AME, CW, USB ...); empty when the
// radio has not reported a mode.
std::string nextMode(const std::string& mode) {
  if (mode == "M1") return "M2";
  if (mode == "M2") return "M3";
  if (mode == "M3") return "M4";
  if (mode == "M4") return "M1";
  return "";
}

}  // namespace

void frmZarvin::audioSourceCmd() {
  sendSetting(link, "H", kSettingSettle, true);
  audioSourceFlag = false;
}

void frmZarvin::agcCmd() {
  link.gNextAGC();
  agcFlag = false;
}

void frmZarvin::audioCmd() {
  sendSetting(link, audioInputToggle(link.gFWType, link.gAudioInput), kSettingSettle, true);
  audioFlag = false;
}

void frmZarvin::clippingCmd() {
  sendSetting(link, "I", kSettingSettle, true);
  clippingFlag = false;
}

void frmZarvin::meterCmd() {
  // The main loop reads the answer on its next pass.
  sendSetting(link, "D", kMeterSettle, false);
  meterFlag = false;
}

void frmZarvin::modeCmd() {
  std::string next = nextMode(link.gMode);
  if (!next.empty()) link.gSetMode(next);
  modeFlag = false;
}

void frmZarvin::muteCmd() {
  // The label follows the radio's "(" status, so it tells what the speaker is now.
  if (lblMute.caption == "ON") {
    sendSetting(link, "(0", kSettingSettle, false);
  } else if (lblMute.caption == "OFF") {
    sendSetting(link, "(1", kSettingSettle, false);
  }
  muteFlag = false;
}

void frmZarvin::pttCmd() {
  link.gTogglePTT();
  pttFlag = false;
}

void frmZarvin::sideToneCmd() {
  sendSetting(link, "S", kSettingSettle, true);
  // Shown at once and marked as shown, so the display update does not show it again.
  if (link.gSideToneNew) {
    link.gShowSideTone();
    link.gSideToneNew = false;
  }
  sideToneFlag = false;
}

void frmZarvin::voxCmd() {
  sendSetting(link, "V", kSettingSettle, true);
  voxFlag = false;
}

void frmZarvin::getStatusCmd() {
  // The full answer is read and shown by the main loop's next pass.
  sendSetting(link, "?", kStatusSettle, false);
  getStatusFlag = false;
}
