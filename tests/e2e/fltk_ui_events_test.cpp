// The FLTK renderer under a real X display (Xvfb): the user's actions reach the program.
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Scrollbar.H>

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

#include "platform/runtime_error.h"
#include "tests/e2e/fltk_demo_form.h"

namespace {

using fltk_test::FltkUiTest;
using fltk_test::place;
using ui::Control;
using ui::Kind;

TEST_F(FltkUiTest, ClickRunsOnClickFromDoEventsNotFromTheCallback) {
  int clicks = 0;
  form->get("cmdMeter").onClick = [&] { ++clicks; };
  mouse(FL_PUSH, widget("cmdMeter"), FL_LEFT_MOUSE);
  mouse(FL_RELEASE, widget("cmdMeter"), FL_LEFT_MOUSE);
  EXPECT_EQ(clicks, 0);
  ui->doEvents(0);
  EXPECT_EQ(clicks, 1);
  mouse(FL_PUSH, widget("cmdMeter"), FL_RIGHT_MOUSE);  // the right button does not click
  mouse(FL_RELEASE, widget("cmdMeter"), FL_RIGHT_MOUSE);
  ui->doEvents(0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(FltkUiTest, PressLoopSeesTheReleaseWithEachMouseButton) {
  for (auto [flButton, expected] :
       {std::pair{FL_LEFT_MOUSE, 1}, std::pair{FL_RIGHT_MOUSE, 2}, std::pair{FL_MIDDLE_MOUSE, 4}}) {
    Control& digit = form->get("cmdF", 2);
    int down = 0, up = 0;
    digit.onMouseUp = [&](int button, int) { up = button; };
    digit.onMouseDown = [&](int button, int) {
      down = button;
      digit.enabled = false;  // the release must come through even so
      for (int i = 0; i < 300 && up == 0; ++i) ui->doEvents(0.01);
      digit.enabled = true;
    };
    struct Release {
      FltkUiTest* test;
      int button;
    } release{this, flButton};
    Fl::add_timeout(
        0.1,
        [](void* r) {
          auto* rel = static_cast<Release*>(r);
          rel->test->mouse(FL_RELEASE, rel->test->widget("cmdF", 2), rel->button);
        },
        &release);
    mouse(FL_PUSH, widget("cmdF", 2), flButton);
    ui->doEvents(0);
    EXPECT_EQ(down, expected);
    EXPECT_EQ(up, expected);
  }
}

TEST_F(FltkUiTest, RealPointerPressAndReleaseThroughXdotool) {
  if (std::system("command -v xdotool >/dev/null 2>&1") != 0) GTEST_SKIP() << "no xdotool";
  Control& digit = form->get("cmdF", 0);
  Fl_Widget& w = widget("cmdF", 0);
  Fl_Window* window = ui->windowOf(*form);
  int down = 0, up = 0;
  digit.onMouseUp = [&](int button, int) { up = button; };
  digit.onMouseDown = [&](int button, int) {
    down = button;
    for (int i = 0; i < 300 && up == 0; ++i) ui->doEvents(0.01);
  };
  // The window must be mapped where FLTK thinks it is before the pointer goes there.
  for (int i = 0; i < 30; ++i) ui->doEvents(0.01);
  std::string command =
      "xdotool mousemove --sync " + std::to_string(window->x_root() + w.x() + 10) + " " +
      std::to_string(window->y_root() + w.y() + 10) + " mousedown 3 sleep 0.3 mouseup 3 &";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (int i = 0; i < 300 && up == 0; ++i) ui->doEvents(0.01);
  EXPECT_EQ(down, ui::kRightButton);
  EXPECT_EQ(up, ui::kRightButton);
}

TEST_F(FltkUiTest, UserInputReachesTheModel) {
  int changes = 0;
  form->get("txtLoadCh").onChange = [&] { ++changes; };
  auto& input = static_cast<Fl_Input&>(widget("txtLoadCh"));
  input.value("42");
  input.do_callback();
  static_cast<Fl_Button&>(widget("optB")).setonly();
  widget("optB").do_callback();
  auto& bar = static_cast<Fl_Scrollbar&>(widget("vscLoadCh"));
  bar.value(7);
  bar.do_callback();
  // A combo box is a group of its text field and its list button.
  auto* list = static_cast<Fl_Menu_Button*>(static_cast<Fl_Group&>(widget("cmbChMode")).child(1));
  list->picked(&list->menu()[2]);
  widget("chkX").do_callback();
  int focused = 0;
  form->get("txtLoadCh").onGotFocus = [&] { ++focused; };
  widget("txtLoadCh").take_focus();
  auto& menu = static_cast<Fl_Menu_Bar&>(widget("mnuFileExit"));
  int exits = 0;
  form->get("mnuFileExit").onClick = [&] { ++exits; };
  menu.picked(menu.find_item("&File/E&xit"));
  ui->doEvents(0);
  EXPECT_EQ(form->get("txtLoadCh").caption, "42");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(form->get("optA").value, 0);
  EXPECT_EQ(form->get("optB").value, 1);
  EXPECT_EQ(form->get("vscLoadCh").value, 7);
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(form->get("cmbChMode").caption, "A&B");
  EXPECT_EQ(form->get("chkX").value, 1);
  EXPECT_EQ(focused, 1);
  const Fl_Menu_Item* about = menu.find_item("Help/About");
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(about->active());
  form->get("mnuHelpAbout").enabled = true;
  ui->doEvents(0);
  EXPECT_TRUE(menu.find_item("Help/About")->active());
}

TEST_F(FltkUiTest, ShortScrollBarStepsWithItsArrows) {
  Fl_Widget& bar = widget("vscLoadCh");
  mouse(FL_PUSH, bar, FL_LEFT_MOUSE, -bar.h() / 4);  // upper arrow: towards min (99)
  mouse(FL_RELEASE, bar, FL_LEFT_MOUSE, -bar.h() / 4);
  ui->doEvents(0);
  EXPECT_EQ(form->get("vscLoadCh").value, 1);
  mouse(FL_PUSH, bar, FL_LEFT_MOUSE, bar.h() / 4);
  mouse(FL_RELEASE, bar, FL_LEFT_MOUSE, bar.h() / 4);
  mouse(FL_PUSH, bar, FL_LEFT_MOUSE, bar.h() / 4);  // already at max (0): no change
  mouse(FL_RELEASE, bar, FL_LEFT_MOUSE, bar.h() / 4);
  ui->doEvents(0);
  EXPECT_EQ(form->get("vscLoadCh").value, 0);
}

TEST_F(FltkUiTest, TimerTicksWhileEnabled) {
  int ticks = 0;
  form->get("tmrTick").onTimer = [&] { ++ticks; };
  pumpFor(0.3);
  EXPECT_GE(ticks, 3);
  form->get("tmrTick").enabled = false;
  ui->doEvents(0);
  int stopped = ticks;
  pumpFor(0.2);
  EXPECT_EQ(ticks, stopped);
}

TEST_F(FltkUiTest, CloseBoxClosesTheFormButEscapeDoesNot) {
  bool asked = false;
  form->onQueryUnload = [&](bool&) { asked = true; };
  Fl_Window* window = ui->windowOf(*form);
  Fl::e_number = FL_SHORTCUT;
  Fl::e_keysym = FL_Escape;
  window->do_callback();
  ui->doEvents(0);
  EXPECT_FALSE(asked);
  Fl::e_number = FL_CLOSE;
  window->do_callback();
  ui->doEvents(0);
  EXPECT_TRUE(asked);
  EXPECT_TRUE(form->unloaded());
  EXPECT_FALSE(window->shown());
}

TEST_F(FltkUiTest, ExceptionsOfEventCodeLeaveDoEvents) {
  form->get("cmdMeter").onClick = [] { throw ProgramEnd{3}; };
  mouse(FL_PUSH, widget("cmdMeter"), FL_LEFT_MOUSE);
  mouse(FL_RELEASE, widget("cmdMeter"), FL_LEFT_MOUSE);
  EXPECT_THROW(ui->doEvents(0), ProgramEnd);
}

}  // namespace
