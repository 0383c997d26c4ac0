// The meter: readings on the bar with a peak hold, and the function name with its scale.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/link_rig.h"

namespace {

const char* const kDecibel = " -20       -10          0         +10 ";
const char* const kWatt = "0            25          50   100  150";
const char* const kSwr = "1               2             3      4";
const char* const kSUnits = "  S3    S6     S9      +30      +60   ";

class MeterDisplay : public ::testing::Test {
 protected:
  void reading(const std::string& line) { link.gDisplayMeterData(line); }

  LinkRig rig;
  DisplayZarvinStatus& link = rig.link;
  FrontPanel& frm = rig.panel;
};

// One reading after another: the peak holds for ten lower readings and the eleventh replaces
// it; a reading beyond the bar is a peak but leaves the bar.
TEST_F(MeterDisplay, PeakHoldAndBarOverASequence) {
  struct Step {
    const char* line;
    int times;
    const char* peak;
    int bar;
  } steps[] = {
      {"J05", 1, " 5", 5},   {"J12", 1, " 12", 12},  // higher: the new peak at once
      {"J03", 8, " 12", 3},                          // lower: held
      {"J14", 1, " 14", 14},  // higher again: the count of lower readings starts again
      {"J03", 10, " 14", 3},  // held for ten
      {"J03", 1, " 3", 3},    // the eleventh, lower as it is, replaces it
      {"J30", 1, " 30", 3},   // beyond the bar's Max of 21: the bar keeps its value
      {"J21", 1, " 30", 21},  // the Max itself is on the bar
  };
  for (const Step& s : steps) {
    for (int i = 0; i < s.times; ++i) reading(s.line);
    EXPECT_EQ(frm.lblMeterPk.caption, s.peak) << s.line << " x" << s.times;
    EXPECT_EQ(frm.pbMeter.value, s.bar) << s.line << " x" << s.times;
  }
  frm.pbMeter.max = 40;  // the limits are read from the bar each time
  reading("J30");
  EXPECT_EQ(frm.pbMeter.value, 30);
}

TEST_F(MeterDisplay, ReadsTheTwoCharactersAfterTheTag) {
  struct Case {
    const char* line;
    const char* peak;  // the first reading is the peak
    int bar;
  } cases[] = {
      {"J07", " 7", 7},     // two digits
      {"J 9", " 9", 9},     // a leading blank is skipped
      {"J-3", "-3", 0},     // negative: below the bar, which keeps its value
      {"J.5", " 0", 0},     // a half goes to the even neighbour
      {"J", " 0", 0},       // nothing after the tag
      {"J123", " 12", 12},  // characters after the two are ignored
  };
  for (const Case& c : cases) {
    LinkRig fresh;
    fresh.link.gDisplayMeterData(c.line);
    EXPECT_EQ(fresh.panel.lblMeterPk.caption, c.peak) << c.line;
    EXPECT_EQ(fresh.panel.pbMeter.value, c.bar) << c.line;
  }
}

TEST_F(MeterDisplay, ParserShowsEachReadingAtOnce) {
  std::string lines = "J04\nJ09\n";
  link.gParseInData(lines);
  EXPECT_EQ(frm.pbMeter.value, 9);
  EXPECT_EQ(frm.lblMeterPk.caption, " 9");
}

TEST_F(MeterDisplay, ErrorIsShownAndTheReadingStaysStored) {
  reading("J05");
  frm.lblMeterPk.caption = "99999999999";  // no 32-bit number
  reading("J06");
  EXPECT_TRUE(frm.txtInfo.visible);
  EXPECT_EQ(frm.txtInfo.caption, "gDisplayMeterData: Err 6. Overflow");
  EXPECT_EQ(frm.pbMeter.value, 5);  // the trap left before the bar
  frm.lblMeterPk.caption = "";
  reading("J02");  // and the next reading goes on as usual
  EXPECT_EQ(frm.lblMeterPk.caption, " 2");
  EXPECT_EQ(frm.pbMeter.value, 2);
}

TEST_F(MeterDisplay, FunctionNamesAndScalesFollowTheTransmitState) {
  struct Case {
    const char* item;
    bool xmit;
    const char* name;
    const char* scale;
  } cases[] = {
      {"D1", true, "Audio", kDecibel},  // the levels keep their scale when transmitting
      {"D2", false, "Line", kDecibel}, {"D3", true, "Patch", kDecibel},
      {"D4", false, "FWD", kSUnits},  // power functions: S units in receive
      {"D4", true, "FWD", kWatt},     // forward power
      {"D5", true, "REF", kWatt},     // reflected power
      {"D6", false, "VSWR", kSUnits},  {"D6", true, "VSWR", kSwr},  // standing waves
  };
  for (const Case& c : cases) {
    link.gMeterFunc = std::string(c.item);
    link.gXmit = c.xmit;
    link.gShowMeterFunction();
    EXPECT_EQ(frm.lblMeter.caption, c.name) << c.item << c.xmit;
    EXPECT_EQ(frm.lblMeterScale.caption, c.scale) << c.item << c.xmit;
  }
}

TEST_F(MeterDisplay, UnknownFunctionLeavesNameAndScale) {
  for (const char* item : {"D0", "D7", "d4", "D "}) {
    link.gMeterFunc = std::string("D6");
    link.gXmit = true;
    link.gShowMeterFunction();
    link.gMeterFunc = std::string(item);
    link.gXmit = false;
    link.gShowMeterFunction();
    EXPECT_EQ(frm.lblMeter.caption, "VSWR") << item;
    EXPECT_EQ(frm.lblMeterScale.caption, kSwr) << item;
  }
}

}  // namespace
