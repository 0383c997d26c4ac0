// The band buttons, the data box button and the menus: each window opens modally over a
// disabled panel, holds the main loop while it is open and gives the panel back as it closes.
#include <gtest/gtest.h>

#include "tests/panel/panel_script.h"

namespace {

using panel_script::kReady;
using panel_script::press;

ui::Form* openWindow(ProgramRig& rig, const std::string& name) {
  return rig.ui.findForm(name);
}

TEST(BandButtons, EachOpensTheBandListWithItsKey) {
  struct Band {
    const char* button;
    const char* band;
  } bands[] = {
      {"cmd160M", "160"}, {"cmd75M", "75"},  {"cmd60M", "60"},  // "60 " has no blank in its key
      {"cmd40M", "40"},   {"cmd30M", "30"},  {"cmd20M", "20"},
      {"cmd17M", "17"},   {"cmd15M", "15"},  {"cmd12M", "12"},
      {"cmd10M", "10"},   {"cmdWWV", "WWV"}, {"cmdMARS", "MARS"},
  };
  ProgramRig rig;
  rig.writePortSetup();
  double t = kReady;
  for (const Band& b : bands) {
    rig.at(t, [&rig, b] { press(rig, b.button); });
    rig.at(t + 0.5, [&rig, b] {
      ui::Form* list = openWindow(rig, "frmBandSelect");
      ASSERT_NE(list, nullptr) << b.button;
      EXPECT_EQ(rig.link.gBand, b.band);
      EXPECT_FALSE(rig.frm.form.enabled) << b.button;
      list->close();
    });
    t += 1.0;
  }
  rig.runFor(t + 0.5);
  EXPECT_EQ(rig.link.gBand, "MARS");
  EXPECT_TRUE(rig.frm.form.enabled);
  EXPECT_EQ(openWindow(rig, "frmBandSelect"), nullptr);
}

TEST(BandButtons, FlagClearsOnlyAfterTheWindowClosesAndRepeatClicksAreAbsorbed) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(kReady, [&] {
    press(rig, "cmd20M");
    press(rig, "cmd20M");  // before the action runs: still one window
  });
  rig.at(kReady + 1.0, [&] {
    ASSERT_NE(openWindow(rig, "frmBandSelect"), nullptr);
    EXPECT_TRUE(rig.frm.band20MFlag);
    // The panel takes no clicks, and the main loop serves no flag while the list is open.
    EXPECT_FALSE(rig.click("cmd40M"));
    rig.frm.getStatusFlag = true;
  });
  rig.at(kReady + 6.0, [&] {
    EXPECT_TRUE(rig.frm.getStatusFlag);
    openWindow(rig, "frmBandSelect")->close();
  });
  rig.at(kReady + 7.0, [&] {
    EXPECT_FALSE(rig.frm.band20MFlag);
    EXPECT_FALSE(rig.frm.getStatusFlag);  // served on the first pass after the close
    EXPECT_EQ(openWindow(rig, "frmBandSelect"), nullptr);  // the second click opened nothing
  });
  rig.runFor(kReady + 8.0);
  EXPECT_TRUE(rig.frm.form.enabled);
  EXPECT_FALSE(rig.frm.band40MFlag);
}

TEST(DataBox, ButtonHidesAndShowsTheBoxAndOpeningEmptiesIt) {
  ProgramRig rig;
  rig.writePortSetup();
  std::string lastShown;
  rig.at(kReady, [&] {
    EXPECT_TRUE(rig.control("txtInData").visible);
    EXPECT_NE(rig.control("txtInData").caption, "");  // responses are shown
    press(rig, "cmdViewInData");
  });
  rig.at(kReady + 0.5, [&] {
    EXPECT_FALSE(rig.control("txtInData").visible);
    EXPECT_EQ(rig.control("cmdViewInData").caption, "Show Data");
    lastShown = rig.control("txtInData").caption;
  });
  rig.at(kReady + 5.0, [&] {
    // Keep-alive answers came meanwhile, but a hidden box is not written.
    EXPECT_EQ(rig.control("txtInData").caption, lastShown);
    rig.radio.faults.silent = true;  // nothing more arrives for a while
    press(rig, "cmdViewInData");
  });
  rig.at(kReady + 5.5, [&] {
    EXPECT_TRUE(rig.control("txtInData").visible);
    EXPECT_EQ(rig.control("txtInData").caption, "");
    EXPECT_EQ(rig.control("cmdViewInData").caption, "Hide Data");
    rig.radio.faults.silent = false;
  });
  rig.runFor(kReady + 9.0);
  EXPECT_EQ(rig.control("txtInData").caption, "U<");  // the next answer shows again
  EXPECT_FALSE(rig.frm.viewInDataFlag);
}

TEST(ScanMenus, ShowScanningForTheWholeScanAndRecomputeAfter) {
  struct Row {
    const char* menu;
    const char* window;
    int freq;           // the radio's frequency, units of 10 Hz
    const char* after;  // the in-band display once the scan window has closed
  } rows[] = {
      {"mnuScanBands", "frmScanBands", 1425000, "In Band"},  // 14.25 MHz
      {"mnuScanFreqs", "frmScanFreqs", 1425000, "In Band"},
      {"mnuScanBands", "frmScanBands", 1000000, "Out Of Band"},  // 10 MHz
      {"mnuScanFreqs", "frmScanFreqs", 1000000, "Out Of Band"},
  };
  for (const Row& r : rows) {
    ProgramRig rig;
    rig.writePortSetup();
    rig.radio.state.freq = r.freq;
    rig.at(kReady, [&] { press(rig, r.menu); });
    rig.at(kReady + 1.0, [&] {
      ASSERT_NE(openWindow(rig, r.window), nullptr) << r.menu;
      EXPECT_FALSE(rig.frm.form.enabled);
      EXPECT_TRUE(rig.link.gScanning);
      EXPECT_EQ(rig.control("lblInBand").caption, "Scanning");
      EXPECT_EQ(rig.control("shaInBand").fillColor, ui::kRed);
      for (const char* c : {"cmdPTT", "cmdXmit", "cmdTune"}) EXPECT_FALSE(rig.control(c).enabled);
      openWindow(rig, r.window)->close();
    });
    rig.runFor(kReady + 2.0);
    bool inBand = std::string(r.after) == "In Band";
    EXPECT_FALSE(rig.link.gScanning) << r.menu;
    EXPECT_TRUE(rig.frm.form.enabled) << r.menu;
    EXPECT_EQ(rig.control("lblInBand").caption, r.after) << r.menu;
    EXPECT_EQ(rig.control("shaInBand").fillColor, inBand ? ui::kGreen : ui::kRed) << r.menu;
    EXPECT_EQ(rig.control("cmdXmit").enabled, inBand) << r.menu;
  }
}

TEST(ScanMenus, UnreadableFrequencyAfterTheScanCountsAsOutOfBand) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(kReady, [&] { press(rig, "mnuScanFreqs"); });
  rig.at(kReady + 1.0, [&] {
    rig.link.gFreq = "F12:4567";  // a damaged line reached the store
    openWindow(rig, "frmScanFreqs")->close();
  });
  rig.runFor(kReady + 2.0);
  EXPECT_EQ(rig.control("lblInBand").caption, "Out Of Band");
  EXPECT_FALSE(rig.control("cmdXmit").enabled);
  EXPECT_TRUE(rig.frm.form.enabled);
}

TEST(Menus, DialogsOpenOverADisabledPanelAndGiveItBack) {
  struct Row {
    const char* menu;
    const char* window;
  } rows[] = {
      {"mnuPortSetup", "frmPortSetup"},
      {"mnuAudioSetup", "frmAudioSetup"},
      {"mnuHelpAbout", "frmHelp"},
  };
  for (const Row& r : rows) {
    ProgramRig rig;
    rig.writePortSetup();
    rig.at(kReady, [&] { press(rig, r.menu); });
    rig.at(kReady + 1.0, [&] {
      ASSERT_NE(openWindow(rig, r.window), nullptr) << r.menu;
      EXPECT_FALSE(rig.frm.form.enabled) << r.menu;
      openWindow(rig, r.window)->close();
    });
    rig.runFor(kReady + 2.0);
    EXPECT_TRUE(rig.frm.form.enabled) << r.menu;
    EXPECT_EQ(openWindow(rig, r.window), nullptr) << r.menu;
  }
}

TEST(Menus, HelpNamesTheHelpFileAndLeavesThePanelLive) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(kReady, [&] { press(rig, "mnuHelpZarvin"); });
  rig.runFor(kReady + 1.0);
  ASSERT_EQ(rig.ui.helpShown().size(), 1u);
  EXPECT_EQ(rig.ui.helpShown()[0], "ZarvinV093.hlp");
  EXPECT_TRUE(rig.frm.form.enabled);
}

}  // namespace
