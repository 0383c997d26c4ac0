// The display dispatch and the simple status displays: what each item shows on the panel.
#include <gtest/gtest.h>

#include <sstream>
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

// A code names a caption; any other code leaves it.
TEST_F(StatusDisplays, CaptionsFollowTheirCodes) {
  struct Case {
    const char* lines;
    const char* label;
    const char* caption;  // nullptr: unchanged
  } cases[] = {
      {"R1\n", "lblREMOTE", "REMOTE"},
      {"R1\nR0\n", "lblREMOTE", "LOCAL"},  // only the last line of a kind is shown
      {"R\n", "lblREMOTE", nullptr},       // a bare tag
      {"I0\n", "lblClipping", "OFF"},
      {"I1\n", "lblClipping", "ON"},
      {"I2\n", "lblClipping", nullptr},
      {"'0\n", "lblPTT", "OFF"},
      {"'1\n", "lblPTT", "ON"},
      {"'\n", "lblPTT", nullptr},
      {"(0\n", "lblMute", "OFF"},
      {"(1\n", "lblMute", "ON"},
      {"(x\n", "lblMute", nullptr},
      {"S0\n", "lblSideTone", "OFF"},
      {"S1\n", "lblSideTone", "ON"},
      {"S9\n", "lblSideTone", nullptr},
      {"V0\n", "lblVox", "OFF"},
      {"V1\n", "lblVox", "VOICE"},
      {"V2\n", "lblVox", "DATA"},
      {"V3\n", "lblVox", nullptr},
      {"\"0\n", "lblInput", "REMOTE"},  // remote audio
      {"\"1\n", "lblInput", "LOCAL"},
      {"\"2\n", "lblInput", nullptr},
      {"D4\n", "lblMeter", "FWD"},  // the meter function, shown by its own display
  };
  for (const Case& c : cases) {
    frm.form.get(c.label).caption = "before";
    receive(c.lines);
    EXPECT_EQ(frm.form.get(c.label).caption, c.caption ? c.caption : "before") << c.lines;
  }
}

// A code names one of several labels, which turns bright, the others dim; AGC and mode dim
// them all for any other code, the audio source changes nothing.
TEST_F(StatusDisplays, StateLabelsFollowTheirCodes) {
  const char* agc = "lblAGCOff lblAGCSlow lblAGCMed lblAGCFast";
  const char* mode = "lblUSB lblLSB lblAME lblCW";
  const char* source = "lblMIC lblAUDIO2 lblPATCH lblREMOTEAudio";
  struct Case {
    const char* lines;
    const char* labels;
    const char* looks;  // per label: B bright, D dim, - unchanged
  } cases[] = {
      {"A1\n", agc, "BDDD"},          // off
      {"A2\n", agc, "DBDD"},          // slow
      {"A3\n", agc, "DDBD"},          // medium
      {"A4\n", agc, "DDDB"},          // fast
      {"A5\n", agc, "DDDD"},          // unknown
      {"A\n", agc, "DDDD"},           // a bare tag
      {"M1\n", mode, "BDDD"},         // USB
      {"M2\n", mode, "DBDD"},         // LSB
      {"M3\n", mode, "DDBD"},         // AME
      {"M4\n", mode, "DDDB"},         // CW
      {"M0\n", mode, "DDDD"},         // unknown
      {"H1\n", source, "BDD-"},       // microphone
      {"H2\n", source, "DBD-"},       // second audio input
      {"H3\n", source, "DDB-"},       // phone patch
      {"H4\n", source, "----"},       // unknown: nothing
      {"H2\n\"0\n", source, "DDDB"},  // the source first, then remote audio dims them all
      {"H1\n\"1\n", source, "BDDD"},  // local audio: the source bright again
      {"R\n", "lblREMOTE", "B"},      // bright whatever the item
  };
  for (const Case& c : cases) {
    std::istringstream names(c.labels);
    std::vector<ui::Control*> labels;
    for (std::string name; names >> name;) labels.push_back(&frm.form.get(name));
    for (ui::Control* l : labels) l->foreColor = ui::kRed;  // marks "unchanged"
    receive(c.lines);
    for (size_t i = 0; i < labels.size(); ++i) {
      ui::Color expected = c.looks[i] == 'B' ? kBright : c.looks[i] == 'D' ? kDim : ui::kRed;
      EXPECT_EQ(labels[i]->foreColor, expected) << c.lines << labels[i]->name();
    }
  }
}

TEST_F(StatusDisplays, RemoteAudioLocksTheSourceButton) {
  receive("\"0\n");
  EXPECT_FALSE(frm.cmdAudioSource.enabled);
  receive("\"1\n");
  EXPECT_TRUE(frm.cmdAudioSource.enabled);
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
  receive("R0\nA3\nM2\nF14A0000\nH3\n\"1\nI1\nD2\n'1\n(1\nS1\nV2\nO1\nT1\nP0714250004\n");
  EXPECT_EQ(frm.txtInfo.caption, "gUpdateDisplay: Err 13. Type mismatch");
  // Steps 1 to 4 ran (the frequency flag is lowered before the check), 5 to 15 did not.
  std::vector<bool> expected = {false, false, false, false, true, true, true, true,
                                true,  true,  true,  true,  true, true, true};
  EXPECT_EQ(flagsInOrder(), expected);
  EXPECT_EQ(frm.lblLSB.foreColor, kBright);
  EXPECT_EQ(frm.lblVox.caption, "OFF");
  // The next pass starts again at step 1 and shows the rest.
  link.gUpdateDisplay();
  EXPECT_EQ(flagsInOrder(), std::vector<bool>(15, false));
  EXPECT_EQ(frm.lblVox.caption, "DATA");
  EXPECT_EQ(digits(frm.cmdChanF), "1425000");
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
  }
}

TEST_F(StatusDisplays, ChannelFlagWithoutAChannelLineShowsBlanks) {
  link.gChannelNew = true;  // raised by hand: no channel line was ever stored
  link.gUpdateDisplay();
  EXPECT_EQ(digits(frm.cmdChanF), "       ");
  EXPECT_FALSE(frm.txtInfo.visible);
}

}  // namespace
