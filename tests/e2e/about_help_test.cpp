// The Help menu on a real FLTK front panel (under Xvfb): About opens modally over a disabled
// panel and gives it back when closed; Zarvin Help shows the help page beside the panel.
// Both are saved as screenshots in the build folder (about.png, help.png).
#include "tests/e2e/fltk_panel_rig.h"
// After gtest: the X11 headers define None.
#include <FL/fl_draw.H>
#include <unistd.h>

#include <climits>
#include <functional>
#include <sstream>

#include "platform/ui/fltk/png_writer.h"

namespace {

using fltk_panel::freshBuildFile;
using fltk_panel::isPng;

// Runs `step` every 50 ms inside FLTK's waits until it returns true: the way to act while a
// modal window holds the test inside its own event loop.
void everyTick(void* data) {
  auto* step = static_cast<std::function<bool()>*>(data);
  if (!(*step)()) Fl::repeat_timeout(0.05, everyTick, data);
}

// The top-level FLTK window with this title, or nullptr.
Fl_Window* windowTitled(const std::string& title) {
  for (Fl_Window* w = Fl::first_window(); w != nullptr; w = Fl::next_window(w)) {
    if (w->label() != nullptr && title == w->label()) return w;
  }
  return nullptr;
}

// Saves a window that is no form of the program (the help viewer) as a PNG.
bool saveWindow(Fl_Window* window, const std::string& path) {
  Fl::flush();
  window->make_current();
  std::unique_ptr<unsigned char[]> pixels(fl_read_image(nullptr, 0, 0, window->w(), window->h()));
  return pixels && ui::fltk::writePng(path, window->w(), window->h(), pixels.get());
}

// Makes a folder the process's working folder for its lifetime.
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::string& path) {
    m_ok = getcwd(m_previous, sizeof m_previous) != nullptr && chdir(path.c_str()) == 0;
  }
  ~WorkingFolder() {
    if (m_ok && chdir(m_previous) != 0) std::abort();
  }
  bool ok() const { return m_ok; }

 private:
  char m_previous[PATH_MAX] = "";
  bool m_ok = false;
};

class HelpMenu : public fltk_panel::PanelTest {
 protected:
  bool panelLive() {
    Fl_Window* window = ui->windowOf(frm->form);
    return frm->form.enabled && window != nullptr && window->active();
  }
};

TEST_F(HelpMenu, AboutOpensOverADisabledPanelAndGivesItBack) {
  std::string png = freshBuildFile("about.png");
  bool shown = false;
  bool panelHeld = false;
  bool saved = false;
  double opened = clock.now();
  std::function<bool()> step = [&] {
    ui::Form* about = ui->findForm("frmHelp");
    Fl_Window* window = about == nullptr ? nullptr : ui->windowOf(*about);
    bool drawn = window != nullptr && window->shown() && clock.now() - opened > 0.5;
    if (!drawn && clock.now() - opened < 5.0) return false;
    if (about == nullptr) return true;  // nothing to close: the test reports it
    shown = drawn;
    panelHeld = !frm->form.enabled && !ui->windowOf(frm->form)->active();
    saved = drawn && ui->saveScreenshot(*about, png);
    if (window != nullptr) {
      window->do_callback();  // the close box
    } else {
      about->close();
    }
    return true;
  };
  Fl::add_timeout(0.05, everyTick, &step);
  frm->mnuHelpAbout_Click();  // returns when the box has closed
  Fl::remove_timeout(everyTick, &step);
  pumpFor(0.2);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(panelHeld);
  EXPECT_TRUE(saved);
  EXPECT_TRUE(isPng(png));
  EXPECT_EQ(ui->findForm("frmHelp"), nullptr);
  EXPECT_TRUE(panelLive());
}

TEST_F(HelpMenu, HelpPageOpensBesideThePanelAndCloses) {
  std::ifstream page(std::string(ZARVIN_SOURCE_DIR) + "/help/ZarvinV093.html");
  ASSERT_TRUE(page) << "help/ZarvinV093.html missing";
  std::stringstream html;
  html << page.rdbuf();
  folder.write("ZarvinV093.html", html.str());
  // The program opens its files in its working folder, as scripts/run arranges it.
  WorkingFolder here(folder.path());
  ASSERT_TRUE(here.ok());

  frm->mnuHelpZarvin_Click();
  pumpFor(0.5);
  Fl_Window* viewer = windowTitled("Zarvin Help");
  std::string png = freshBuildFile("help.png");
  bool found = viewer != nullptr && viewer->shown();
  EXPECT_TRUE(found) << "no help window";
  if (found) {
    // The help is read beside a live panel: the viewer is no modal window.
    EXPECT_TRUE(panelLive());
    // At the right of the 1280 x 1024 work area, wholly inside it below room for a title bar.
    std::vector<int> place{viewer->x(), viewer->y(), viewer->w(), viewer->h()};
    EXPECT_EQ(place, (std::vector<int>{636, 30, 640, 960}));
    EXPECT_TRUE(saveWindow(viewer, png));
    EXPECT_TRUE(isPng(png));
    viewer->hide();
    pumpFor(0.2);
    EXPECT_FALSE(viewer->shown());
  }
  EXPECT_TRUE(panelLive());
}

}  // namespace
