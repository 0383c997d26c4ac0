// A demo form of the controls that the FLTK renderer's tests drive, and their fixture; every
// kind of control is drawn by the tests of the real panel.
#pragma once
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/fltk/fltk_ui.h"
#include "platform/ui/form.h"

namespace fltk_test {

using ui::Control;
using ui::Kind;

inline Control& place(Control& c, int left, int top, int width, int height,
                      const std::string& caption) {
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  c.caption = caption;
  return c;
}

// A small panel with frames inside frames, a menu bar and a timer.
inline void buildDemo(ui::Form& f) {
  f.caption = "Renderer demo";
  f.width = 9000;
  f.height = 6000;
  f.backColor = ui::kPanelGrey;
  f.isMainWindow = true;
  Control& file = place(f.add(Kind::Menu, "mnuFile"), 0, 0, 0, 0, "&File");
  place(f.add(Kind::MenuItem, "mnuFileExit", -1, &file), 0, 0, 0, 0, "E&xit");
  Control& help = place(f.add(Kind::Menu, "mnuHelp"), 0, 0, 0, 0, "Help");
  place(f.add(Kind::MenuItem, "mnuHelpAbout", -1, &help), 0, 0, 0, 0, "About").enabled = false;

  Control& meter = place(f.add(Kind::Frame, "fraMeter"), 240, 240, 4200, 2400, "Meter @ & Co");
  meter.backColor = ui::kFrameGrey;
  meter.font.edit().size = 9.6;
  place(f.add(Kind::Button, "cmdMeter", -1, &meter), 240, 360, 600, 420, "->").toolTip = "Next";
  Control& lbl = place(f.add(Kind::Label, "lblMeter", -1, &meter), 960, 360, 3000, 420, "A & B");
  lbl.backColor = ui::kLightGrey;

  Control& outer = place(f.add(Kind::Frame, "Frame1"), 4680, 240, 4080, 2400, "Frequency (V)");
  outer.backColor = ui::kFrameGrey;
  Control& inner = place(f.add(Kind::Frame, "fraFreq", -1, &outer), 120, 600, 3840, 1080, "");
  for (int i = 0; i < 3; ++i) {
    Control& digit =
        place(f.add(Kind::Button, "cmdF", i, &inner), 120 + i * 840, 120, 780, 840, "0");
    digit.font = {"Courier New", 36, true};
  }

  Control& opts = place(f.add(Kind::Frame, "fraOpts"), 240, 2880, 4200, 2040, "Options");
  place(f.add(Kind::OptionButton, "optA", -1, &opts), 240, 360, 1800, 360, "Opt &A").value = 1;
  place(f.add(Kind::OptionButton, "optB", -1, &opts), 240, 780, 1800, 360, "Opt &B");
  place(f.add(Kind::CheckBox, "chkX", -1, &opts), 240, 1200, 1800, 360, "Check && X");
  Control& combo = place(f.add(Kind::ComboBox, "cmbChMode", -1, &opts), 2280, 360, 1200, 360, "U");
  combo.items = {"U", "L", "A&B", "C"};
  combo.font = {"MS Sans Serif", 10.8, false};

  place(f.add(Kind::TextBox, "txtLoadCh"), 4680, 2880, 600, 360, "00");
  Control& vsc = place(f.add(Kind::VScrollBar, "vscLoadCh"), 5340, 2880, 255, 720, "");
  vsc.min = 99;
  vsc.max = 0;
  f.add(Kind::Timer, "tmrTick").interval = 50;
}

using Point = std::pair<int, int>;

/// An event as X brings it to a window: the pointer at a place on the screen, a key (or mouse
/// button) and the modifiers (and buttons held). FLTK hands it on to an open pop-up menu. The
/// pop-up, shown last, is then Fl::first_window().
inline void xEvent(Fl_Window& window, int event, Point at, int key = 0, int state = 0) {
  static char text[2] = "";
  text[0] = static_cast<char>(key < 128 ? key : 0);
  Fl::e_x_root = at.first;
  Fl::e_y_root = at.second;
  Fl::e_x = at.first - window.x();
  Fl::e_y = at.second - window.y();
  Fl::e_keysym = key;
  Fl::e_state = state;
  Fl::e_text = text;
  Fl::e_length = text[0] != 0;
  Fl::handle(event, &window);
}

inline Point centreOf(const Fl_Widget& w) {
  return {w.window()->x() + w.x() + w.w() / 2, w.window()->y() + w.y() + w.h() / 2};
}

/// Moves the pointer onto the first item of the open pop-up.
inline void pointAtFirstItem(Fl_Window& window) {
  xEvent(window, FL_MOVE, {Fl::first_window()->x() + 9, Fl::first_window()->y() + 6});
}

/// An FLTK timeout's callback that runs the std::function<void()> it is given.
inline void runFunction(void* function) {
  (*static_cast<std::function<void()>*>(function))();
}

/// Steps that run inside whatever FLTK loop waits (an open pop-up's), one per turn of it.
struct Steps {
  std::vector<std::function<void()>> list;
  std::size_t next = 0;
  void start() { Fl::add_timeout(0.001, run, this); }
  static void run(void* data) {
    auto& s = *static_cast<Steps*>(data);
    if (s.next < s.list.size()) s.list[s.next++]();
    if (s.next < s.list.size()) Fl::repeat_timeout(0.001, run, data);
  }
};

/// Does the action and tells whether a pop-up menu opened meanwhile; one that did is closed.
inline bool opensPopup(const std::function<void()>& action) {
  bool opened = false;
  Steps close{{[&] {
    opened = Fl::grab() != nullptr;
    Fl::e_keysym = FL_Escape;
    if (opened) Fl::grab()->handle(FL_KEYBOARD);
  }}};
  close.start();
  action();
  Fl::remove_timeout(Steps::run, &close);
  return opened;
}

class FltkUiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
    ui = std::make_unique<ui::fltk::FltkUi>("Zarvin");
    form = std::make_unique<ui::Form>(*ui, "frmDemo");
    buildDemo(*form);
    form->show();
    for (int i = 0; i < 5; ++i) ui->doEvents(0.02);
  }
  void TearDown() override {
    form.reset();
    if (ui) ui->doEvents(0);
  }

 public:
  Fl_Widget& widget(const std::string& name, int index = -1) {
    Fl_Widget* w = ui->widgetOf(form->get(name, index));
    EXPECT_NE(w, nullptr) << name;
    return *w;
  }
  // Sends a synthetic mouse event to the form's window at the centre of a widget.
  void mouse(int event, Fl_Widget& target, int flButton, int dy = 0) {
    auto [x, y] = centreOf(target);
    int held = event == FL_PUSH ? (FL_BUTTON1 << (flButton - 1)) : 0;
    xEvent(*ui->windowOf(*form), event, {x, y + dy}, FL_Button + flButton, held);
  }

 protected:
  void pumpFor(double seconds) {
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) ui->doEvents(0.01);
  }

  std::unique_ptr<ui::fltk::FltkUi> ui;
  std::unique_ptr<ui::Form> form;
};

}  // namespace fltk_test
