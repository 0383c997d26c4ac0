// The receiver setting buttons on the simulated radio: the bytes each one puts on the line for
// each firmware generation, and the cases where it must send nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support/program_rig.h"

namespace {

constexpr double kReady = 7.0;  // the REMOTE set-up is over by then

/// Everything written since the last clearWrites, without the keep-alive characters.
std::string sentExceptKeepAlive(const ProgramRig& rig) {
  std::string bytes;
  for (const auto& w : rig.port.writes()) {
    if (w.bytes != "U") bytes += w.bytes;
  }
  return bytes;
}

/// Starts the program on a radio of `firmware`, lets `prepare` adjust the running program,
/// clicks `button` and returns what the action wrote.
std::string bytesOfClick(int firmware, const std::string& button,
                         const std::function<void(ProgramRig&)>& prepare = nullptr) {
  ProgramRig rig(firmware);
  rig.writePortSetup();
  std::string sent;
  rig.at(kReady, [&] {
    if (prepare) prepare(rig);
    rig.port.clearWrites();
    EXPECT_TRUE(rig.click(button)) << button;
  });
  rig.at(kReady + 2.5, [&] { sent = sentExceptKeepAlive(rig); });
  rig.runFor(kReady + 3.0);
  return sent;
}

TEST(ReceiverActions, BytesOfTheFirmwareDependentButtons) {
  struct Case {
    int firmware;
    const char* button;
    const char* bytes;
  } cases[] = {
      {1, "cmdAGC", "A\n\n"},             // step command, the sender's extra LF
      {2, "cmdAGC", "A3\nF1425000\n\n"},  // absolute code after A2, with the frequency
      {3, "cmdAGC", "a\n\n"},             // lower-case step
      {1, "cmdMode", "M\n'"},  // one step; the radio drops the PTT enable, which is restored
      {2, "cmdMode", "M2\nF1425000\n"},  // absolute, written straight to the port
      {3, "cmdMode", "m\n"},             // lower-case step
      {1, "cmdPTT", "'"},                // toggle, no LF
      {2, "cmdPTT", "'0\n"},             // enabled, so switched off
      {3, "cmdPTT", "'0\n"},             // the same
      {1, "cmdAudio", "\"\n"},           // toggle with the tag alone
      {2, "cmdAudio", "\"0\n"},          // local audio, so to remote
      {3, "cmdAudio", "\"0\n"},          // the same
  };
  for (const Case& c : cases) {
    EXPECT_EQ(bytesOfClick(c.firmware, c.button), c.bytes) << c.firmware << " " << c.button;
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
      EXPECT_EQ(bytesOfClick(firmware, c.button), c.bytes) << firmware << " " << c.button;
    }
  }
}

TEST(ReceiverActions, ModeAfterCwIsUsb) {
  EXPECT_EQ(bytesOfClick(2, "cmdMode", [](ProgramRig& rig) { rig.link.gMode = "M4"; }),
            "M1\nF1425000\n");
}

TEST(ReceiverActions, SpeakerFollowsItsLabel) {
  // OFF asks for on.
  EXPECT_EQ(
      bytesOfClick(2, "cmdMute", [](ProgramRig& rig) { rig.control("lblMute").caption = "OFF"; }),
      "(1\n");
  // Neither ON nor OFF: nothing is sent.
  EXPECT_EQ(
      bytesOfClick(2, "cmdMute", [](ProgramRig& rig) { rig.control("lblMute").caption = ""; }), "");
}

TEST(ReceiverActions, UnknownStatesSendNothing) {
  struct Case {
    int firmware;
    const char* button;
    std::function<void(ProgramRig&)> prepare;
  } cases[] = {
      // No mode reported: no code to step from, on any firmware.
      {2, "cmdMode", [](ProgramRig& rig) { rig.link.gMode = ""; }},
      {1, "cmdMode", [](ProgramRig& rig) { rig.link.gMode = "M9"; }},
      // No audio input reported: nothing to toggle from (generation 1 toggles blindly).
      {2, "cmdAudio", [](ProgramRig& rig) { rig.link.gAudioInput = ""; }},
      {3, "cmdAudio", [](ProgramRig& rig) { rig.link.gAudioInput = "\"7"; }},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(bytesOfClick(c.firmware, c.button, c.prepare), "") << c.firmware << c.button;
  }
}

TEST(ReceiverActions, EveryActionLowersItsFlag) {
  ProgramRig rig;
  rig.writePortSetup();
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
  ProgramRig rig;
  rig.writePortSetup();
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
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(kReady, [&] {
    rig.port.clearWrites();
    rig.click("cmdGetStatus");
  });
  // Inside the action's 0.6 s settle time.
  rig.at(kReady + 0.3, [&] { rig.click("cmdGetStatus"); });
  rig.runFor(kReady + 3.0);
  EXPECT_EQ(sentExceptKeepAlive(rig), "?\n");
}

}  // namespace
