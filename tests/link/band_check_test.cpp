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
    EXPECT_FALSE(inBand(band[0])) << band[0];
    EXPECT_TRUE(inBand(band[0] + 10)) << band[0];
    EXPECT_TRUE(inBand(band[1] - 10)) << band[1];
    EXPECT_FALSE(inBand(band[1])) << band[1];
  }
  for (long channel : {5330500, 5346500, 5366500, 5371500, 5403500}) {
    EXPECT_TRUE(inBand(channel)) << channel;
    EXPECT_FALSE(inBand(channel - 10)) << channel;
    EXPECT_FALSE(inBand(channel + 10)) << channel;
  }
}

TEST(BandCheck, FrequencyTextIsConvertedAsANumber) {
  enum Answer { kOut, kIn, kMismatch };
  const struct {
    const char* freq;
    bool allBands;
    Answer answer;
  } kRows[] = {
      {"F12345", false, kOut},         // five digits read as 123450 Hz, below every band
      {"", false, kOut},               // nothing reported yet
      {"F+709999", false, kIn},        // a sign is part of a number: 7099990 Hz
      {"F-709999", false, kOut},       // negative
      {"F709999.", false, kOut},       // a decimal point too: 709999 Hz
      {"F01x0000", false, kMismatch},  // not a number
      {"F1.2.300", false, kMismatch},  // two decimal points
      {"F01x0000", true, kIn},         // with Permissions.txt the text is not even read
  };
  for (const auto& row : kRows) {
    LinkRig rig;
    rig.link.gFreq = row.freq;
    rig.link.gAllBands = row.allBands;
    try {
      EXPECT_EQ(rig.link.gIsInBand() ? kIn : kOut, row.answer) << row.freq;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(row.answer, kMismatch) << row.freq;
      EXPECT_EQ(e.number(), kErrTypeMismatch);
    }
    // Keying needs a number in band, a valid F line and REMOTE: each row lacks one.
    rig.link.gFreqValid = row.answer != kIn || row.allBands;
    rig.panel.lblREMOTE.caption = row.allBands ? "LOCAL" : "REMOTE";
    EXPECT_FALSE(rig.link.transmitter.mayKey()) << row.freq;
  }
}

TEST(InBandDisplay, ButtonsPttEnableCircleAndCaption) {
  const struct {
    const char* state;  // lblREMOTE
    bool scanning;
    const char* ptt;
    const char* keyed;  // XMT or TUNE caption that offers the way back to receive
    bool inBand;
    const char* sent;
    const char* caption;
    ui::Color fill;
    const char* enabled;  // PTT, XMT, TUNE
  } kRows[] = {
      {"REMOTE", false, "'0", "", true, "'1\n", "In Band", ui::kGreen, "111"},  // PTT enable on
      {"REMOTE", false, "'1", "", true, "", "In Band", ui::kGreen, "111"},      // already on
      {"REMOTE", false, "'1", "", false, "'0\n", "Out Of Band", ui::kRed, "000"},
      {"REMOTE", false, "'0", "", false, "", "Out Of Band", ui::kRed, "000"},
      {"REMOTE", true, "'1", "", true, "'0\n", "Scanning", ui::kRed, "000"},  // scanning wins
      {"LOCAL", false, "'0", "", true, "", "In Band", ui::kGreen, "000"},     // left as they were
      // A keyed transmitter can always unkey; the other button stays off meanwhile.
      {"REMOTE", false, "'0", "&XMT OFF", false, "", "Out Of Band", ui::kRed, "010"},
      {"REMOTE", false, "'1", "T&UNE OFF", true, "", "In Band", ui::kGreen, "101"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(std::string(row.state) + row.ptt + row.keyed + (row.inBand ? " in" : " out"));
    LinkRig rig;
    rig.openPort();
    rig.link.gFWType = 2;
    rig.panel.lblREMOTE.caption = row.state;
    rig.link.gScanning = row.scanning;
    rig.link.gPTT = row.ptt;
    (row.keyed[0] == '&' ? rig.panel.cmdXmit : rig.panel.cmdTune).caption = row.keyed;
    ui::Control* buttons[] = {&rig.panel.cmdPTT, &rig.panel.cmdXmit, &rig.panel.cmdTune};
    bool local = std::string(row.state) == "LOCAL";
    for (int i = 0; i < 3; ++i) buttons[i]->enabled = (row.enabled[i] == '1') == local;
    bool inBand = row.inBand;
    rig.link.gShowInBand(inBand);
    EXPECT_EQ(inBand, row.inBand && !row.scanning);  // the caller's variable
    EXPECT_EQ(rig.port.written(), row.sent);
    EXPECT_EQ(rig.panel.lblInBand.caption, row.caption);
    EXPECT_EQ(rig.panel.shaInBand.fillColor, row.fill);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(buttons[i]->enabled, row.enabled[i] == '1') << i;
  }
}

}  // namespace
