// Commands whose form depends on the radio's firmware generation: generation 2 takes
// absolute codes followed by the frequency, generations 1 and 3 only step ("M"/"A" and
// "m"/"a").
#include <string>

#include "link/DisplayZarvinStatus.h"
#include "link/frequency_text.h"

namespace {

/// The code after `code` in its cycle of four ("A1".."A4" or "M1".."M4"), or "" for an
/// unknown code.
std::string nextCode(const std::string& code, char tag) {
  for (char d = '1'; d <= '4'; ++d) {
    if (code == std::string{tag, d}) return std::string{tag, d == '4' ? '1' : char(d + 1)};
  }
  return "";
}

bool isModeCode(const std::string& code) {
  return !nextCode(code, 'M').empty();
}

}  // namespace

void DisplayZarvinStatus::gSetFrequency(const std::string& digits) {
  if (!isSevenDigits(digits)) return;
  // A keyed transmitter goes back to receive before it is moved out of band, not after.
  transmitter.unkeyBeforeRetune(digits);
  gSendCommand("F" + digits, true, 0.45);
  gReadResponse();
}

void DisplayZarvinStatus::gNextAGC() {
  std::string text;
  if (gFWType == 2) {
    // With no known current code there is no code to send: the line feed goes out alone.
    // A code goes out only with a valid frequency: a garbled one never reaches the radio.
    std::string next = nextCode(gAGC, 'A');
    if (!next.empty()) {
      if (!isFrequencyItem(gFreq)) return;
      text = next + "\n" + gFreq.str() + "\n";
    }
  } else if (gFWType == 3) {
    text = "a\n";
  } else if (gFWType == 1) {
    text = "A\n";
  }
  gSendCommand(text, true, 0.1);
  gReadResponse();
}

int DisplayZarvinStatus::gModeIndex(const std::string& mode) const {
  if (mode == "M2") return 1;
  if (mode == "M3") return 2;
  if (mode == "M4") return 3;
  return 0;
}

void DisplayZarvinStatus::gSetMode(const std::string& newMode) {
  if (!isModeCode(newMode)) return;
  if (gFWType == 2) {
    if (!isFrequencyItem(gFreq)) return;
    gFlushInput();
    MSComm1.output(newMode + "\n" + gFreq.str() + "\n");
    gDelay(0.3);
    gReadResponse();
  } else if (gFWType == 1 || gFWType == 3) {
    if (gFWType == 1) gPTTSetting = gPTT;
    int current = gModeIndex(gMode) + 4;
    int target = gModeIndex(newMode) + 4;
    if (current == target) return;
    if (current > target) current -= 4;
    gSendCommand(std::string(target - current, gFWType == 1 ? 'M' : 'm'), true, 0.3);
    gReadResponse();
    if (gFWType == 1 && gPTT != gPTTSetting) gTogglePTT();
  } else {
    return;  // no generation known yet: there is no step command to send
  }
  if (gModeNew) {
    gShowMode();
    gModeNew = false;
  }
  if (gSideToneNew) {
    gShowSideTone();
    gSideToneNew = false;
  }
  if (gAudioSourceNew) {
    gShowAudioSource();
    gAudioSourceNew = false;
  }
  if (gPTTNew) {
    gShowPTT();
    gPTTNew = false;
  }
}

void DisplayZarvinStatus::gNextMode() {
  if (gFWType == 2) {
    // An unknown mode has no next code: the frequency goes out alone, the radio reports no
    // mode, and the status is reloaded below. The line carries gFreq, so it goes out only
    // with a valid one; without, the reload below brings a fresh frequency.
    if (isFrequencyItem(gFreq)) {
      gFlushInput();
      MSComm1.output(nextCode(gMode, 'M') + "\n" + gFreq.str() + "\n");
      gDelay(0.3);
    }
  } else {
    gSendCommand(gFWType == 1 ? "M" : gFWType == 3 ? "m" : "", true, 0.1);
  }
  double start = now();
  gModeNew = false;
  // The limit is tested between reads only: a read begun just before 2.0 s runs to its end.
  while (elapsedSince(start) < 2.0 && !gModeNew) gReadResponse();
  if (!gModeNew) {
    platform.ui.messageBox("MODE Change Error");
    gSendCommand("?", true, 1.0);
    gReadResponse();
  }
  gShowMode();
  gModeNew = false;
}

void DisplayZarvinStatus::gTogglePTT() {
  if (gFWType == 1) {
    gSendCommand("'", false, 0.2);
  } else if (gPTT == "'0") {
    gSendCommand("'1", true, 0.2);
  } else if (gPTT == "'1") {
    gSendCommand("'0", true, 0.2);
  }
  gReadResponse();
}
