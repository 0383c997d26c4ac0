// The Help menu on a real FLTK front panel (under Xvfb), with screenshots in the build folder
// (about.png, help.png).
#include "tests/e2e/fltk_panel_rig.h"
// After gtest: the X11 headers define None.
#include <FL/fl_draw.H>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <functional>

#include "platform/ui/fltk/png_writer.h"

namespace {

using namespace fltk_panel;

// Runs `step` every 20 ms inside FLTK's waits, while a modal window holds the test, until true.
void everyTick(void* data) {
  auto* step = static_cast<std::function<bool()>*>(data);
  if (!(*step)()) Fl::repeat_timeout(0.02, everyTick, data);
}

using HelpMenu = PanelTest;

TEST_F(HelpMenu, AboutOpensModallyAndTheHelpPageBesideThePanel) {
  auto panelLive = [&] { return frm->form.enabled && ui->windowOf(frm->form)->active(); };
  std::string about = freshBuildFile("about.png");
  bool panelHeld = false, saved = false;
  double opened = clock.now();
  std::function<bool()> step = [&] {
    ui::Form* box = ui->findForm("frmHelp");
    Fl_Window* window = box == nullptr ? nullptr : ui->windowOf(*box);
    bool shown = window != nullptr && window->shown();
    if (!shown && clock.now() - opened < 5.0) return false;
    panelHeld = !panelLive();
    saved = shown && ui->saveScreenshot(*box, about);
    if (shown) window->do_callback();  // the close box
    if (!shown && box != nullptr) box->close();
    return true;
  };
  Fl::add_timeout(0.02, everyTick, &step);
  frm->mnuHelpAbout_Click();  // returns when the box has closed
  Fl::remove_timeout(everyTick, &step);
  EXPECT_TRUE(panelHeld);
  EXPECT_TRUE(saved && isPng(about));
  pumpFor(0.05);
  EXPECT_TRUE(panelLive());

  // The program opens its files in its working folder, as scripts/run arranges it.
  std::filesystem::copy_file(std::string(ZARVIN_SOURCE_DIR) + "/help/ZarvinV093.html",
                             folder.file("ZarvinV093.html"));
  char previous[PATH_MAX];
  ASSERT_TRUE(getcwd(previous, sizeof previous) != nullptr && chdir(folder.path().c_str()) == 0);
  frm->mnuHelpZarvin_Click();
  Fl_Window* viewer = nullptr;
  for (double end = clock.now() + 2.0; viewer == nullptr && clock.now() < end;) {
    ui->doEvents(0.02);
    for (Fl_Window* w = Fl::first_window(); w != nullptr; w = Fl::next_window(w)) {
      if (w->label() != nullptr && std::string(w->label()) == "Zarvin Help") viewer = w;
    }
  }
  ASSERT_EQ(chdir(previous), 0);
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(identityOf(*viewer), "zarvin/Zarvin 32x32");
  // Right in the 1280 x 1024 work area below room for a title bar; no modal: the panel is live.
  EXPECT_EQ(std::vector<int>({viewer->x(), viewer->y(), viewer->w(), viewer->h()}),
            std::vector<int>({636, 30, 640, 960}));
  EXPECT_TRUE(panelLive());
  // The viewer is no form of the program: read back from the screen.
  std::string help = freshBuildFile("help.png");
  Fl::flush();
  viewer->make_current();
  std::unique_ptr<unsigned char[]> pixels(fl_read_image(nullptr, 0, 0, viewer->w(), viewer->h()));
  EXPECT_TRUE(pixels && ui::fltk::writePng(help, viewer->w(), viewer->h(), pixels.get()));
  EXPECT_TRUE(isPng(help));
  viewer->hide();
}

}  // namespace
