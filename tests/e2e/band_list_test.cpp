// The band list drawn by FLTK over the front panel, saved as a picture to look at.
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "lists/frmBandSelect.h"
#include "panel/frmZarvin.h"
#include "platform/serial/termios_port.h"
#include "platform/text_files.h"
#include "platform/ui/fltk/fltk_ui.h"
#include "tests/support/temp_folder.h"

namespace {

/// Best effort: the screen area under both windows, as the user sees the list over the panel
/// (needs ImageMagick's import; nothing is checked).
void saveScreenArea(const Fl_Window& a, const Fl_Window& b, const std::string& pngPath) {
  int right = std::max(a.x() + a.w(), b.x() + b.w());
  int bottom = std::max(a.y() + a.h(), b.y() + b.h());
  std::string command = "command -v import >/dev/null && import -window root -crop " +
                        std::to_string(right) + "x" + std::to_string(bottom) + "+0+0 '" + pngPath +
                        "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) std::remove(pngPath.c_str());
}

TEST(BandListWindow, DrawsItsRowsOverThePanel) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
  TempFolder folder;
  folder.write("M40List.txt",
               "7.074 USB FT8 calling\r\n7.150 LSB Net control\r\n35.000 USB too high\r\n");
  WallClock clock;
  ui::fltk::FltkUi fltkUi("Zarvin");
  TermiosSerialPort port(folder.path());  // never opened: the window must cope
  TextFiles files(folder.path());
  Platform platform{clock, fltkUi, port, files};
  frmZarvin panel(platform);
  panel.form.caption = "Zarvin";
  panel.form.show();
  panel.link.gBand = "40";
  panel.link.gFreq = "F1425000";
  panel.link.gMode = "M1";
  panel.form.enabled = false;

  auto list = std::make_unique<frmBandSelect>(platform, panel.link, panel);
  list->Form_Load();
  list->form.show();
  list->Option1[2]->value = 1;
  list->Option1_Click(2);  // the refused row: its error state is part of the picture
  for (int i = 0; i < 10; ++i) fltkUi.doEvents(0.02);

  Fl_Window* window = fltkUi.windowOf(list->form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->shown());
  EXPECT_EQ(window->w(), 4860 / 15);
  EXPECT_EQ(list->form.caption, folder.path() + "/M40List.txt");
  EXPECT_TRUE(list->lblError.visible);
  EXPECT_TRUE(fltkUi.saveScreenshot(list->form, ZARVIN_BUILD_DIR "/band_list.png"));
  saveScreenArea(*fltkUi.windowOf(panel.form), *window, ZARVIN_BUILD_DIR "/band_list_panel.png");

  list->cmdExit_Click();
  EXPECT_TRUE(panel.form.enabled);
  list.reset();
  fltkUi.doEvents(0);
}

}  // namespace
