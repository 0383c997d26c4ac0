// The band list drawn by FLTK over the front panel, saved as a picture to look at.
#include <algorithm>

#include "lists/frmBandSelect.h"
#include "tests/e2e/fltk_panel_rig.h"

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

class BandListWindow : public fltk_panel::PanelTest {};

TEST_F(BandListWindow, DrawsItsRowsOverThePanel) {
  folder.write("M40List.txt",
               "7.074 USB FT8 calling\r\n7.150 LSB Net control\r\n35.000 USB too high\r\n");
  frm->link.gBand = "40";
  frm->link.gFreq = "F1425000";
  frm->link.gMode = "M1";
  frm->form.enabled = false;

  auto list = std::make_unique<frmBandSelect>(*platform, frm->link, *frm);
  list->Form_Load();
  list->form.show();
  list->Option1[2]->value = 1;
  list->Option1_Click(2);  // the refused row: its error state is part of the picture
  pumpFor(0.2);

  Fl_Window* window = ui->windowOf(list->form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->shown());
  EXPECT_EQ(window->w(), 4860 / 15);
  EXPECT_EQ(list->form.caption, folder.path() + "/M40List.txt");
  EXPECT_TRUE(list->lblError.visible);
  EXPECT_TRUE(ui->saveScreenshot(list->form, ZARVIN_BUILD_DIR "/band_list.png"));
  saveScreenArea(*ui->windowOf(frm->form), *window, ZARVIN_BUILD_DIR "/band_list_panel.png");

  list->cmdExit_Click();
  EXPECT_TRUE(frm->form.enabled);
  list.reset();
  ui->doEvents(0);
}

}  // namespace
