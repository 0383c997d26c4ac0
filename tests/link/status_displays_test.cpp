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

// A code names one of several labels, which turns bright, the others dim; AGC and mode dim
// them all for any other code, the audio source changes nothing.
TEST_F(StatusDisplays, StateLabelDisplaysFollowTheirTables) {
  struct Case {
    const char* item;
    int bright;  // index of the bright label; -1 for none
  };
  struct Display {
    FixedText<2> DisplayZarvinStatus::*item;
    void (DisplayZarvinStatus::*show)();
    std::vector<ui::Control*> labels;
    bool unknownChangesNothing;
    std::vector<Case> cases;
  } displays[] = {
      // Off, slow, medium, fast; an unknown code, the wrong case, a bare tag.
      {&DisplayZarvinStatus::gAGC,
       &DisplayZarvinStatus::gShowAGC,
       {&frm.lblAGCOff, &frm.lblAGCSlow, &frm.lblAGCMed, &frm.lblAGCFast},
       false,
       {{"A1", 0}, {"A2", 1}, {"A3", 2}, {"A4", 3}, {"A5", -1}, {"a1", -1}, {"A ", -1}}},
      // USB, LSB, AME, CW; an unknown code, the wrong case.
      {&DisplayZarvinStatus::gMode,
       &DisplayZarvinStatus::gShowMode,
       {&frm.lblUSB, &frm.lblLSB, &frm.lblAME, &frm.lblCW},
       false,
       {{"M1", 0}, {"M2", 1}, {"M3", 2}, {"M4", 3}, {"M0", -1}, {"m1", -1}}},
      // Microphone, second audio input, phone patch; an unknown source.
      {&DisplayZarvinStatus::gAudioSource,
       &DisplayZarvinStatus::gShowAudioSource,
       {&frm.lblMIC, &frm.lblAUDIO2, &frm.lblPATCH},
       true,
       {{"H1", 0}, {"H2", 1}, {"H3", 2}, {"H4", -1}}},
  };
  for (const Display& d : displays) {
    for (const Case& c : d.cases) {
      for (ui::Control* l : d.labels) l->foreColor = ui::kRed;  // marks "unchanged"
      link.*d.item = std::string(c.item);
      (link.*d.show)();
      for (int i = 0; i < static_cast<int>(d.labels.size()); ++i) {
        ui::Color expected = i == c.bright ? kBright : kDim;
        if (c.bright < 0 && d.unknownChangesNothing) expected = ui::kRed;
        EXPECT_EQ(d.labels[i]->foreColor, expected) << c.item << " " << i;
      }
    }
  }
}

// A code names a caption; any other code changes nothing.
TEST_F(StatusDisplays, CaptionDisplaysFollowTheirTables) {
  struct Case {
    const char* item;
    const char* caption;  // nullptr: the caption stays as it was
  };
  struct Display {
    FixedText<2> DisplayZarvinStatus::*item;
    void (DisplayZarvinStatus::*show)();
    ui::Control& label;
    std::vector<Case> cases;
  } displays[] = {
      {&DisplayZarvinStatus::gRemote,
       &DisplayZarvinStatus::gShowRemote,
       frm.lblREMOTE,
       {{"R1", "REMOTE"}, {"R0", "LOCAL"}, {"R ", nullptr}, {"r1", nullptr}}},
      {&DisplayZarvinStatus::gClipping,
       &DisplayZarvinStatus::gShowClipping,
       frm.lblClipping,
       {{"I0", "OFF"}, {"I1", "ON"}, {"I2", nullptr}}},
      {&DisplayZarvinStatus::gPTT,
       &DisplayZarvinStatus::gShowPTT,
       frm.lblPTT,
       {{"'0", "OFF"}, {"'1", "ON"}, {"' ", nullptr}}},
      {&DisplayZarvinStatus::gSpeaker,
       &DisplayZarvinStatus::gShowSpeaker,
       frm.lblMute,
       {{"(0", "OFF"}, {"(1", "ON"}, {"(x", nullptr}}},
      {&DisplayZarvinStatus::gSideTone,
       &DisplayZarvinStatus::gShowSideTone,
       frm.lblSideTone,
       {{"S0", "OFF"}, {"S1", "ON"}, {"S9", nullptr}}},
      {&DisplayZarvinStatus::gVOX,
       &DisplayZarvinStatus::gShowVOX,
       frm.lblVox,
       {{"V0", "OFF"}, {"V1", "VOICE"}, {"V2", "DATA"}, {"V3", nullptr}}},
  };
  for (const Display& d : displays) {
    for (const Case& c : d.cases) {
      d.label.caption = "before";
      link.*d.item = std::string(c.item);
      (link.*d.show)();
      EXPECT_EQ(d.label.caption, c.caption ? c.caption : "before") << c.item;
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
