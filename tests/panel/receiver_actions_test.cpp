// The receiver setting buttons on the simulated radio: the bytes each one puts on the line for
// each firmware generation, and the cases where it must send nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/panel/panel_script.h"

namespace {

using namespace panel_script;
using Prepare = std::function<void(ProgramRig&)>;

/// Starts the program on a radio of `firmware`, lets `prepare` adjust the running program,
/// clicks `button` and returns what the action wrote.
std::string bytesOfClick(int firmware, const std::string& button, const Prepare& prepare) {
  Rig rig(firmware);
  std::string sent;
  rig.at(kReady, [&] {
    if (prepare) prepare(rig);
    rig.port.clearWrites();
    EXPECT_TRUE(rig.click(button)) << button;
  });
  rig.at(kReady + 2.5, [&] { sent = sentBytes(rig); });
  rig.runFor(kReady + 3.0);
  return sent;
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

TEST(ReceiverActions, BytesOfTheFirmwareDependentButtons) {
  struct Case {
    int firmware;
    const char* button;
    const char* bytes;
    Prepare prepare;
  } cases[] = {
      {1, "cmdAGC", "A\n\n", nullptr},             // step command, the sender's extra LF
      {2, "cmdAGC", "A3\nF1425000\n\n", nullptr},  // absolute code after A2, with the frequency
      {3, "cmdAGC", "a\n\n", nullptr},             // lower-case step
      {1, "cmdMode", "M\n'", nullptr},  // one step; the radio drops the PTT enable: restored
      {2, "cmdMode", "M2\nF1425000\n", nullptr},     // absolute, written straight to the port
      {3, "cmdMode", "m\n", nullptr},                // lower-case step
      {2, "cmdMode", "M1\nF1425000\n", mode("M4")},  // after CW comes USB
      {2, "cmdMode", "", mode("")},                  // no mode reported: nothing to step from
      {1, "cmdMode", "", mode("M9")},                // an unknown one neither
      {1, "cmdPTT", "'", nullptr},                   // toggle, no LF
      {2, "cmdPTT", "'0\n", nullptr},                // enabled, so switched off
      {3, "cmdPTT", "'0\n", nullptr},                // the same
      {1, "cmdAudio", "\"\n", nullptr},              // toggle with the tag alone
      {2, "cmdAudio", "\"0\n", nullptr},             // local audio, so to remote
      {3, "cmdAudio", "\"0\n", nullptr},             // the same
      {2, "cmdAudio", "\n", audioInput("")},         // no audio input reported: LF alone
      {3, "cmdAudio", "\n", audioInput("\"7")},      // an unknown one likewise
      {2, "cmdMute", "(1\n", speakerLabel("OFF")},   // the speaker shows OFF: on
      {2, "cmdMute", "", speakerLabel("")},          // neither ON nor OFF: nothing
  };
  for (const Case& c : cases) {
    EXPECT_EQ(bytesOfClick(c.firmware, c.button, c.prepare), c.bytes)
        << c.firmware << " " << c.button;
  }
}

TEST(ReceiverActions, BytesOfTheSameButtonsOnEveryFirmware) {
  struct Case {
    const char* button;
    const char* bytes;
  } cases[] = {
      {"cmdAudioSource", "H\n"},  // step the audio source
      {"cmdClipping", "I\n"},     // toggle clipping
      {"cmdMeter", "D\n"},        // step the meter function
      {"cmdMute", "(0\n"},        // the speaker shows ON: off
      {"cmdSideTone", "S\n"},     // toggle the sidetone
      {"cmdVOX", "V\n"},          // step VOX
      {"cmdGetStatus", "?\n"},    // full status
  };
  for (int firmware : {1, 2, 3}) {
    for (const Case& c : cases) {
      EXPECT_EQ(bytesOfClick(firmware, c.button, nullptr), c.bytes) << firmware << c.button;
    }
  }
}

TEST(ReceiverActions, EveryActionLowersItsFlag) {
  Rig rig;
  rig.at(kReady, [&] {
    for (const char* button :
         {"cmdAudioSource", "cmdAGC", "cmdAudio", "cmdClipping", "cmdMeter", "cmdMode", "cmdMute",
          "cmdPTT", "cmdSideTone", "cmdVOX", "cmdGetStatus"}) {
      EXPECT_TRUE(rig.click(button)) << button;
    }
  });
  rig.runFor(kReady + 5.0);
  for (bool flag :
       {rig.frm.audioSourceFlag, rig.frm.agcFlag, rig.frm.audioFlag, rig.frm.clippingFlag,
        rig.frm.meterFlag, rig.frm.modeFlag, rig.frm.muteFlag, rig.frm.pttFlag,
        rig.frm.sideToneFlag, rig.frm.voxFlag, rig.frm.getStatusFlag}) {
    EXPECT_FALSE(flag);
  }
  EXPECT_EQ(rig.radio.state.agc, 3);
  EXPECT_EQ(rig.radio.state.mode, 2);
  EXPECT_EQ(rig.radio.state.vox, 1);
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
  EXPECT_TRUE(rig.radio.state.sidetone);
}

TEST(ReceiverActions, ClicksDuringTheWaitAreAbsorbed) {
  Rig rig;
  rig.at(kReady, [&] {
    rig.port.clearWrites();
    rig.click("cmdGetStatus");
  });
  rig.at(kReady + 0.3, [&] { rig.click("cmdGetStatus"); });  // inside the 0.6 s settle
  rig.runFor(kReady + 3.0);
  EXPECT_EQ(sentBytes(rig), "?\n");
}

}  // namespace
