// The display dispatch and the simple status displays: what each item shows on the panel.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/support/link_rig.h"

namespace {

constexpr ui::Color kDim = 0x80000011;
constexpr ui::Color kBright = 0x80000012;

/// Every property the displays write, of every control, to compare two moments.
using Look = std::vector<std::tuple<std::string, ui::Color, ui::Color, bool, bool, int>>;

Look lookOf(const ui::Form& form) {
  Look look;
  for (const auto& c : form.controls()) {
    look.emplace_back(c->caption, c->foreColor, c->fillColor, c->enabled, c->visible, c->value);
  }
  return look;
}

std::string digits(const std::vector<ui::Control*>& buttons) {
  std::string text;
  for (const ui::Control* b : buttons) text += b->caption;
  return text;
}

class StatusDisplays : public ::testing::Test {
 protected:
  /// Status lines as the radio sends them, through the parser, then one dispatch pass.
  void receive(std::string lines) {
    link.gParseInData(lines);
    link.gUpdateDisplay();
  }
  std::vector<bool> flagsInOrder() const {
    const DisplayZarvinStatus& l = link;
    return {l.gRemoteNew,     l.gAGCNew,      l.gModeNew,      l.gFreqNew,    l.gAudioSourceNew,
            l.gAudioInputNew, l.gClippingNew, l.gMeterFuncNew, l.gPTTNew,     l.gSpeakerNew,
            l.gSideToneNew,   l.gVOXNew,      l.gAmpNew,       l.gAmpTuneNew, l.gChannelNew};
  }

  LinkRig rig;
  DisplayZarvinStatus& link = rig.link;
  FrontPanel& frm = rig.panel;
};

TEST_F(StatusDisplays, PassWithoutRaisedFlagChangesNothing) {
  Look before = lookOf(frm.form);
  link.gUpdateDisplay();
  EXPECT_EQ(lookOf(frm.form), before);
}

TEST_F(StatusDisplays, OnlyTheLastLineOfAKindIsShown) {
  receive("R1\nR0\n");
  EXPECT_EQ(frm.lblREMOTE.caption, "LOCAL");
  EXPECT_FALSE(link.gRemoteNew);
}

TEST_F(StatusDisplays, AudioSourceIsShownBeforeAudioInput) {
  // Step 5 brightens AUDIO2, step 6 (remote audio) then dims every local source.
  receive("H2\n\"0\n");
  EXPECT_EQ(frm.lblAUDIO2.foreColor, kDim);
  EXPECT_EQ(frm.lblREMOTEAudio.foreColor, kBright);
}

TEST_F(StatusDisplays, PttAnswerOfTheBandCheckIsShownInTheSamePass) {
  rig.openPort();
  link.gFWType = 2;
  rig.radio.state.pttEnable = false;
  link.gPTT = std::string("'0");
  frm.lblPTT.caption = "OFF";
  receive("F1420000\n");  // in band: the PTT enable is switched on, the radio answers '1
  EXPECT_EQ(frm.lblInBand.caption, "In Band");
  EXPECT_EQ(frm.lblPTT.caption, "ON");
  EXPECT_FALSE(link.gPTTNew);
}

TEST_F(StatusDisplays, FailingBandCheckKeepsTheLaterFlagsForTheNextPass) {
  // Every item in one answer; the frequency's characters are not a number.
  std::string lines =
      "R0\nA3\nM2\nF14A0000\nH3\n\"1\nI1\nD2\n'1\n(1\nS1\nV2\nO1\nT1\nP0714250004\n";
  link.gParseInData(lines);
  link.gUpdateDisplay();
  EXPECT_TRUE(frm.txtInfo.visible);
  EXPECT_EQ(frm.txtInfo.caption, "gUpdateDisplay: Err 13. Type mismatch");
  // Steps 1 to 4 ran (the frequency flag is lowered before the check), 5 to 15 did not.
  std::vector<bool> expected = {false, false, false, false, true, true, true, true,
                                true,  true,  true,  true,  true, true, true};
  EXPECT_EQ(flagsInOrder(), expected);
  EXPECT_EQ(frm.lblREMOTE.caption, "LOCAL");
  EXPECT_EQ(frm.lblAGCMed.foreColor, kBright);
  EXPECT_EQ(frm.lblLSB.foreColor, kBright);
  EXPECT_EQ(digits(frm.cmdF), "0000000");  // not seven digits: the VFO keeps its captions
  EXPECT_EQ(frm.lblVox.caption, "OFF");
  EXPECT_EQ(frm.lblClipping.caption, "OFF");

  // The next pass starts again at step 1 and shows the rest.
  link.gUpdateDisplay();
  EXPECT_EQ(flagsInOrder(), std::vector<bool>(15, false));
  EXPECT_EQ(frm.lblPATCH.foreColor, kBright);
  EXPECT_EQ(frm.lblInput.caption, "LOCAL");
  EXPECT_EQ(frm.lblClipping.caption, "ON");
  EXPECT_EQ(frm.lblMeter.caption, "Line");
  EXPECT_EQ(frm.lblPTT.caption, "ON");
  EXPECT_EQ(frm.lblMute.caption, "ON");
  EXPECT_EQ(frm.lblSideTone.caption, "ON");
  EXPECT_EQ(frm.lblVox.caption, "DATA");
  EXPECT_EQ(digits(frm.cmdChanF), "1425000");
  EXPECT_EQ(frm.cmbChMode.caption, "C");
}

// ---- The state-label displays: one of several labels bright, the others dim.

struct OneOfCase {
  const char* item;
  int bright;  // index of the bright label, -1 for none
};

class AgcDisplay : public StatusDisplays, public ::testing::WithParamInterface<OneOfCase> {};

TEST_P(AgcDisplay, BrightensOnlyTheNamedSetting) {
  std::vector<ui::Control*> labels = {&frm.lblAGCOff, &frm.lblAGCSlow, &frm.lblAGCMed,
                                      &frm.lblAGCFast};
  link.gAGC = std::string(GetParam().item);
  link.gShowAGC();
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(labels[i]->foreColor, i == GetParam().bright ? kBright : kDim) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Items, AgcDisplay,
                         ::testing::Values(OneOfCase{"A1", 0},     // off
                                           OneOfCase{"A2", 1},     // slow
                                           OneOfCase{"A3", 2},     // medium
                                           OneOfCase{"A4", 3},     // fast
                                           OneOfCase{"A5", -1},    // unknown: all dim
                                           OneOfCase{"a1", -1},    // case counts
                                           OneOfCase{"A ", -1}));  // a bare tag

class ModeDisplay : public StatusDisplays, public ::testing::WithParamInterface<OneOfCase> {};

TEST_P(ModeDisplay, BrightensOnlyTheNamedMode) {
  std::vector<ui::Control*> labels = {&frm.lblUSB, &frm.lblLSB, &frm.lblAME, &frm.lblCW};
  link.gMode = std::string(GetParam().item);
  link.gShowMode();
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(labels[i]->foreColor, i == GetParam().bright ? kBright : kDim) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Items, ModeDisplay,
                         ::testing::Values(OneOfCase{"M1", 0},     // USB
                                           OneOfCase{"M2", 1},     // LSB
                                           OneOfCase{"M3", 2},     // AME
                                           OneOfCase{"M4", 3},     // CW
                                           OneOfCase{"M0", -1},    // unknown: all dim
                                           OneOfCase{"m1", -1}));  // case counts

class AudioSourceDisplay : public StatusDisplays,
                           public ::testing::WithParamInterface<OneOfCase> {};

TEST_P(AudioSourceDisplay, BrightensTheSourceOrChangesNothing) {
  std::vector<ui::Control*> labels = {&frm.lblMIC, &frm.lblAUDIO2, &frm.lblPATCH};
  for (ui::Control* l : labels) l->foreColor = ui::kRed;  // marks "unchanged"
  link.gAudioSource = std::string(GetParam().item);
  link.gShowAudioSource();
  for (int i = 0; i < 3; ++i) {
    ui::Color expected = GetParam().bright < 0 ? ui::kRed : i == GetParam().bright ? kBright : kDim;
    EXPECT_EQ(labels[i]->foreColor, expected) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Items, AudioSourceDisplay,
                         ::testing::Values(OneOfCase{"H1", 0},     // microphone
                                           OneOfCase{"H2", 1},     // second audio input
                                           OneOfCase{"H3", 2},     // phone patch
                                           OneOfCase{"H4", -1}));  // unknown: nothing changes

// ---- The caption displays: a code names a caption; any other code changes nothing.

struct CaptionCase {
  const char* item;
  const char* caption;  // nullptr: the caption stays as it was
};

struct CaptionDisplay {
  const char* name;
  FixedText<2> DisplayZarvinStatus::*item;
  void (DisplayZarvinStatus::*show)();
  ui::Control& (*label)(FrontPanel&);
  std::vector<CaptionCase> cases;
};

TEST_F(StatusDisplays, CaptionDisplaysFollowTheirTables) {
  const CaptionDisplay displays[] = {
      {"remote",
       &DisplayZarvinStatus::gRemote,
       &DisplayZarvinStatus::gShowRemote,
       [](FrontPanel& p) -> ui::Control& { return p.lblREMOTE; },
       {{"R1", "REMOTE"}, {"R0", "LOCAL"}, {"R ", nullptr}, {"r1", nullptr}}},
      {"clipping",
       &DisplayZarvinStatus::gClipping,
       &DisplayZarvinStatus::gShowClipping,
       [](FrontPanel& p) -> ui::Control& { return p.lblClipping; },
       {{"I0", "OFF"}, {"I1", "ON"}, {"I2", nullptr}}},
      {"ptt",
       &DisplayZarvinStatus::gPTT,
       &DisplayZarvinStatus::gShowPTT,
       [](FrontPanel& p) -> ui::Control& { return p.lblPTT; },
       {{"'0", "OFF"}, {"'1", "ON"}, {"' ", nullptr}}},
      {"speaker",
       &DisplayZarvinStatus::gSpeaker,
       &DisplayZarvinStatus::gShowSpeaker,
       [](FrontPanel& p) -> ui::Control& { return p.lblMute; },
       {{"(0", "OFF"}, {"(1", "ON"}, {"(x", nullptr}}},
      {"sidetone",
       &DisplayZarvinStatus::gSideTone,
       &DisplayZarvinStatus::gShowSideTone,
       [](FrontPanel& p) -> ui::Control& { return p.lblSideTone; },
       {{"S0", "OFF"}, {"S1", "ON"}, {"S9", nullptr}}},
      {"vox",
       &DisplayZarvinStatus::gVOX,
       &DisplayZarvinStatus::gShowVOX,
       [](FrontPanel& p) -> ui::Control& { return p.lblVox; },
       {{"V0", "OFF"}, {"V1", "VOICE"}, {"V2", "DATA"}, {"V3", nullptr}}},
  };
  for (const CaptionDisplay& d : displays) {
    for (const CaptionCase& c : d.cases) {
      ui::Control& label = d.label(frm);
      label.caption = "before";
      link.*d.item = std::string(c.item);
      (link.*d.show)();
      EXPECT_EQ(label.caption, c.caption ? c.caption : "before") << d.name << " " << c.item;
    }
  }
}

TEST_F(StatusDisplays, RemoteLabelTurnsBrightWhateverTheItem) {
  frm.lblREMOTE.foreColor = ui::kWhite;
  link.gRemote = std::string("R ");
  link.gShowRemote();
  EXPECT_EQ(frm.lblREMOTE.caption, "REMOTE");  // unchanged
  EXPECT_EQ(frm.lblREMOTE.foreColor, kBright);
}

TEST_F(StatusDisplays, FrequencyNeedsTheTagAndSevenDigits) {
  struct Case {
    const char* item;
    const char* shown;
  } cases[] = {{"F1420000", "1420000"},   // shown digit by digit
               {"F0160000", "0160000"},   // leading zero kept
               {"F14200", "0160000"},     // five digits: unchanged
               {"F14200A0", "0160000"},   // a letter: unchanged
               {"f1420000", "0160000"}};  // tag in lower case: unchanged
  for (const Case& c : cases) {
    link.gFreq = std::string(c.item);
    link.gShowFrequency();
    EXPECT_EQ(digits(frm.cmdF), c.shown) << c.item;
  }
}

TEST_F(StatusDisplays, RemoteAudioDisablesTheSourceButtonAndDimsTheSources) {
  link.gAudioSource = std::string("H1");
  link.gShowAudioSource();
  link.gAudioInput = std::string("\"0");
  link.gShowAudioInput();
  EXPECT_FALSE(frm.cmdAudioSource.enabled);
  EXPECT_EQ(frm.lblInput.caption, "REMOTE");
  for (ui::Control* l : {&frm.lblMIC, &frm.lblAUDIO2, &frm.lblPATCH}) {
    EXPECT_EQ(l->foreColor, kDim) << l->name();
  }
  EXPECT_EQ(frm.lblREMOTEAudio.foreColor, kBright);

  // Local audio again: the current source comes back bright.
  link.gAudioInput = std::string("\"1");
  link.gShowAudioInput();
  EXPECT_TRUE(frm.cmdAudioSource.enabled);
  EXPECT_EQ(frm.lblInput.caption, "LOCAL");
  EXPECT_EQ(frm.lblREMOTEAudio.foreColor, kDim);
  EXPECT_EQ(frm.lblMIC.foreColor, kBright);
  EXPECT_EQ(frm.lblAUDIO2.foreColor, kDim);

  // Any other value changes nothing.
  Look before = lookOf(frm.form);
  link.gAudioInput = std::string("\"2");
  link.gShowAudioInput();
  EXPECT_EQ(lookOf(frm.form), before);
}

// ---- The channel line, shown by the dispatcher itself.

TEST_F(StatusDisplays, ChannelLineCases) {
  struct Case {
    const char* line;
    const char* digits;
    const char* mode;
  } cases[] = {
      {"P0714250001\n", "1425000", "U"},  // digits in order, mode 1 is USB
      {"P1203573502\n", "0357350", "L"},  // mode 2 is LSB
      {"P9918000003\n", "1800000", "A"},  // mode 3 is AME
      {"P0007030004\n", "0703000", "C"},  // mode 4 is CW
      {"P0714250005\n", "1425000", "C"},  // mode 5: the list keeps its text
      {"P07\n", "       ", "C"},          // tag and channel only: a blank on each digit
  };
  for (const Case& c : cases) {
    receive(c.line);
    EXPECT_EQ(digits(frm.cmdChanF), c.digits) << c.line;
    EXPECT_EQ(frm.cmbChMode.caption, c.mode) << c.line;
    EXPECT_FALSE(link.gChannelNew) << c.line;
  }
}

TEST_F(StatusDisplays, ChannelFlagWithoutAChannelLineShowsBlanks) {
  link.gChannelNew = true;  // raised by hand: no channel line was ever stored
  link.gUpdateDisplay();
  EXPECT_EQ(digits(frm.cmdChanF), "       ");
  EXPECT_FALSE(link.gChannelNew);
  EXPECT_FALSE(frm.txtInfo.visible);
}

}  // namespace
