#include <gtest/gtest.h>

#include "tests/support/link_rig.h"

namespace {

TEST(Parser, TurnsTheLineFeedOfEachNonEmptyLineIntoAMarker) {
  struct Case {
    const char* input;
    const char* rewritten;
  } cases[] = {
      {"M1\n\nA2\n", "M1<\nA2<"},  // the empty line keeps its LF
      {"K\n", "K<"},               // shortest response still parsed
      {"\n", "\n"},                // a lone LF is no line
      {"A1\nK", "A1<K"},           // text after the last LF stays, unparsed
  };
  for (const Case& c : cases) {
    LinkRig rig;
    std::string buffer = c.input;
    rig.link.gParseInData(buffer);
    EXPECT_EQ(buffer, c.rewritten);
    // Only a whole K line is a transmit answer, an unfinished one is not.
    EXPECT_EQ(rig.link.gXmitNew, std::string(c.input) == "K\n") << c.input;
  }
}

TEST(Parser, StoresEachTagAtItsWidthAndRaisesItsFlag) {
  LinkRig rig;
  auto& l = rig.link;
  std::string buffer =
      "F01425000\nA3\nM2\nD4\nH2\n\"1\n'0\n(1\nR1\nO4\nT2\nI1\nS0\nV2\nP071425000\nR\n";
  l.gParseInData(buffer);
  EXPECT_EQ(l.gFreq, "F0142500");  // cut to eight characters
  EXPECT_FALSE(l.gFreqValid);      // but the whole line had eight digits
  EXPECT_EQ(l.gAGC, "A3");
  EXPECT_EQ(l.gMode, "M2");
  EXPECT_EQ(l.gMeterFunc, "D4");
  EXPECT_EQ(l.gAudioSource, "H2");
  EXPECT_EQ(l.gAudioInput, "\"1");
  EXPECT_EQ(l.gPTT, "'0");
  EXPECT_EQ(l.gSpeaker, "(1");
  EXPECT_EQ(l.gRemote, "R ");  // the later, shorter R line wins, padded
  EXPECT_EQ(l.gAmp, "O4");
  EXPECT_EQ(l.gAmpTune, "T2");
  EXPECT_EQ(l.gClipping, "I1");
  EXPECT_EQ(l.gSideTone, "S0");
  EXPECT_EQ(l.gVOX, "V2");
  EXPECT_EQ(l.gChannel, "P071425000 ");  // padded to eleven
  for (bool flag : {l.gFreqNew, l.gAGCNew, l.gModeNew, l.gMeterFuncNew, l.gAudioSourceNew,
                    l.gAudioInputNew, l.gPTTNew, l.gSpeakerNew, l.gRemoteNew, l.gAmpNew,
                    l.gAmpTuneNew, l.gClippingNew, l.gSideToneNew, l.gVOXNew, l.gChannelNew}) {
    EXPECT_TRUE(flag);
  }
}

TEST(Parser, ValidFrequencyNeedsExactlySevenDigits) {
  struct Case {
    const char* line;
    bool valid;
  } cases[] = {
      {"F0714500\n", true},    // seven digits
      {"F071450\n", false},    // six
      {"F07145000\n", false},  // eight
      {"F07 4500\n", false},   // a blank among them
      {"F07a4500\n", false},   // a letter
  };
  for (const Case& c : cases) {
    LinkRig rig;
    std::string buffer = c.line;
    rig.link.gParseInData(buffer);
    EXPECT_EQ(rig.link.gFreqValid, c.valid) << c.line;
    EXPECT_TRUE(rig.link.gFreqNew) << c.line;
  }
}

TEST(Parser, DropsLinesWithAColonAndUnknownOrLowerCaseTags) {
  LinkRig rig;
  std::string buffer = "A2:\na2\nG12\nB100\nX1\n";
  rig.link.gParseInData(buffer);
  EXPECT_FALSE(rig.link.gAGCNew);
  EXPECT_EQ(rig.link.gAGC, "");
}

TEST(Parser, MarkersAndTransmitState) {
  LinkRig rig;
  auto& l = rig.link;
  std::string buffer = "!\n#\nQ\n.\nK\n";
  l.gParseInData(buffer);
  EXPECT_TRUE(l.gGotBang && l.gGotHash && l.gGotQ && l.gGotDot);
  EXPECT_TRUE(l.gXmitNew && l.gXmit);
  buffer = "U\n";
  l.gParseInData(buffer);
  EXPECT_FALSE(l.gXmit);
}

TEST(Parser, DataBoxShowsTheRewrittenBufferOnlyWhileOpen) {
  LinkRig rig;
  rig.panel.cmdViewInData.caption = "Hide Data";
  std::string buffer = "A1\nM2\nK";
  rig.link.gParseInData(buffer);
  EXPECT_EQ(rig.panel.txtInData.caption, "A1<M2<K");
  rig.panel.cmdViewInData.caption = "Show Data";
  buffer = "A2\n";
  rig.link.gParseInData(buffer);
  EXPECT_EQ(rig.panel.txtInData.caption, "A1<M2<K");
}

}  // namespace
