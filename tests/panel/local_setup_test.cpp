// The LOCAL set-up on the simulated radio: which parts of the panel stay usable for each
// firmware generation, and what it leaves of the REMOTE set-up's panel.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/user_actions.h"
#include "tests/panel/panel_script.h"

namespace {

using namespace panel_script;

// Buttons that act on the radio's settings: locked whatever the firmware. (cmdAudioSource is
// locked too, but the audio-input display unlocks it whenever the radio reports local audio.)
constexpr const char* kLockedInLocal[] = {"cmdMute",     "cmdBFO",   "cmdAGC",  "cmdMode",
                                          "cmdSideTone", "cmdAudio", "cmdVOX",  "cmdClipping",
                                          "cmdPTT",      "cmdTune",  "cmdXmit", "sliRFGain"};

// Frequency entry and scanning: usable in LOCAL operation with the adaptive firmware only.
constexpr const char* kFrequencyEntry[] = {"cmdFreq", "cmdEnter", "mnuScanFreqs", "mnuScanBands"};

TEST(LocalSetup, PanelStatesFollowTheFirmware) {
  struct Case {
    int firmware;
    bool frequencyEntry;
    bool meterEnabled;
  } cases[] = {
      {2, true, false},  // adaptive: frequency entry kept, the meter locked
      {1, false, true},  // oldest: frequency entry locked, the meter as it was
      {3, false, true},  // non-adaptive: the same
  };
  for (const Case& c : cases) {
    Rig rig(c.firmware);
    rig.radio.state.remote = false;
    rig.radio.state.vox = 1;  // not as the REMOTE set-up would want it: left alone here
    rig.runFor(10.0);
    SCOPED_TRACE(c.firmware);
    EXPECT_EQ(rig.frm.panelMode, "LOCAL");
    EXPECT_EQ(rig.link.gFWType, c.firmware);
    for (const char* name : kLockedInLocal) EXPECT_FALSE(rig.control(name).enabled) << name;
    EXPECT_TRUE(rig.control("cmdViewInData").enabled);
    for (const char* name : kFrequencyEntry) {
      EXPECT_EQ(rig.control(name).enabled, c.frequencyEntry) << name;
    }
    for (int i = 0; i < 7; ++i) EXPECT_EQ(rig.control("cmdF", i).enabled, c.frequencyEntry);
    EXPECT_EQ(rig.control("cmdMeter").enabled, c.meterEnabled);
    EXPECT_EQ(rig.link.gSyncChar, " ");  // the keep-alive is a single blank
    // Nothing is sent but status requests.
    EXPECT_FALSE(rig.commands().empty());
    EXPECT_EQ(rig.commands(), std::vector<std::string>(rig.commands().size(), "?"));
    EXPECT_EQ(rig.radio.state.vox, 1);
  }
}

TEST(LocalSetup, AfterRemoteKeepsTheAmplifierAndShowsTheBfoOff) {
  Rig rig;
  ui::Control& slider = rig.control("sliBFO");
  rig.at(7.0, [&] { rig.click("cmdBFO"); });
  rig.at(7.5, [&] {
    EXPECT_EQ(rig.frm.panelMode, "REMOTE");
    EXPECT_TRUE(rig.control("cmdAmpPwr").enabled);
    EXPECT_TRUE(ui::userSetValue(slider, 150));
    rig.port.clearWrites();
    radioGoesLocal(rig);
  });
  rig.runFor(14.0);
  EXPECT_EQ(rig.frm.panelMode, "LOCAL");
  EXPECT_TRUE(rig.control("cmdAmpPwr").enabled);
  EXPECT_FALSE(rig.control("cmdBFO").enabled);
  EXPECT_EQ(rig.control("txtInData").caption, "");
  EXPECT_FALSE(rig.frm.bfoOn);
  EXPECT_EQ(rig.control("lblBFOOn").caption, "");
  EXPECT_EQ(rig.control("lblBFOslider").caption, "000");
  EXPECT_EQ(slider.value, 100);
  EXPECT_FALSE(slider.enabled);
  EXPECT_EQ(rig.sent().find('B'), std::string::npos);  // nothing sent to the radio
}

TEST(LocalSetup, TransmitKeyedAtTheRadioIsShown) {
  Rig rig;
  rig.radio.state.remote = false;
  rig.at(kReady, [&] { rig.port.deliver({0.0, "K\n", false}); });  // the radio's own PTT
  rig.runFor(kReady + 0.5);
  EXPECT_EQ(rig.control("lblXMTRCV").caption, "Transmit");
  EXPECT_EQ(rig.control("lblU").backColor, ui::kRed);
}

TEST(LocalSetup, WithoutAFullAnswerGoesBackToTheSynchronisation) {
  Rig rig;
  rig.radio.state.remote = false;
  // The "." line arrives spoilt: only the synchronisation's first answer counts.
  rig.radio.faults.garbleTags = ".";
  bool sawNoCom = false;
  watchCaption(rig, "lblComStat", "No Com", 20.0, sawNoCom);
  rig.at(20.0, [&] {
    EXPECT_NE(rig.link.gSyncChar, " ");  // no set-up has finished
    rig.radio.faults.garbleTags = "";
  });
  rig.runFor(26.0);
  EXPECT_TRUE(sawNoCom);
  EXPECT_EQ(rig.link.gSyncChar, " ");
  EXPECT_EQ(rig.frm.panelMode, "LOCAL");
}

}  // namespace
