#include <gtest/gtest.h>

#include <string>

#include "platform/runtime_error.h"
#include "tests/support/link_rig.h"

namespace {

/// The F item of a frequency in Hz.
std::string freqItem(long hz) {
  std::string digits = std::to_string(hz / 10);
  return "F" + std::string(7 - digits.size(), '0') + digits;
}

TEST(BandCheck, EdgesAreOutsideAndTenHertzInsideIsIn) {
  const long bands[][2] = {{1800000, 2000000},   {3500000, 4000000},   {7000000, 7300000},
                           {10100000, 10150000}, {14000000, 14350000}, {18068000, 18168000},
                           {21000000, 21450000}, {24890000, 24990000}, {28000000, 29700000}};
  LinkRig rig;
  auto inBand = [&](long hz) {
    rig.link.gFreq = freqItem(hz);
    return rig.link.gIsInBand();
  };
  for (const auto& band : bands) {
    EXPECT_FALSE(inBand(band[0])) << band[0];  // the lower edge itself
    EXPECT_TRUE(inBand(band[0] + 10)) << band[0];
    EXPECT_TRUE(inBand(band[1] - 10)) << band[1];
    EXPECT_FALSE(inBand(band[1])) << band[1];  // the upper edge itself
  }
  for (long channel : {5330500, 5346500, 5366500, 5371500, 5403500}) {
    EXPECT_TRUE(inBand(channel)) << channel;
    EXPECT_FALSE(inBand(channel - 10)) << channel;  // single channels match exactly
    EXPECT_FALSE(inBand(channel + 10)) << channel;
  }
}

TEST(BandCheck, FrequencyTextIsConvertedAsANumber) {
  enum Answer { kOut, kIn, kMismatch };
  const struct {
    const char* freq;
    Answer answer;
  } kRows[] = {
      {"F12345", kOut},         // five digits read as 123450 Hz, below every band
      {"", kOut},               // nothing reported yet
      {"F+709999", kIn},        // a sign is part of a number: 7099990 Hz
      {"F-709999", kOut},       // negative
      {"F709999.", kOut},       // a decimal point too: 709999 Hz
      {"F01x0000", kMismatch},  // not a number
      {"F1.2.300", kMismatch},  // two decimal points
  };
  for (const auto& row : kRows) {
    LinkRig rig;
    rig.link.gFreq = row.freq;
    try {
      EXPECT_EQ(rig.link.gIsInBand() ? kIn : kOut, row.answer) << row.freq;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(row.answer, kMismatch) << row.freq;
      EXPECT_EQ(e.number(), kErrTypeMismatch);
    }
  }
}

TEST(BandCheck, PermissionsMakeEveryFrequencyInBand) {
  LinkRig rig;
  rig.link.gAllBands = true;
  rig.link.gFreq = "F01x0000";  // not even a number
  EXPECT_TRUE(rig.link.gIsInBand());
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

// In band or out: a keyed one stays enabled to unkey, the other stays disabled.
TEST_F(InBandDisplay, KeyedTransmitterKeepsItsWayBackToReceive) {
  for (bool inBand : {false, true}) {
    rig.panel.cmdXmit.caption = "&XMT OFF";
    rig.panel.cmdTune.caption = "T&UNE ON";
    rig.link.gShowInBand(inBand);
    EXPECT_TRUE(rig.panel.cmdXmit.enabled);   // it unkeys
    EXPECT_FALSE(rig.panel.cmdTune.enabled);  // it would key
    EXPECT_EQ(rig.panel.cmdPTT.enabled, inBand);
    rig.panel.cmdXmit.caption = "&XMT ON";
    rig.panel.cmdTune.caption = "T&UNE OFF";
    rig.link.gShowInBand(inBand);
    EXPECT_FALSE(rig.panel.cmdXmit.enabled);
    EXPECT_TRUE(rig.panel.cmdTune.enabled);
  }
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
