#include <gtest/gtest.h>

#include "platform/runtime_error.h"
#include "tests/support/link_rig.h"

namespace {

TEST(BandCheck, EdgesAreOutsideAndTenHertzInsideIsIn) {
  struct Case {
    const char* freq;
    bool inBand;
  } cases[] = {
      {"F0700000", false},  // 7.000 MHz: the lower edge itself
      {"F0700001", true},   // 10 Hz above it
      {"F1435000", false},  // 14.350 MHz: the upper edge
      {"F1434999", true},   // 10 Hz below it
      {"F0180000", false},  // 1.8 MHz edge
      {"F2969999", true},   // top of the 10 m band
      {"F0533050", true},   // the five single channels
      {"F0534650", true},  {"F0536650", true},  {"F0537150", true},
      {"F0540350", true},  {"F0533051", false},  // 10 Hz beside a channel
      {"F0533049", false}, {"F12345", false},    // five digits read as 123450 Hz
      {"", false},                               // nothing reported yet
  };
  for (const Case& c : cases) {
    LinkRig rig;
    rig.link.gFreq = c.freq;
    EXPECT_EQ(rig.link.gIsInBand(), c.inBand) << c.freq;
  }
}

TEST(BandCheck, PermissionsMakeEveryFrequencyInBand) {
  LinkRig rig;
  rig.link.gAllBands = true;
  rig.link.gFreq = "F01x0000";  // not even a number
  EXPECT_TRUE(rig.link.gIsInBand());
}

TEST(BandCheck, MalformedFrequencyIsATypeMismatch) {
  LinkRig rig;
  rig.link.gFreq = "F01x0000";
  try {
    rig.link.gIsInBand();
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kErrTypeMismatch);
  }
}

class InBandDisplay : public ::testing::Test {
 protected:
  InBandDisplay() {
    rig.openPort();
    rig.link.gFWType = 2;
    rig.panel.lblREMOTE.caption = "REMOTE";
  }
  LinkRig rig;
};

TEST_F(InBandDisplay, InBandEnablesTransmitAndSwitchesPttOn) {
  rig.link.gPTT = "'0";
  bool inBand = true;
  rig.link.gShowInBand(inBand);
  EXPECT_TRUE(rig.panel.cmdXmit.enabled && rig.panel.cmdTune.enabled && rig.panel.cmdPTT.enabled);
  EXPECT_EQ(rig.panel.shaInBand.fillColor, ui::kGreen);
  EXPECT_EQ(rig.panel.lblInBand.caption, "In Band");
  EXPECT_EQ(rig.port.written(), "'1\n");
}

TEST_F(InBandDisplay, NoCommandWhenPttAlreadyMatches) {
  rig.link.gPTT = "'1";
  bool inBand = true;
  rig.link.gShowInBand(inBand);
  rig.link.gPTT = "'0";
  inBand = false;
  rig.link.gShowInBand(inBand);
  EXPECT_EQ(rig.port.written(), "");
  EXPECT_EQ(rig.panel.lblInBand.caption, "Out Of Band");
  EXPECT_FALSE(rig.panel.cmdXmit.enabled);
}

TEST_F(InBandDisplay, ScanningForcesOutOfBandInTheCallersVariable) {
  rig.link.gScanning = true;
  rig.link.gPTT = "'1";
  bool inBand = true;
  rig.link.gShowInBand(inBand);
  EXPECT_FALSE(inBand);
  EXPECT_EQ(rig.panel.lblInBand.caption, "Scanning");
  EXPECT_EQ(rig.panel.shaInBand.fillColor, ui::kRed);
  EXPECT_EQ(rig.port.written(), "'0\n");
}

TEST_F(InBandDisplay, KeyedTransmitterKeepsItsWayBackToReceive) {
  rig.link.gPTT = "'0";
  rig.panel.cmdXmit.caption = "&XMT OFF";
  bool inBand = false;
  rig.link.gShowInBand(inBand);
  EXPECT_TRUE(rig.panel.cmdXmit.enabled);   // it unkeys
  EXPECT_FALSE(rig.panel.cmdTune.enabled);  // it would key
  EXPECT_FALSE(rig.panel.cmdPTT.enabled);
  rig.panel.cmdXmit.caption = "&XMT ON";
  rig.panel.cmdTune.caption = "T&UNE OFF";
  rig.link.gShowInBand(inBand);
  EXPECT_FALSE(rig.panel.cmdXmit.enabled);
  EXPECT_TRUE(rig.panel.cmdTune.enabled);
}

TEST_F(InBandDisplay, LocalOperationOnlyShowsTheState) {
  rig.panel.lblREMOTE.caption = "LOCAL";
  rig.panel.cmdXmit.enabled = false;
  rig.link.gPTT = "'0";
  bool inBand = true;
  rig.link.gShowInBand(inBand);
  EXPECT_FALSE(rig.panel.cmdXmit.enabled);
  EXPECT_EQ(rig.port.written(), "");
  EXPECT_EQ(rig.panel.lblInBand.caption, "In Band");
}

}  // namespace
