// Every window on a real 1280 x 1024 screen (Xvfb, no window manager): the list windows open
// over the panel's band frame wherever the panel was moved.
#include "tests/e2e/fltk_panel_rig.h"
// After gtest: the X11 headers define None.
#include <FL/x.H>

#include "lists/frmBandSelect.h"
#include "lists/frmScanBands.h"
#include "lists/frmScanFreqs.h"

namespace {

using Point = std::pair<int, int>;

class OnScreen : public fltk_panel::PanelTest {
 protected:
  // Loads and shows a window as its menu does, without waiting in it.
  template <class W>
  std::unique_ptr<W> open() {
    auto window = std::make_unique<W>(*platform, frm->link, *frm);
    window->Form_Load();
    window->form.show();
    pumpFor(0.2);
    return window;
  }
  Point at(const ui::Form& form) {
    Fl_Window* w = ui->windowOf(form);
    return {w->x(), w->y()};
  }
};

TEST_F(OnScreen, ListWindowsOpenOverTheBandFrameWhereverThePanelIs) {
  ASSERT_EQ(Point(Fl::w(), Fl::h()), Point(1280, 1024));
  Fl_Window* panel = ui->windowOf(frm->form);
  int bottom = 1024 - panel->h();
  // The panel's place; where the band list opens; where the two scanners open. All open at the
  // panel's top, 648 pixels right of its left edge (its width less the band frame's); only the
  // band list (324 x 546) is pulled back onto the screen.
  const std::pair<Point, std::pair<Point, Point>> rows[] = {
      {{10, 40}, {{658, 40}, {658, 40}}},           // left: nothing to pull back
      {{567, 40}, {{956, 40}, {1215, 40}}},         // right edge: the scanners stand out
      {{10, bottom}, {{658, 478}, {658, bottom}}},  // bottom: so do they, downwards
  };
  for (const auto& [place, expected] : rows) {
    // Moved as a window manager or the user moves it.
    XMoveWindow(fl_display, fl_xid(panel), place.first, place.second);
    pumpFor(0.2);
    EXPECT_EQ(at(open<frmBandSelect>()->form), expected.first);
    EXPECT_EQ(at(open<frmScanFreqs>()->form), expected.second);
    EXPECT_EQ(at(open<frmScanBands>()->form), expected.second);
  }
}

}  // namespace
