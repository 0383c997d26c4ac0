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

TEST_F(MeterDisplay, PeakHoldsForTenReadingsAndTheEleventhReplacesIt) {
  reading("J05");
  reading("J12");  // higher: the new peak at once
  EXPECT_EQ(frm.lblMeterPk.caption, " 12");
  for (int i = 0; i < 8; ++i) reading("J03");
  reading("J14");  // higher again: the count of lower readings starts again
  EXPECT_EQ(frm.lblMeterPk.caption, " 14");
  for (int i = 1; i <= 10; ++i) {
    reading("J03");
    EXPECT_EQ(frm.lblMeterPk.caption, " 14") << "reading " << i;
    EXPECT_EQ(frm.pbMeter.value, 3);
  }
  reading("J03");  // the eleventh, lower as it is
  EXPECT_EQ(frm.lblMeterPk.caption, " 3");
}

TEST_F(MeterDisplay, ReadingBeyondTheBarIsAPeakButLeavesTheBar) {
  reading("J08");
  reading("J30");
  EXPECT_EQ(frm.lblMeterPk.caption, " 30");
  EXPECT_EQ(frm.pbMeter.value, 8);
  reading("J21");  // the bar's Max is included
  EXPECT_EQ(frm.pbMeter.value, 21);
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
      {"J4 ", " 4", 4},     // the number ends at the blank
      {"J+6", " 6", 6},     // a sign
      {"J-3", "-3", 0},     // negative: below the bar, which keeps its value
      {"J1.", " 1", 1},     // a decimal point
      {"J.5", " 0", 0},     // a half goes to the even neighbour
      {"Jxx", " 0", 0},     // no number: 0
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
      {"D1", false, "Audio", kDecibel}, {"D1", true, "Audio", kDecibel},  // audio level
      {"D2", false, "Line", kDecibel},  {"D2", true, "Line", kDecibel},   // line level
      {"D3", false, "Patch", kDecibel}, {"D3", true, "Patch", kDecibel},  // patch level
      {"D4", false, "FWD", kSUnits},    {"D4", true, "FWD", kWatt},       // forward power
      {"D5", false, "REF", kSUnits},    {"D5", true, "REF", kWatt},       // reflected power
      {"D6", false, "VSWR", kSUnits},   {"D6", true, "VSWR", kSwr},       // standing waves
  };
  for (const Case& c : cases) {
    link.gMeterFunc = std::string(c.item);
    link.gXmit = c.xmit;
    link.gShowMeterFunction();
    EXPECT_EQ(frm.lblMeter.caption, c.name) << c.item << c.xmit;
    EXPECT_EQ(frm.lblMeterScale.caption, c.scale) << c.item << c.xmit;
    EXPECT_EQ(frm.lblMeterScale.caption->size(), 38u);
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

TEST_F(MeterDisplay, DispatchShowsANewFunction) {
  std::string lines = "D4\n";
  link.gParseInData(lines);
  link.gUpdateDisplay();
  EXPECT_EQ(frm.lblMeter.caption, "FWD");
  EXPECT_EQ(frm.lblMeterScale.caption, kSUnits);
  EXPECT_FALSE(link.gMeterFuncNew);
}

}  // namespace
