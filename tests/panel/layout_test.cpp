// The main window as created: its size, the band frame's place, the groups' geometry, fonts,
// colours, ranges and the initial states.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/program_rig.h"

namespace {

using ui::Kind;

class Layout : public ::testing::Test {
 protected:
  ProgramRig rig;  // built, never loaded: the window as created
  ui::Form& form = rig.frm.form;
  ui::Control& c(const std::string& name, int index = -1) { return form.get(name, index); }
};

TEST_F(Layout, WindowKeepsItsClientAreaAndColours) {
  EXPECT_EQ(form.width, 10692);
  EXPECT_EQ(form.height, 7740);
  EXPECT_EQ(form.backColor, 0x808080u);
  EXPECT_EQ(form.font.name, "MS Sans Serif");
  EXPECT_DOUBLE_EQ(form.font.size, 10.8);
  EXPECT_TRUE(form.font.bold);
  EXPECT_TRUE(form.isMainWindow);
}

TEST_F(Layout, BandFrameAndBorderLinesSitInTheirPlaces) {
  struct Row {
    const char* name;
    int x1, y1, x2, y2;
  } rows[] = {{"fraBand", 9480, 240, 9480 + 972, 240 + 6375},  // where the child windows expect it
              {"Line1", 120, 120, 10560, 120},                 // the border: top
              {"Line3", 120, 7680, 10560, 7680},               // bottom
              {"Line2", 120, 120, 120, 7680},                  // left
              {"Line4", 10560, 120, 10560, 7680}};             // right
  for (const Row& r : rows) {
    ui::Control& x = c(r.name);
    EXPECT_EQ(x.left, r.x1) << r.name;
    EXPECT_EQ(x.top, r.y1) << r.name;
    EXPECT_EQ(x.left + x.width, r.x2) << r.name;
    EXPECT_EQ(x.top + x.height, r.y2) << r.name;
    EXPECT_EQ(x.lineWidth, x.kind() == Kind::Line ? 2 : x.lineWidth) << r.name;  // two pixels
  }
}

bool placed(const ui::Control& x) {
  return x.kind() != Kind::Menu && x.kind() != Kind::MenuItem && x.kind() != Kind::Line;
}

TEST_F(Layout, EveryControlLiesInsideItsFrameOrTheBorder) {
  for (const auto& owned : form.controls()) {
    const ui::Control& x = *owned;
    if (!placed(x)) continue;
    SCOPED_TRACE(x.fullName());
    EXPECT_GT(x.width, 0);
    EXPECT_GT(x.height, 0);
    EXPECT_GE(x.left, 0);
    EXPECT_GE(x.top, 0);
    if (const ui::Control* frame = x.container()) {
      EXPECT_LE(x.left + x.width, frame->width);
      EXPECT_LE(x.top + x.height, frame->height);
    } else {
      // Inside the border lines, which are drawn 2 pixels (30 twips) wide.
      EXPECT_GE(x.left, 120 + 30);
      EXPECT_GE(x.top, 120 + 30);
      EXPECT_LE(x.left + x.width, 10560 - 30);
      EXPECT_LE(x.top + x.height, 7680 - 30);
    }
  }
}

bool overlap(const ui::Control& a, const ui::Control& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

TEST_F(Layout, NoTwoControlsOfOneContainerOverlap) {
  const auto& all = form.controls();
  for (std::size_t i = 0; i < all.size(); ++i) {
    for (std::size_t j = i + 1; j < all.size(); ++j) {
      const ui::Control& a = *all[i];
      const ui::Control& b = *all[j];
      if (!placed(a) || !placed(b) || a.container() != b.container()) continue;
      EXPECT_FALSE(overlap(a, b)) << a.fullName() << " and " << b.fullName();
    }
  }
}

TEST_F(Layout, OnlyTheListedControlsStartDisabledOrHidden) {
  const std::set<std::string> disabled = {
      "cmdClipping", "cmdTune",  "cmdXmit",   "Command3",  "Command4",     "Command5",
      "Command6",    "Command7", "cmdAmpPwr", "cmdAmpOpr", "mnuScanBands", "mnuScanFreqs"};
  const std::set<std::string> hidden = {"txtInData", "txtInfo", "shaTrace"};
  for (const auto& owned : form.controls()) {
    const ui::Control& x = *owned;
    EXPECT_EQ(x.enabled, disabled.count(x.name()) == 0) << x.fullName();
    EXPECT_EQ(x.visible, hidden.count(x.name()) == 0) << x.fullName();
  }
}

TEST_F(Layout, RangesListsAndShapes) {
  struct Range {
    const char* name;
    int min, max, value, smallChange, largeChange;
  } ranges[] = {{"pbMeter", 0, 21, 0, 1, 1},
                {"sliRFGain", 0, 63, 63, 1, 5},
                {"sliBFO", 0, 200, 100, 1, 10},
                {"vscLoadCh", 99, 0, 0, 1, 1},  // 99 at the top, 0 at the bottom
                {"vscStoreCh", 99, 0, 0, 1, 1}};
  for (const Range& r : ranges) {
    ui::Control& x = c(r.name);
    EXPECT_EQ(x.min, r.min) << r.name;
    EXPECT_EQ(x.max, r.max) << r.name;
    EXPECT_EQ(x.value, r.value) << r.name;
    EXPECT_EQ(x.smallChange, r.smallChange) << r.name;
    EXPECT_EQ(x.largeChange, r.largeChange) << r.name;
  }
  EXPECT_EQ(c("cmbChMode").items, (std::vector<std::string>{"U", "L", "A", "C"}));
  EXPECT_EQ(c("shaInBand").shape, ui::ShapeKind::Circle);
  EXPECT_EQ(c("shaTrace").shape, ui::ShapeKind::Circle);
}

TEST_F(Layout, ColoursAtCreation) {
  constexpr ui::Color kSame = 0xFFFFFFFFu;  // not checked
  struct Row {
    ui::Color fore, back, fill;
    std::vector<const char*> names;
  } rows[] = {
      // The meter's texts on light grey.
      {kSame, 0xE0E0E0, kSame, {"lblMeter", "lblPk", "lblMeterPk"}},
      {0x0, 0xE0E0E0, kSame, {"lblInfo"}},
      {kSame, kSame, 0xC000, {"shaInBand"}},  // green until the first band check
      {0x0, kSame, kSame, {"lblInBand", "lblFWType"}},
      {0x80000008, 0x80000005, kSame, {"lblXMTRCV"}},
      // The state labels start bright, except the remote audio one.
      {0x80000012,
       0xE0E0E0,
       kSame,
       {"lblUSB", "lblLSB", "lblAME", "lblCW", "lblMIC", "lblAUDIO2", "lblPATCH", "lblAGCSlow",
        "lblAGCMed", "lblAGCFast", "lblAGCOff"}},
      {0x80000011, 0xE0E0E0, kSame, {"lblREMOTEAudio"}},
      {kSame, 0xFFFFFF, kSame, {"lblAmpPwr", "lblAmpOpStby", "lblAmpTuned"}},
      {0x0, 0x808080, kSame, {"Label5"}},  // on the window's grey
      {kSame, kSame, 0xC0C0C0, {"shaTrace"}},
      {kSame,
       0xC0C0C0,
       kSame,
       {"fraMeter", "fraRF", "fraBFO", "fraLeftButtons", "Frame1", "fraFreq", "fraAmp", "fraChan",
        "fraRightButtons", "fraBand"}},
  };
  for (const Row& r : rows) {
    for (const char* name : r.names) {
      ui::Control& x = c(name);
      EXPECT_EQ(x.foreColor, r.fore == kSame ? x.foreColor : r.fore) << name;
      EXPECT_EQ(x.backColor, r.back == kSame ? x.backColor : r.back) << name;
      EXPECT_EQ(x.fillColor, r.fill == kSame ? x.fillColor : r.fill) << name;
    }
  }
}

TEST_F(Layout, Fonts) {
  struct Row {
    const char* face;
    double points;
    bool bold;
    std::vector<const char*> names;
  } rows[] = {
      // Small buttons and the amplifier's tune label.
      {"MS Sans Serif",
       7.8,
       true,
       {"cmdMeter", "cmdBFO", "cmdMute", "cmdSideTone", "cmdVOX", "cmdClipping", "cmdPTT",
        "cmdAmpPwr", "lblAmpTuned", "cmdFreq", "cmdEnter", "cmdM2V", "cmdC2M", "cmdWWV"}},
      // Most labels and buttons.
      {"MS Sans Serif", 9.6, true, {"lblMeterPk",     "lblRFGain", "cmdBFO100",  "lblBFOState",
                                    "lblBFOslider",   "cmdAudio",  "lblMute",    "lblPTT",
                                    "lblInfo",        "lblInBand", "lblBFOOn",   "cmdMode",
                                    "cmdAudioSource", "cmdAGC",    "cmdAmpOpr",  "cmdTuneAmp",
                                    "cmd160M",        "cmdMARS",   "lblComStat", "cmdGetStatus",
                                    "fraMeter"}},
      // The window's font, which a captionless frame keeps too.
      {"MS Sans Serif",
       10.8,
       true,
       {"lblMeter", "cmdTune", "lblUSB", "cmd5", "fraFreq", "cmdChanF"}},
      {"MS Sans Serif", 10.8, false, {"cmbChMode", "lblFWType"}},
      {"MS Sans Serif", 9.6, false, {"txtInData", "txtInfo"}},
      {"Courier New", 7.8, true, {"lblMeterScale"}},  // fixed pitch: the scales line up
      {"Courier New", 36, true, {"cmdF", "Command1", "Command2"}},
      {"MS Sans Serif", 23.4, true, {"lblPorM"}},
      {"MS Sans Serif", 15.6, true, {"Label5"}},
      {"MS Sans Serif", 13.2, true, {"lblU"}},
  };
  auto check = [](const ui::Control& x, const Row& r) {
    EXPECT_EQ(x.font->name, r.face) << x.fullName();
    EXPECT_DOUBLE_EQ(x.font->size, r.points) << x.fullName();
    EXPECT_EQ(x.font->bold, r.bold) << x.fullName();
  };
  for (const Row& r : rows) {
    for (const char* name : r.names) {
      if (const ui::Control* x = form.find(name)) {
        check(*x, r);
      } else {
        for (int i = 0; i < 7; ++i) check(c(name, i), r);  // a control array
      }
    }
  }
}

TEST_F(Layout, DigitsReadLeftToRightWithTheirSeparators) {
  // cmdF 0, 1, ",", cmdF 2, 3, 4, ".", cmdF 5, 6: kilohertz with two decimals.
  std::vector<const ui::Control*> order = {&c("cmdF", 0),  &c("cmdF", 1), &c("Command1"),
                                           &c("cmdF", 2),  &c("cmdF", 3), &c("cmdF", 4),
                                           &c("Command2"), &c("cmdF", 5), &c("cmdF", 6)};
  for (std::size_t i = 1; i < order.size(); ++i) {
    EXPECT_GE(order[i]->left, order[i - 1]->left + order[i - 1]->width) << i;
    EXPECT_EQ(order[i]->top, order[0]->top) << i;
  }
  // The channel digits leave wider gaps after indexes 1 and 4.
  auto gap = [&](int i) {
    return c("cmdChanF", i + 1).left - (c("cmdChanF", i).left + c("cmdChanF", i).width);
  };
  EXPECT_GT(gap(1), gap(0));
  EXPECT_GT(gap(4), gap(3));
  EXPECT_EQ(gap(0), gap(2));
}

TEST_F(Layout, MeterScaleSpansTheBarDirectlyBelowIt) {
  ui::Control& bar = c("pbMeter");
  ui::Control& scale = c("lblMeterScale");
  EXPECT_EQ(scale.left, bar.left);
  EXPECT_EQ(scale.width, bar.width);
  EXPECT_EQ(scale.top, bar.top + bar.height);
}

}  // namespace
