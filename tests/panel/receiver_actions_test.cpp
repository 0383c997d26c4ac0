// The receiver setting buttons on the simulated radio: the bytes each one puts on the line for
// each firmware generation, and how long after its command it lowers its request flag (clicks
// made until then are absorbed).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/panel/panel_script.h"

namespace {

using namespace panel_script;
using Prepare = std::function<void(ProgramRig&)>;
using Flag = bool frmZarvin::*;

struct Outcome {
  std::string bytes;
  double busy = -1;  // from the first write to the first yield with the flag lowered
};

/// Starts the program on a radio of `firmware`, lets `prepare` adjust the running program,
/// clicks `button` and returns what the action wrote and how long it held `flag`.
Outcome clickOnce(int firmware, const std::string& button, Flag flag, const Prepare& prepare) {
  Rig rig(firmware);
  Outcome out;
  double loweredAt = -1;
  rig.at(kReady, [&] {
    if (prepare) prepare(rig);
    rig.port.clearWrites();
    EXPECT_TRUE(rig.click(button)) << button;
  });
  for (int ms = 1; ms <= 2000; ++ms) {
    rig.at(kReady + ms * 0.001, [&] {
      if (loweredAt < 0 && !(rig.frm.*flag)) loweredAt = rig.elapsed();
    });
  }
  rig.at(kReady + 2.5, [&] {
    out.bytes = sentBytes(rig);
    for (const auto& w : rig.port.writes()) {
      if (w.bytes != "U" && !out.bytes.empty()) {
        out.busy = loweredAt - (w.time - rig.start);
        break;
      }
    }
  });
  rig.runFor(kReady + 3.0);
  return out;
}

Prepare mode(const char* code) {
  return [code](ProgramRig& rig) { rig.link.gMode = code; };
}
Prepare audioInput(const char* code) {
  return [code](ProgramRig& rig) { rig.link.gAudioInput = code; };
}
Prepare speakerLabel(const char* caption) {
  return [caption](ProgramRig& rig) { rig.control("lblMute").caption = caption; };
}

TEST(ReceiverActions, BytesAndSettleOfEachButton) {
  struct Case {
    int firmware;
    const char* button;
    Flag flag;
    const char* bytes;
    double busy;  // settle + the read's 0.06 s quiet period; -1 when nothing is sent
    Prepare prepare;
  } cases[] = {
      {1, "cmdAGC", &frmZarvin::agcFlag, "A\n\n", 0.16, nullptr},  // step, the sender's extra LF
      {2, "cmdAGC", &frmZarvin::agcFlag, "A3\nF1425000\n\n", 0.16, nullptr},  // absolute, with freq
      {3, "cmdAGC", &frmZarvin::agcFlag, "a\n\n", 0.16, nullptr},             // lower-case step
      {1, "cmdMode", &frmZarvin::modeFlag, "M\n'", 0.62, nullptr},  // the PTT enable dropped: back
      {2, "cmdMode", &frmZarvin::modeFlag, "M2\nF1425000\n", 0.36, nullptr},     // absolute
      {3, "cmdMode", &frmZarvin::modeFlag, "m\n", 0.36, nullptr},                // lower-case step
      {2, "cmdMode", &frmZarvin::modeFlag, "M1\nF1425000\n", 0.36, mode("M4")},  // CW, then USB
      {2, "cmdMode", &frmZarvin::modeFlag, "", -1, mode("")},          // no mode reported: nothing
      {1, "cmdMode", &frmZarvin::modeFlag, "", -1, mode("M9")},        // an unknown one neither
      {1, "cmdPTT", &frmZarvin::pttFlag, "'", 0.26, nullptr},          // toggle, no LF
      {2, "cmdPTT", &frmZarvin::pttFlag, "'0\n", 0.26, nullptr},       // enabled, so switched off
      {3, "cmdPTT", &frmZarvin::pttFlag, "'0\n", 0.26, nullptr},       // the same
      {1, "cmdAudio", &frmZarvin::audioFlag, "\"\n", 0.26, nullptr},   // toggle: the tag alone
      {2, "cmdAudio", &frmZarvin::audioFlag, "\"0\n", 0.26, nullptr},  // local, so to remote
      {2, "cmdAudio", &frmZarvin::audioFlag, "\n", 1.0, audioInput("")},     // none: LF, unanswered
      {3, "cmdAudio", &frmZarvin::audioFlag, "\n", 1.0, audioInput("\"7")},  // unknown: likewise
      {2, "cmdMute", &frmZarvin::muteFlag, "(1\n", 0.26, speakerLabel("OFF")},   // OFF: on
      {2, "cmdMute", &frmZarvin::muteFlag, "(0\n", 0.26, nullptr},               // ON: off
      {2, "cmdMute", &frmZarvin::muteFlag, "", -1, speakerLabel("")},            // neither: nothing
      {2, "cmdAudioSource", &frmZarvin::audioSourceFlag, "H\n", 0.26, nullptr},  // step the source
      {2, "cmdClipping", &frmZarvin::clippingFlag, "I\n", 0.26, nullptr},        // toggle clipping
      {2, "cmdMeter", &frmZarvin::meterFlag, "D\n", 0.16, nullptr},  // the loop reads the answer
      {2, "cmdSideTone", &frmZarvin::sideToneFlag, "S\n", 0.26, nullptr},    // toggle sidetone
      {2, "cmdVOX", &frmZarvin::voxFlag, "V\n", 0.26, nullptr},              // step VOX
      {2, "cmdGetStatus", &frmZarvin::getStatusFlag, "?\n", 0.66, nullptr},  // full status
  };
  for (const Case& c : cases) {
    Outcome out = clickOnce(c.firmware, c.button, c.flag, c.prepare);
    EXPECT_EQ(out.bytes, c.bytes) << c.firmware << " " << c.button;
    EXPECT_NEAR(out.busy, c.busy, 1e-6) << c.firmware << " " << c.button << " " << c.bytes;
  }
}

TEST(ReceiverActions, SideToneIsShownAtOnce) {
  Rig rig;
  rig.at(kReady, [&] {
    rig.frm.sideToneCmd();
    // Shown by the action itself, and marked as shown for the display update.
    EXPECT_EQ(rig.control("lblSideTone").caption, "ON");
    EXPECT_FALSE(rig.link.gSideToneNew);
  });
  rig.runFor(kReady + 1.0);
}

}  // namespace
