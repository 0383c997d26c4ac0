// Every control of the main window by name, with its kind, container, caption and tooltip.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "tests/support/program_rig.h"

namespace {

using ui::Kind;

struct ControlRow {
  const char* name;
  int index;
  Kind kind;
  const char* container;  // "" for the window itself
  const char* caption;
  const char* toolTip;
};

// clang-format off
const ControlRow kControls[] = {
    // The meter group.
    {"fraMeter", -1, Kind::Frame, "", "Meter", ""},
    {"cmdMeter", -1, Kind::Button, "fraMeter", "->", "Next Meter Function"},
    {"lblMeter", -1, Kind::Label, "fraMeter", "-------------", ""},
    {"lblPk", -1, Kind::Label, "fraMeter", "Pk", ""},
    {"lblMeterPk", -1, Kind::Label, "fraMeter", "", ""},
    {"pbMeter", -1, Kind::ProgressBar, "fraMeter", "", ""},
    {"lblMeterScale", -1, Kind::Label, "fraMeter", " -20       -10          0         +10 ", ""},
    // RF gain and BFO.
    {"fraRF", -1, Kind::Frame, "", "RF Gain", ""},
    {"sliRFGain", -1, Kind::Slider, "fraRF", "", "Adjust RF Gain"},
    {"lblRFGain", -1, Kind::Label, "fraRF", "63", ""},
    {"fraBFO", -1, Kind::Frame, "", "BFO", ""},
    {"cmdBFO100", -1, Kind::Button, "fraBFO", "00", "Zero the BFO Offset"},
    {"cmdBFO", -1, Kind::Button, "fraBFO", "->", "Toggle BFO State"},
    {"lblBFOState", -1, Kind::Label, "fraBFO", "OFF", ""},
    {"sliBFO", -1, Kind::Slider, "fraBFO", "", "Adjust BFO Offset"},
    {"lblBFOslider", -1, Kind::Label, "fraBFO", "0", ""},
    // The switch buttons and their states.
    {"fraLeftButtons", -1, Kind::Frame, "", "", ""},
    {"cmdMute", -1, Kind::Button, "fraLeftButtons", "SPKR", "Toggle Panel Speaker"},
    {"lblMute", -1, Kind::Label, "fraLeftButtons", "OFF", ""},
    {"cmdSideTone", -1, Kind::Button, "fraLeftButtons", "SideTone", ""},
    {"lblSideTone", -1, Kind::Label, "fraLeftButtons", "OFF", ""},
    {"cmdAudio", -1, Kind::Button, "fraLeftButtons", " Audio", "Select Local or Remote Audio"},
    {"lblInput", -1, Kind::Label, "fraLeftButtons", "Local", ""},
    {"cmdVOX", -1, Kind::Button, "fraLeftButtons", " VOX", ""},
    {"lblVox", -1, Kind::Label, "fraLeftButtons", "OFF", ""},
    {"cmdClipping", -1, Kind::Button, "fraLeftButtons", "CLIP", ""},
    {"lblClipping", -1, Kind::Label, "fraLeftButtons", "OFF", ""},
    {"cmdPTT", -1, Kind::Button, "fraLeftButtons", "PTT", ""},
    {"lblPTT", -1, Kind::Label, "fraLeftButtons", "OFF", ""},
    {"cmdTune", -1, Kind::Button, "fraLeftButtons", "T&UNE ON", ""},
    {"cmdXmit", -1, Kind::Button, "fraLeftButtons", "&XMT ON", ""},
    {"Command3", -1, Kind::Button, "fraLeftButtons", "", "No Function"},
    {"Command4", -1, Kind::Button, "fraLeftButtons", "", "No Function"},
    {"Command5", -1, Kind::Button, "fraLeftButtons", "", "No Function"},
    {"Command6", -1, Kind::Button, "fraLeftButtons", "", "No Function"},
    // The frequency group.
    {"Frame1", -1, Kind::Frame, "", "Frequency (V)", ""},
    {"lblInfo", -1, Kind::Label, "Frame1", "Frequency Label", ""},
    {"shaInBand", -1, Kind::Shape, "Frame1", "", ""},
    {"lblInBand", -1, Kind::Label, "Frame1", "Out Of Band", ""},
    {"fraFreq", -1, Kind::Frame, "Frame1", "", ""},
    {"cmdF", 0, Kind::Button, "fraFreq", "0", "Left Click Up,Right Click Down"},
    {"cmdF", 1, Kind::Button, "fraFreq", "0", ""},
    {"Command1", -1, Kind::Button, "fraFreq", ",", ""},
    {"cmdF", 2, Kind::Button, "fraFreq", "0", ""},
    {"cmdF", 3, Kind::Button, "fraFreq", "0", ""},
    {"cmdF", 4, Kind::Button, "fraFreq", "0", ""},
    {"Command2", -1, Kind::Button, "fraFreq", ".", ""},
    {"cmdF", 5, Kind::Button, "fraFreq", "0", ""},
    {"cmdF", 6, Kind::Button, "fraFreq", "0", ""},
    {"lblPorM", -1, Kind::Label, "Frame1", "+", ""},
    {"lblBFOOn", -1, Kind::Label, "Frame1", "BFO", ""},
    {"cmdMode", -1, Kind::Button, "Frame1", "Mode->", "Select Next Mode"},
    {"lblUSB", -1, Kind::Label, "Frame1", "USB", ""},
    {"lblLSB", -1, Kind::Label, "Frame1", "LSB", ""},
    {"lblAME", -1, Kind::Label, "Frame1", "AME", ""},
    {"lblCW", -1, Kind::Label, "Frame1", "CW", ""},
    {"lblXMTRCV", -1, Kind::Label, "Frame1", "Receive", ""},
    {"cmdAudioSource", -1, Kind::Button, "Frame1", "Source->", "Select Local Audio I/O"},
    {"lblMIC", -1, Kind::Label, "Frame1", "MIC", ""},
    {"lblAUDIO2", -1, Kind::Label, "Frame1", "AUDIO2", ""},
    {"lblPATCH", -1, Kind::Label, "Frame1", "PATCH", ""},
    {"lblREMOTEAudio", -1, Kind::Label, "Frame1", "REMOTE", ""},
    {"cmdAGC", -1, Kind::Button, "Frame1", "AGC->", "Select Next AGC"},
    {"lblAGCSlow", -1, Kind::Label, "Frame1", "SLOW", ""},
    {"lblAGCMed", -1, Kind::Label, "Frame1", "MED", ""},
    {"lblAGCFast", -1, Kind::Label, "Frame1", "FAST", ""},
    {"lblAGCOff", -1, Kind::Label, "Frame1", "OFF", ""},
    // The amplifier.
    {"fraAmp", -1, Kind::Frame, "", "Amp", ""},
    {"cmdAmpPwr", -1, Kind::Button, "fraAmp", "PWR ->", "Turn Amp ON / OFF"},
    {"lblAmpPwr", -1, Kind::Label, "fraAmp", "OFF", ""},
    {"cmdAmpOpr", -1, Kind::Button, "fraAmp", "OPR ->", "Place AMP in Operate / Standby"},
    {"lblAmpOpStby", -1, Kind::Label, "fraAmp", "", ""},
    {"cmdTuneAmp", -1, Kind::Button, "fraAmp", "TUN ->", "Start Amp Tune Cycle"},
    {"lblAmpTuned", -1, Kind::Label, "fraAmp", "", ""},
    // The channel display.
    {"fraChan", -1, Kind::Frame, "", "Chan (C)", ""},
    {"cmdChanF", 0, Kind::Button, "fraChan", "0", "Set Freq for Channel"},
    {"cmdChanF", 1, Kind::Button, "fraChan", "0", ""},
    {"cmdChanF", 2, Kind::Button, "fraChan", "0", ""},
    {"cmdChanF", 3, Kind::Button, "fraChan", "0", ""},
    {"cmdChanF", 4, Kind::Button, "fraChan", "0", ""},
    {"cmdChanF", 5, Kind::Button, "fraChan", "0", ""},
    {"cmdChanF", 6, Kind::Button, "fraChan", "0", ""},
    {"cmbChMode", -1, Kind::ComboBox, "fraChan", "", "Select Mode for Channel"},
    // The keypad and the memory transfers.
    {"fraRightButtons", -1, Kind::Frame, "", "", ""},
    {"cmd0", -1, Kind::Button, "fraRightButtons", "0", ""},
    {"cmd1", -1, Kind::Button, "fraRightButtons", "1", ""},
    {"cmd2", -1, Kind::Button, "fraRightButtons", "2", ""},
    {"cmd3", -1, Kind::Button, "fraRightButtons", "3", ""},
    {"cmdFreq", -1, Kind::Button, "fraRightButtons", "Freq", "Start Keypad Freq. Entry"},
    {"cmd4", -1, Kind::Button, "fraRightButtons", "4", ""},
    {"cmd5", -1, Kind::Button, "fraRightButtons", "5", ""},
    {"cmd6", -1, Kind::Button, "fraRightButtons", "6", ""},
    {"cmdEnter", -1, Kind::Button, "fraRightButtons", "Enter", "End Keypad Freq. Entry"},
    {"cmd7", -1, Kind::Button, "fraRightButtons", "7", ""},
    {"cmd8", -1, Kind::Button, "fraRightButtons", "8", ""},
    {"cmd9", -1, Kind::Button, "fraRightButtons", "9", ""},
    {"cmdM2V", -1, Kind::Button, "fraRightButtons", "M->V", "Memory to VFO"},
    {"txtLoadCh", -1, Kind::TextBox, "fraRightButtons", "00", "Set Channel for VFO"},
    {"vscLoadCh", -1, Kind::VScrollBar, "fraRightButtons", "", ""},
    {"cmdV2M", -1, Kind::Button, "fraRightButtons", "V->M", "VFO to Memory"},
    {"cmdM2C", -1, Kind::Button, "fraRightButtons", "M->C", "Memory to Chan"},
    {"txtStoreCh", -1, Kind::TextBox, "fraRightButtons", "00", "Set Channel for Load/Store"},
    {"vscStoreCh", -1, Kind::VScrollBar, "fraRightButtons", "", ""},
    {"cmdC2M", -1, Kind::Button, "fraRightButtons", "C->M", "Chan to Memory"},
    // The band buttons, top to bottom.
    {"fraBand", -1, Kind::Frame, "", "Band", ""},
    {"cmd10M", -1, Kind::Button, "fraBand", "10", "Open menu of 10M Frequencies"},
    {"cmd12M", -1, Kind::Button, "fraBand", "12", "Open menu of 12M Frequencies"},
    {"cmd15M", -1, Kind::Button, "fraBand", "15", "Open menu of 15M Frequencies"},
    {"cmd17M", -1, Kind::Button, "fraBand", "17", "Open menu of 17M Frequencies"},
    {"cmd20M", -1, Kind::Button, "fraBand", "20", "Open menu of 20M Frequencies"},
    {"cmd30M", -1, Kind::Button, "fraBand", "30", "Open menu of 30M Frequencies"},
    {"cmd40M", -1, Kind::Button, "fraBand", "40", "Open menu of 40M Frequencies"},
    {"cmd60M", -1, Kind::Button, "fraBand", "60 ", "Open menu of 60M Frequencies"},
    {"cmd75M", -1, Kind::Button, "fraBand", "75", "Open menu of 75M Frequencies"},
    {"cmd160M", -1, Kind::Button, "fraBand", "160", "Open menu of 160M Frequencies"},
    {"cmdWWV", -1, Kind::Button, "fraBand", "WWV", "Open menu of WWV Frequencies"},
    {"cmdMARS", -1, Kind::Button, "fraBand", "MARS", "Open menu of MARS Frequencies"},
    // The status row.
    {"Label5", -1, Kind::Label, "", "Zarvin", ""},
    {"lblFWType", -1, Kind::Label, "", "F/W: v604M NonAdapt ", ""},
    {"lblComStat", -1, Kind::Label, "", "Com OK", "Shows Com Status"},
    {"lblREMOTE", -1, Kind::Label, "", "REMOTE", "Shows Zarvin State"},
    {"cmdGetStatus", -1, Kind::Button, "", "Get Stats", "Refresh Radio Status"},
    {"cmdViewInData", -1, Kind::Button, "", "Hide Data", "Show / Hide the Data Box"},
    {"lblU", -1, Kind::Label, "", "U", "Sync Character"},
    {"shaTrace", -1, Kind::Shape, "", "", ""},
    {"Command7", -1, Kind::Button, "", "", ""},
    {"txtInData", -1, Kind::TextBox, "", "", "Data from Zarvin"},
    {"txtInfo", -1, Kind::TextBox, "", "", ""},
    // The border round the panel.
    {"Line1", -1, Kind::Line, "", "", ""},
    {"Line2", -1, Kind::Line, "", "", ""},
    {"Line3", -1, Kind::Line, "", "", ""},
    {"Line4", -1, Kind::Line, "", "", ""},
    // The menu bar.
    {"mnuFile", -1, Kind::Menu, "", "&File", ""},
    {"mnuFileExit", -1, Kind::MenuItem, "mnuFile", "E&xit", ""},
    {"mnuScan", -1, Kind::Menu, "", "Scan", ""},
    {"mnuScanBands", -1, Kind::MenuItem, "mnuScan", "Scan Bands", ""},
    {"mnuScanFreqs", -1, Kind::MenuItem, "mnuScan", "Scan Freqs", ""},
    {"mnuSetup", -1, Kind::Menu, "", "Setup", ""},
    {"mnuPortSetup", -1, Kind::MenuItem, "mnuSetup", "Port Setup", ""},
    {"mnuAudioSetup", -1, Kind::MenuItem, "mnuSetup", "Audio Setup", ""},
    {"mnuHelp", -1, Kind::Menu, "", "Help", ""},
    {"mnuHelpAbout", -1, Kind::MenuItem, "mnuHelp", "About", ""},
    {"mnuHelpZarvin", -1, Kind::MenuItem, "mnuHelp", "Zarvin Help", ""},
};
// clang-format on

TEST(LayoutNames, EveryControlIsPresentWithItsKindCaptionAndTooltip) {
  ProgramRig rig;  // built, never loaded: the window as created
  ui::Form& form = rig.frm.form;

  for (const ControlRow& row : kControls) {
    SCOPED_TRACE(std::string(row.name) + "(" + std::to_string(row.index) + ")");
    ui::Control* control = form.find(row.name, row.index);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->kind(), row.kind);
    std::string container = control->container() ? control->container()->name() : "";
    EXPECT_EQ(container, row.container);
    EXPECT_EQ(control->caption, row.caption);
    EXPECT_EQ(control->toolTip, row.toolTip);
  }
  EXPECT_EQ(form.controls().size(), std::size(kControls));  // and nothing else
}

}  // namespace
