// The band buttons, the data box button and the menus: each window opens modally over a
// disabled panel, holds the main loop while it is open and gives the panel back as it closes.
#include <gtest/gtest.h>

#include "tests/panel/panel_script.h"

namespace {

using namespace panel_script;

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
  Rig rig;
  double t = kReady;
  for (const Band& b : bands) {
    rig.at(t, [&rig, b] { press(rig, b.button); });
    rig.at(t + 0.5, [&rig, b] {
      ui::Form* list = rig.ui.findForm("frmBandSelect");
      ASSERT_NE(list, nullptr) << b.button;
      EXPECT_EQ(rig.link.gBand, b.band);
      list->close();
    });
    t += 1.0;
  }
  rig.runFor(t + 0.5);
}

TEST(BandButtons, FlagClearsOnlyAfterTheWindowClosesAndRepeatClicksAreAbsorbed) {
  Rig rig;
  rig.at(kReady, [&] {
    press(rig, "cmd20M");
    press(rig, "cmd20M");  // before the action runs: still one window
  });
  rig.at(kReady + 1.0, [&] {
    ASSERT_NE(rig.ui.findForm("frmBandSelect"), nullptr);
    EXPECT_TRUE(rig.frm.band20MFlag);
    // The panel takes no clicks, and the main loop serves no flag while the list is open.
    EXPECT_FALSE(rig.click("cmd40M"));
    rig.frm.getStatusFlag = true;
  });
  rig.at(kReady + 6.0, [&] {
    EXPECT_TRUE(rig.frm.getStatusFlag);
    rig.ui.findForm("frmBandSelect")->close();
  });
  rig.at(kReady + 7.0, [&] {
    EXPECT_FALSE(rig.frm.band20MFlag);
    EXPECT_FALSE(rig.frm.getStatusFlag);                   // served after the close
    EXPECT_EQ(rig.ui.findForm("frmBandSelect"), nullptr);  // the second click opened nothing
  });
  rig.runFor(kReady + 8.0);
  EXPECT_FALSE(rig.frm.band40MFlag);
}

TEST(DataBox, ButtonHidesAndShowsTheBoxAndOpeningEmptiesIt) {
  Rig rig;
  ui::Control& box = rig.control("txtInData");
  std::string lastShown;
  rig.at(kReady, [&] { press(rig, "cmdViewInData"); });
  rig.at(kReady + 0.5, [&] {
    EXPECT_FALSE(box.visible);
    EXPECT_EQ(rig.control("cmdViewInData").caption, "Show Data");
    lastShown = box.caption;
  });
  rig.at(kReady + 5.0, [&] {
    EXPECT_EQ(box.caption, lastShown);  // keep-alive answers came, but a hidden box is not written
    rig.radio.faults.silent = true;     // nothing more arrives for a while
    press(rig, "cmdViewInData");
  });
  rig.at(kReady + 5.5, [&] {
    EXPECT_TRUE(box.visible);
    EXPECT_EQ(box.caption, "");
    EXPECT_EQ(rig.control("cmdViewInData").caption, "Hide Data");
    rig.radio.faults.silent = false;
  });
  rig.runFor(kReady + 9.0);
  EXPECT_EQ(box.caption, "U<");  // the next answer shows again
}

TEST(Menus, WindowsOpenOverADisabledPanelAndGiveItBack) {
  struct Row {
    const char* menu;
    const char* window;
    int freq;           // the radio's frequency, units of 10 Hz; -1: a damaged line stored
    const char* after;  // the in-band display once the window has closed
  } rows[] = {
      {"mnuPortSetup", "frmPortSetup", 1425000, "In Band"},
      {"mnuAudioSetup", "frmAudioSetup", 1425000, "In Band"},
      {"mnuHelpAbout", "frmHelp", 1425000, "In Band"},
      // The scan windows show "Scanning" while open, and the band check is made afresh.
      {"mnuScanBands", "frmScanBands", 1425000, "In Band"},      // 14.25 MHz
      {"mnuScanFreqs", "frmScanFreqs", 1000000, "Out Of Band"},  // 10 MHz
      {"mnuScanFreqs", "frmScanFreqs", -1, "Out Of Band"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.menu) + " " + std::to_string(r.freq));
    bool scan = std::string(r.window).find("Scan") != std::string::npos;
    Rig rig;
    if (r.freq > 0) rig.radio.state.freq = r.freq;
    rig.at(kReady, [&] { press(rig, r.menu); });
    rig.at(kReady + 1.0, [&] {
      ASSERT_NE(rig.ui.findForm(r.window), nullptr);
      EXPECT_FALSE(rig.frm.form.enabled);
      EXPECT_EQ(rig.link.gScanning, scan);
      if (scan) {
        EXPECT_EQ(rig.control("lblInBand").caption, "Scanning");
        EXPECT_EQ(rig.control("shaInBand").fillColor, ui::kRed);
        for (const char* c : {"cmdPTT", "cmdXmit", "cmdTune"}) EXPECT_FALSE(rig.control(c).enabled);
      }
      if (r.freq < 0) rig.link.gFreq = "F12:4567";
      rig.ui.findForm(r.window)->close();
    });
    rig.runFor(kReady + 2.0);
    bool inBand = std::string(r.after) == "In Band";
    EXPECT_EQ(rig.ui.findForm(r.window), nullptr);
    EXPECT_TRUE(rig.frm.form.enabled);
    EXPECT_FALSE(rig.link.gScanning);
    EXPECT_EQ(rig.control("lblInBand").caption, r.after);
    EXPECT_EQ(rig.control("shaInBand").fillColor, inBand ? ui::kGreen : ui::kRed);
    EXPECT_EQ(rig.control("cmdXmit").enabled, inBand);
  }
}

TEST(Menus, HelpNamesTheHelpFileAndLeavesThePanelLive) {
  Rig rig;
  rig.at(kReady, [&] { press(rig, "mnuHelpZarvin"); });
  rig.runFor(kReady + 1.0);
  EXPECT_EQ(rig.ui.helpShown(), std::vector<std::string>{"ZarvinV093.hlp"});
  EXPECT_TRUE(rig.frm.form.enabled);
}

}  // namespace
