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

TEST_F(Layout, BandFrameSitsWhereTheChildWindowsExpectIt) {
  ui::Control& band = c("fraBand");
  EXPECT_EQ(band.left, 9480);
  EXPECT_EQ(band.top, 240);
  EXPECT_EQ(band.width, 972);
  EXPECT_EQ(band.height, 6375);
}

TEST_F(Layout, BorderIsFourLinesOfTwoPixels) {
  struct Row {
    const char* name;
    int x1, y1, x2, y2;
  } rows[] = {{"Line1", 120, 120, 10560, 120},      // top
              {"Line3", 120, 7680, 10560, 7680},    // bottom
              {"Line2", 120, 120, 120, 7680},       // left
              {"Line4", 10560, 120, 10560, 7680}};  // right
  for (const Row& r : rows) {
    ui::Control& line = c(r.name);
    EXPECT_EQ(line.left, r.x1) << r.name;
    EXPECT_EQ(line.top, r.y1) << r.name;
    EXPECT_EQ(line.left + line.width, r.x2) << r.name;
    EXPECT_EQ(line.top + line.height, r.y2) << r.name;
    EXPECT_EQ(line.lineWidth, 2) << r.name;
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
    const char* name;
    ui::Color fore, back, fill;
  } rows[] = {
      {"lblMeter", kSame, 0xE0E0E0, kSame},
      {"lblPk", kSame, 0xE0E0E0, kSame},
      {"lblMeterPk", kSame, 0xE0E0E0, kSame},
      {"lblInfo", 0x0, 0xE0E0E0, kSame},
      {"shaInBand", kSame, kSame, 0xC000},  // green until the first band check
      {"lblInBand", 0x0, kSame, kSame},
      {"lblXMTRCV", 0x80000008, 0x80000005, kSame},
      {"lblUSB", 0x80000012, 0xE0E0E0, kSame},
      {"lblLSB", 0x80000012, 0xE0E0E0, kSame},
      {"lblAME", 0x80000012, 0xE0E0E0, kSame},
      {"lblCW", 0x80000012, 0xE0E0E0, kSame},
      {"lblMIC", 0x80000012, 0xE0E0E0, kSame},
      {"lblAUDIO2", 0x80000012, 0xE0E0E0, kSame},
      {"lblPATCH", 0x80000012, 0xE0E0E0, kSame},
      {"lblREMOTEAudio", 0x80000011, 0xE0E0E0, kSame},  // the one that starts dim
      {"lblAGCSlow", 0x80000012, 0xE0E0E0, kSame},
      {"lblAGCMed", 0x80000012, 0xE0E0E0, kSame},
      {"lblAGCFast", 0x80000012, 0xE0E0E0, kSame},
      {"lblAGCOff", 0x80000012, 0xE0E0E0, kSame},
      {"lblAmpPwr", kSame, 0xFFFFFF, kSame},
      {"lblAmpOpStby", kSame, 0xFFFFFF, kSame},
      {"lblAmpTuned", kSame, 0xFFFFFF, kSame},
      {"Label5", 0x0, 0x808080, kSame},  // on the window's grey
      {"lblFWType", 0x0, kSame, kSame},
      {"shaTrace", kSame, kSame, 0xC0C0C0},
  };
  for (const Row& r : rows) {
    ui::Control& x = c(r.name);
    if (r.fore != kSame) {
      EXPECT_EQ(x.foreColor, r.fore) << r.name;
    }
    if (r.back != kSame) {
      EXPECT_EQ(x.backColor, r.back) << r.name;
    }
    if (r.fill != kSame) {
      EXPECT_EQ(x.fillColor, r.fill) << r.name;
    }
  }
  for (const char* frame : {"fraMeter", "fraRF", "fraBFO", "fraLeftButtons", "Frame1", "fraFreq",
                            "fraAmp", "fraChan", "fraRightButtons", "fraBand"}) {
    EXPECT_EQ(c(frame).backColor, 0xC0C0C0u) << frame;
  }
}

TEST_F(Layout, Fonts) {
  struct Row {
    const char* name;
    int index;
    const char* face;
    double points;
    bool bold;
  } rows[] = {
      {"cmdMeter", -1, "MS Sans Serif", 7.8, true},
      {"lblMeter", -1, "MS Sans Serif", 10.8, true},  // the window's font
      {"lblMeterPk", -1, "MS Sans Serif", 9.6, true},
      {"lblMeterScale", -1, "Courier New", 7.8, true},  // fixed pitch: the scales line up
      {"lblRFGain", -1, "MS Sans Serif", 9.6, true},
      {"cmdBFO100", -1, "MS Sans Serif", 9.6, true},
      {"cmdBFO", -1, "MS Sans Serif", 7.8, true},
      {"lblBFOState", -1, "MS Sans Serif", 9.6, true},
      {"lblBFOslider", -1, "MS Sans Serif", 9.6, true},
      {"cmdMute", -1, "MS Sans Serif", 7.8, true},
      {"cmdSideTone", -1, "MS Sans Serif", 7.8, true},
      {"cmdAudio", -1, "MS Sans Serif", 9.6, true},
      {"cmdVOX", -1, "MS Sans Serif", 7.8, true},
      {"cmdClipping", -1, "MS Sans Serif", 7.8, true},
      {"cmdPTT", -1, "MS Sans Serif", 7.8, true},
      {"lblMute", -1, "MS Sans Serif", 9.6, true},
      {"lblPTT", -1, "MS Sans Serif", 9.6, true},
      {"cmdTune", -1, "MS Sans Serif", 10.8, true},
      {"lblInfo", -1, "MS Sans Serif", 9.6, true},
      {"lblInBand", -1, "MS Sans Serif", 9.6, true},
      {"cmdF", 0, "Courier New", 36, true},
      {"cmdF", 6, "Courier New", 36, true},
      {"Command1", -1, "Courier New", 36, true},
      {"Command2", -1, "Courier New", 36, true},
      {"lblPorM", -1, "MS Sans Serif", 23.4, true},
      {"lblBFOOn", -1, "MS Sans Serif", 9.6, true},
      {"cmdMode", -1, "MS Sans Serif", 9.6, true},
      {"cmdAudioSource", -1, "MS Sans Serif", 9.6, true},
      {"cmdAGC", -1, "MS Sans Serif", 9.6, true},
      {"lblUSB", -1, "MS Sans Serif", 10.8, true},
      {"cmdAmpPwr", -1, "MS Sans Serif", 7.8, true},
      {"cmdAmpOpr", -1, "MS Sans Serif", 9.6, true},
      {"cmdTuneAmp", -1, "MS Sans Serif", 9.6, true},
      {"lblAmpTuned", -1, "MS Sans Serif", 7.8, true},
      {"cmdChanF", 3, "MS Sans Serif", 10.8, true},
      {"cmbChMode", -1, "MS Sans Serif", 10.8, false},
      {"cmdFreq", -1, "MS Sans Serif", 7.8, true},
      {"cmdEnter", -1, "MS Sans Serif", 7.8, true},
      {"cmdM2V", -1, "MS Sans Serif", 7.8, true},
      {"cmdC2M", -1, "MS Sans Serif", 7.8, true},
      {"cmd5", -1, "MS Sans Serif", 10.8, true},
      {"cmd160M", -1, "MS Sans Serif", 9.6, true},
      {"cmdWWV", -1, "MS Sans Serif", 7.8, true},
      {"cmdMARS", -1, "MS Sans Serif", 9.6, true},
      {"Label5", -1, "MS Sans Serif", 15.6, true},
      {"lblFWType", -1, "MS Sans Serif", 10.8, false},
      {"lblComStat", -1, "MS Sans Serif", 9.6, true},
      {"cmdGetStatus", -1, "MS Sans Serif", 9.6, true},
      {"lblU", -1, "MS Sans Serif", 13.2, true},
      {"txtInData", -1, "MS Sans Serif", 9.6, false},
      {"txtInfo", -1, "MS Sans Serif", 9.6, false},
      {"fraMeter", -1, "MS Sans Serif", 9.6, true},  // captioned frame
      {"fraFreq", -1, "MS Sans Serif", 10.8, true},  // captionless frame: the window's font
  };
  for (const Row& r : rows) {
    const ui::Font& f = c(r.name, r.index).font;
    EXPECT_EQ(f.name, r.face) << r.name;
    EXPECT_DOUBLE_EQ(f.size, r.points) << r.name;
    EXPECT_EQ(f.bold, r.bold) << r.name;
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
