// The main window as created: every named control present, none outside its frame or over
// another, and only the listed ones starting disabled or hidden.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "tests/support/program_rig.h"

namespace {

using ui::Kind;

// clang-format off
const char kNames[] =
    "fraMeter cmdMeter lblMeter lblPk lblMeterPk pbMeter lblMeterScale fraRF sliRFGain lblRFGain "
    "fraBFO cmdBFO100 cmdBFO lblBFOState sliBFO lblBFOslider fraLeftButtons cmdMute lblMute "
    "cmdSideTone lblSideTone cmdAudio lblInput cmdVOX lblVox cmdClipping lblClipping cmdPTT lblPTT "
    "cmdTune cmdXmit Command3 Command4 Command5 Command6 Frame1 lblInfo shaInBand lblInBand fraFreq "
    "Command1 Command2 lblPorM lblBFOOn cmdMode lblUSB lblLSB lblAME lblCW lblXMTRCV "
    "cmdAudioSource lblMIC lblAUDIO2 lblPATCH lblREMOTEAudio cmdAGC lblAGCSlow lblAGCMed lblAGCFast "
    "lblAGCOff fraAmp cmdAmpPwr lblAmpPwr cmdAmpOpr lblAmpOpStby cmdTuneAmp lblAmpTuned fraChan "
    "cmbChMode fraRightButtons cmd0 cmd1 cmd2 cmd3 cmdFreq cmd4 cmd5 cmd6 cmdEnter cmd7 cmd8 cmd9 "
    "cmdM2V txtLoadCh vscLoadCh cmdV2M cmdM2C txtStoreCh vscStoreCh cmdC2M fraBand cmd10M cmd12M "
    "cmd15M cmd17M cmd20M cmd30M cmd40M cmd60M cmd75M cmd160M cmdWWV cmdMARS Label5 lblFWType "
    "lblComStat lblREMOTE cmdGetStatus cmdViewInData lblU shaTrace Command7 txtInData txtInfo Line1 "
    "Line2 Line3 Line4 mnuFile mnuFileExit mnuScan mnuScanBands mnuScanFreqs mnuSetup mnuPortSetup "
    "mnuAudioSetup mnuHelp mnuHelpAbout mnuHelpZarvin";
// clang-format on

bool placed(const ui::Control& x) {
  return x.kind() != ui::Kind::Menu && x.kind() != ui::Kind::MenuItem && x.kind() != ui::Kind::Line;
}

TEST(Layout, EveryNamedControlIsPresentAndNothingElse) {
  ProgramRig rig;  // built, never loaded: the window as created
  std::istringstream names(kNames);
  std::size_t count = 0;
  for (std::string name; names >> name; ++count)
    EXPECT_NE(rig.frm.form.find(name), nullptr) << name;
  for (const char* array : {"cmdF", "cmdChanF"}) {  // the two digit arrays, 0 to 6
    for (int i = 0; i < 7; ++i, ++count) EXPECT_NE(rig.frm.form.find(array, i), nullptr) << array;
  }
  EXPECT_EQ(rig.frm.form.controls().size(), count);
}

// Inside its frame (or the border lines, 150 to 10530 and 7650 twips) and over no other; only
// the listed controls start disabled or hidden.
TEST(Layout, PlacesAndStartingStates) {
  ProgramRig rig;
  const std::set<std::string> disabled = {
      "cmdClipping", "cmdTune",  "cmdXmit",   "Command3",  "Command4",     "Command5",
      "Command6",    "Command7", "cmdAmpPwr", "cmdAmpOpr", "mnuScanBands", "mnuScanFreqs"};
  const std::set<std::string> hidden = {"txtInData", "txtInfo", "shaTrace"};
  const auto& all = rig.frm.form.controls();
  for (std::size_t i = 0; i < all.size(); ++i) {
    const ui::Control& x = *all[i];
    EXPECT_EQ(x.enabled, disabled.count(x.name()) == 0) << x.fullName();
    EXPECT_EQ(x.visible, hidden.count(x.name()) == 0) << x.fullName();
    if (!placed(x)) continue;
    const ui::Control* frame = x.container();
    const int low = frame ? 0 : 150, right = frame ? frame->width : 10530,
              bottom = frame ? frame->height : 7650;
    EXPECT_TRUE(x.width > 0 && x.height > 0 && x.left >= low && x.top >= low &&
                x.left + x.width <= right && x.top + x.height <= bottom)
        << x.fullName();
    for (std::size_t j = i + 1; j < all.size(); ++j) {
      const ui::Control& y = *all[j];
      EXPECT_FALSE(placed(y) && y.container() == frame && x.left < y.left + y.width &&
                   y.left < x.left + x.width && x.top < y.top + y.height &&
                   y.top < x.top + x.height)
          << x.fullName() << " over " << y.fullName();
    }
  }
}

}  // namespace
