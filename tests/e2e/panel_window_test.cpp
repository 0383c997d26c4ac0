// The front panel in a real FLTK window (Xvfb): the window is built and shown without its
// start-up, status lines go through the parser and the display dispatch, and the panel is
// saved as build/panel.png for a person to look at.
#include "tests/e2e/fltk_panel_rig.h"
// After gtest: the X11 headers define None.
#include <FL/fl_draw.H>
#include <FL/x.H>

namespace {

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

class PanelWindow : public fltk_panel::PanelTest {
 protected:
  /// What the radio's lines would do: parsed into the store, then shown.
  void receive(std::string lines) {
    frm->link.gParseInData(lines);
    frm->link.gUpdateDisplay();
  }

  /// The window's pixels as drawn, menu bar included.
  std::unique_ptr<unsigned char[]> readWindow() {
    Fl_Window* window = ui->windowOf(frm->form);
    Fl::flush();
    window->make_current();
    return std::unique_ptr<unsigned char[]>(fl_read_image(nullptr, 0, 0, window->w(), window->h()));
  }

  Rgb pixel(const unsigned char* image, int x, int y) {
    const unsigned char* p = image + 3 * (y * ui->windowOf(frm->form)->w() + x);
    return {p[0], p[1], p[2]};
  }
};

TEST_F(PanelWindow, ShowsTheRadioStatusAndSavesAScreenshot) {
  // A radio in REMOTE on 14.2 MHz USB, slow AGC, microphone, FWD meter while receiving;
  // the PTT enable is already on, so the band check sends nothing on the closed port.
  receive(
      "R1\nF1420000\nM1\nA2\nH1\n\"1\nI0\nD4\n'1\n(1\nS0\nV1\nO1\nT1\nP0714050001\n"
      "J07\nJ12\nJ09\n");
  // A garbled frequency line: the digits stay, the band check's error shows in the info box.
  receive("F14A0000\n");
  frm->lblComStat.caption = "Com OK";
  frm->lblFWType.caption = "F/W: v604M Adapt";
  frm->cmdAudio.enabled = true;
  frm->txtInData.visible = true;
  frm->txtInData.caption = "F1420000<M1<A2<H1<\"1<I0<D4<'1<(1<S0<V1<";
  pumpFor(0.1);

  Fl_Window* window = ui->windowOf(frm->form);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(window->shown());
  int bar = ui->menuBarHeight(frm->form);
  EXPECT_GT(bar, 0);
  EXPECT_EQ(window->w(), 713);  // 10692 twips
  EXPECT_EQ(window->h(), 516 + bar);
  EXPECT_STREQ(window->label(), "Zarvin 0.930 : 4-29-15:1618");
  // The window manager finds the panel's icon: its width and height lead the pixels.
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* icon = nullptr;
  XGetWindowProperty(fl_display, fl_xid(window), XInternAtom(fl_display, "_NET_WM_ICON", False), 0,
                     2, False, AnyPropertyType, &type, &format, &count, &after, &icon);
  ASSERT_EQ(count, 2u);
  const auto* size = reinterpret_cast<unsigned long*>(icon);
  EXPECT_EQ(std::make_pair(size[0], size[1]), std::make_pair(32ul, 32ul));
  XFree(icon);
  EXPECT_EQ(frm->cmdF[2]->caption, "2");
  EXPECT_EQ(frm->lblInBand.caption, "In Band");
  EXPECT_EQ(frm->lblMeter.caption, "FWD");
  EXPECT_EQ(frm->lblMeterPk.caption, " 12");
  EXPECT_EQ(frm->pbMeter.value, 9);
  EXPECT_EQ(frm->cmbChMode.caption, "U");
  EXPECT_TRUE(frm->txtInfo.visible);
  EXPECT_EQ(frm->txtInfo.caption, "gUpdateDisplay: Err 13. Type mismatch");

  // State labels and the meter scale are centred; other labels read from their left.
  auto horizontal = [&](ui::Control& c) {
    return ui->widgetOf(c)->align() & (FL_ALIGN_LEFT | FL_ALIGN_RIGHT);
  };
  EXPECT_EQ(horizontal(frm->lblUSB), 0);
  EXPECT_EQ(horizontal(frm->lblMeterScale), 0);
  EXPECT_EQ(horizontal(frm->lblInfo), FL_ALIGN_LEFT);

  ASSERT_TRUE(ui->saveScreenshot(frm->form, fltk_panel::freshBuildFile("panel.png")));

  auto image = readWindow();
  ASSERT_TRUE(image);
  // The window's grey between the border line and the groups, a group's grey inside one.
  EXPECT_EQ(pixel(image.get(), 12, bar + 300), (Rgb{128, 128, 128}));
  EXPECT_EQ(pixel(image.get(), 270, bar + 230), (Rgb{192, 192, 192}));
  // The in-band circle is green at its centre.
  EXPECT_EQ(pixel(image.get(), 266 + 232 + 9, bar + 16 + 22 + 9), (Rgb{0, 255, 0}));
  // The first VFO digit button holds dark strokes: its "1" was drawn.
  Fl_Widget* digit = ui->widgetOf(*frm->cmdF[0]);
  int dark = 0;
  for (int y = digit->y(); y < digit->y() + digit->h(); ++y) {
    for (int x = digit->x(); x < digit->x() + digit->w(); ++x) {
      Rgb p = pixel(image.get(), x, y);
      if (p.r + p.g + p.b < 150) ++dark;
    }
  }
  EXPECT_GT(dark, 60);
}

}  // namespace
