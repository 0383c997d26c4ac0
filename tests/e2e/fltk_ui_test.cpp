// The FLTK renderer under a real X display (Xvfb): model changes reach the widgets, the user's
// actions reach the program, and the event wait wakes for serial input without spinning.
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Scrollbar.H>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>
#include <tuple>

#include "platform/runtime_error.h"
#include "platform/serial/termios_port.h"
#include "tests/e2e/fltk_demo_form.h"
#include "tests/support/temp_folder.h"

namespace {

using fltk_test::FltkUiTest;
using fltk_test::Steps;
using fltk_test::xEvent;
using ui::Control;

TEST_F(FltkUiTest, ClickRunsFromDoEventsWithTheLeftButtonOnly) {
  int clicks = 0;
  form->get("cmdMeter").onClick = [&] { ++clicks; };
  auto click = [&](int button) {
    mouse(FL_PUSH, widget("cmdMeter"), button);
    mouse(FL_RELEASE, widget("cmdMeter"), button);
  };
  click(FL_LEFT_MOUSE);
  click(FL_RIGHT_MOUSE);
  EXPECT_EQ(clicks, 0);  // not from the widget's callback
  ui->doEvents(0);
  EXPECT_EQ(clicks, 1);
  // So the program's exceptions leave doEvents, never an FLTK callback.
  form->get("cmdMeter").onClick = [] { throw ProgramEnd{3}; };
  click(FL_LEFT_MOUSE);
  EXPECT_THROW(ui->doEvents(0), ProgramEnd);
}

TEST_F(FltkUiTest, PressLoopSeesTheReleaseWithEachMouseButton) {
  for (auto [flButton, expected] :
       {std::pair{FL_LEFT_MOUSE, ui::kLeftButton}, std::pair{FL_RIGHT_MOUSE, ui::kRightButton},
        std::pair{FL_MIDDLE_MOUSE, ui::kMiddleButton}}) {
    Control& digit = form->get("cmdF", 2);
    int down = 0, up = 0;
    digit.onMouseUp = [&](int b, int) { up = b; };
    digit.onMouseDown = [&](int b, int) {
      down = b;
      digit.enabled = false;  // the release must come through even so
      for (int i = 0; i < 300 && up == 0; ++i) ui->doEvents(0.01);
      digit.enabled = true;
    };
    std::function<void()> release = [this, b = flButton] {
      mouse(FL_RELEASE, widget("cmdF", 2), b);
    };
    Fl::add_timeout(
        0.02, [](void* f) { (*static_cast<std::function<void()>*>(f))(); }, &release);
    mouse(FL_PUSH, widget("cmdF", 2), flButton);
    ui->doEvents(0);
    EXPECT_EQ(std::pair(down, up), std::pair(expected, expected));
  }
}

TEST_F(FltkUiTest, UserInputReachesTheModel) {
  int changes = 0, focused = 0, exits = 0;
  form->get("txtLoadCh").onChange = [&] { ++changes; };
  form->get("txtLoadCh").onGotFocus = [&] { ++focused; };
  form->get("mnuFileExit").onClick = [&] { ++exits; };
  widget("txtLoadCh").take_focus();  // text reaches the model from the focused box only
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
  auto& menu = static_cast<Fl_Menu_Bar&>(widget("mnuFileExit"));
  menu.picked(menu.find_item("&File/E&xit"));
  ui->doEvents(0);
  EXPECT_EQ(form->get("txtLoadCh").caption, "42");
  EXPECT_EQ(std::vector<int>({changes, focused, exits}), std::vector<int>({1, 1, 1}));
  EXPECT_EQ(std::pair(form->get("optA").value.get(), form->get("optB").value.get()),
            std::pair(0, 1));
  EXPECT_EQ(form->get("vscLoadCh").value, 7);
  EXPECT_EQ(form->get("cmbChMode").caption, "A&B");
  EXPECT_EQ(form->get("chkX").value, 1);
  // A disabled menu item is greyed until the model enables it.
  EXPECT_FALSE(menu.find_item("Help/About")->active());
  form->get("mnuHelpAbout").enabled = true;
  ui->doEvents(0);
  EXPECT_TRUE(menu.find_item("Help/About")->active());
}

TEST_F(FltkUiTest, ShortScrollBarStepsWithItsArrows) {
  Fl_Widget& bar = widget("vscLoadCh");
  auto clickAt = [&](int dy) {
    mouse(FL_PUSH, bar, FL_LEFT_MOUSE, dy);
    mouse(FL_RELEASE, bar, FL_LEFT_MOUSE, dy);
  };
  clickAt(-bar.h() / 4);  // upper arrow: towards min (99)
  ui->doEvents(0);
  EXPECT_EQ(form->get("vscLoadCh").value, 1);
  clickAt(bar.h() / 4);
  clickAt(bar.h() / 4);  // already at max (0): no change
  ui->doEvents(0);
  EXPECT_EQ(form->get("vscLoadCh").value, 0);
}

TEST_F(FltkUiTest, TimerTicksWhileEnabled) {
  int ticks = 0, depth = 0, deepest = 0;
  form->get("tmrTick").onTimer = [&] {
    deepest = std::max(deepest, ++depth);
    if (++ticks == 3) pumpFor(0.2);  // the third yields for four intervals
    --depth;
  };
  pumpFor(0.12);
  EXPECT_GE(ticks, 2);  // every 50 ms of real time
  pumpFor(0.1);
  EXPECT_EQ(deepest, 1);  // never nested inside the tick that yields
  // A tick queued before the timer was disabled does not run, though it is enabled again.
  auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(60);
  while (std::chrono::steady_clock::now() < until) Fl::wait(0.06);  // queues, runs no tick
  int queued = ticks;
  form->get("tmrTick").enabled = false;
  form->get("tmrTick").enabled = true;
  ui->doEvents(0);
  EXPECT_EQ(ticks, queued);
  form->get("tmrTick").enabled = false;
  ui->doEvents(0);
  int stopped = ticks;
  pumpFor(0.1);
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
  form.reset();  // closed by its own window's event, the form goes, as a child window does
  ui->doEvents(0.01);
}

TEST_F(FltkUiTest, ReturnPressesTheFocusedCommandButtonOnly) {
  int clicks = 0;
  for (const char* name : {"cmdMeter", "optB", "chkX"}) form->get(name).onClick = [&] { ++clicks; };
  // The focused control, the key, the clicks: Space keeps its meaning; the focus stays.
  const std::tuple<const char*, int, int> rows[] = {
      {"cmdMeter", FL_Enter, 1}, {"cmdMeter", FL_KP_Enter, 1}, {"cmdMeter", ' ', 1},
      {"optB", FL_Enter, 0},     {"chkX", FL_Enter, 0},        {"txtLoadCh", FL_Enter, 0}};
  for (auto [name, key, expected] : rows) {
    clicks = 0;
    widget(name).take_focus();
    xEvent(*ui->windowOf(*form), FL_KEYBOARD, {0, 0}, key);
    ui->doEvents(0);
    EXPECT_EQ(clicks, expected) << name << " " << key;
    EXPECT_EQ(Fl::focus(), &widget(name)) << name << " " << key;
  }
}

TEST_F(FltkUiTest, AMenuChangedWhileItsPopUpIsOpenPicksNoOtherItem) {
  // File: "Exit", "Open". No code of the program runs inside a pop-up's loop today; should a
  // change reach the menu bar there, the pop-up keeps the items it shows.
  Control& exit = form->get("mnuFileExit");
  Control& open = form->add(ui::Kind::MenuItem, "mnuFileOpen", -1, &form->get("mnuFile"));
  open.caption = "Open";
  int clicks = 0;
  exit.onClick = open.onClick = [&] { ++clicks; };
  ui->doEvents(0);
  Fl_Window& window = *ui->windowOf(*form);
  // Alt+F; Exit disabled and hidden meanwhile; Return on the first row, Exit's.
  auto takeExit = [&] { exit.enabled = exit.visible = false, ui->doEvents(0); };
  auto enter = [&] { xEvent(window, FL_KEYBOARD, {0, 0}, FL_Enter); };
  Steps steps{{takeExit, [&] { fltk_test::pointAtFirstItem(window); }, enter}};
  steps.start();
  xEvent(window, FL_KEYBOARD, {0, 0}, 'f', FL_ALT);
  ui->doEvents(0);
  EXPECT_EQ(clicks, 0);  // not Open
  auto& bar = static_cast<Fl_Menu_Bar&>(widget("mnuFile"));
  EXPECT_FALSE(bar.find_item("&File/E&xit")->visible());  // once the pop-up has closed
}

// A signal's request to end, raised inside FLTK's own loops: the message box returns and the
// menu closes without choosing, so that the program's end runs, once, even when it waits.
TEST_F(FltkUiTest, AnEndRequestEndsAMessageBoxOrAMenuAndIsServedOnce) {
  int ends = 0, exits = 0;
  form->get("mnuFileExit").onClick = [&] { ++exits; };
  ui->onEndRequest = [&] {
    ++ends;
    ui->requestEnd();
    ui->doEvents(0.01);
  };
  bool leftOpen = false;  // closed by the test instead, so that a failure does not hang
  std::function<void()> closeWhatIsOpen = [&] {
    leftOpen = true;
    Fl::e_keysym = FL_Escape;
    if (Fl::grab() != nullptr) Fl::grab()->handle(FL_KEYBOARD);
    if (Fl::modal() != nullptr) Fl::modal()->hide();
  };
  auto signalInside = [&](const std::function<void()>& open) {
    Steps signal{{[&] { ui->requestEnd(); }}};
    signal.start();
    Fl::add_timeout(0.5, fltk_test::runFunction, &closeWhatIsOpen);
    open();
    Fl::remove_timeout(fltk_test::runFunction, &closeWhatIsOpen);
  };
  signalInside([&] { EXPECT_THROW(ui->messageBox("Held open"), ProgramEnd); });
  EXPECT_FALSE(leftOpen);
  signalInside([&] { xEvent(*ui->windowOf(*form), FL_KEYBOARD, {0, 0}, 'f', FL_ALT); });
  EXPECT_FALSE(leftOpen);
  EXPECT_NO_THROW(ui->doEvents(0));  // served once: the first request ended the program
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(exits, 0);
}

TEST_F(FltkUiTest, ModelChangesReachTheWidgetsAtTheNextDoEvents) {
  // The window is the client area below the menu bar; a control in frames sits at their sum.
  int bar = ui->menuBarHeight(*form);
  EXPECT_GT(bar, 0);
  EXPECT_EQ(ui->windowOf(*form)->h(), 6000 / 15 + bar);
  Fl_Widget& digit = widget("cmdF", 1);
  EXPECT_EQ(digit.y(), bar + (240 + 600 + 120) / 15);
  EXPECT_EQ(digit.labelfont(), FL_COURIER_BOLD);
  EXPECT_EQ(digit.labelsize(), 48);
  form->get("fraFreq").left = 240;
  form->get("lblMeter").caption = "Pk @ 5";
  form->get("lblMeter").backColor = ui::kRed;
  form->get("cmdMeter").enabled = false;
  form->get("vscLoadCh").value = 42;
  form->caption = "Renamed";
  form->enabled = false;
  ui->doEvents(0);
  EXPECT_EQ(digit.x(), (4680 + 240 + 120 + 840) / 15);
  EXPECT_STREQ(widget("lblMeter").label(), "Pk @@ 5");  // shown as written, not as a symbol
  EXPECT_EQ(widget("lblMeter").color(), fl_rgb_color(255, 0, 0));
  EXPECT_FALSE(widget("cmdMeter").active());
  EXPECT_EQ(static_cast<Fl_Scrollbar&>(widget("vscLoadCh")).value(), 42);
  EXPECT_STREQ(ui->windowOf(*form)->label(), "Renamed");
  EXPECT_FALSE(ui->windowOf(*form)->active());
}

TEST_F(FltkUiTest, WatchedDescriptorEndsTheWaitWhenInputArrives) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  form->get("tmrTick").enabled = false;
  ui->watchFileDescriptor(fds[0]);
  std::thread writer([fd = fds[1]] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(write(fd, "x", 1), 1);
  });
  auto start = std::chrono::steady_clock::now();
  ui->doEvents(3.0);
  auto woke = std::chrono::steady_clock::now();
  writer.join();
  EXPECT_LT(std::chrono::duration<double>(woke - start).count(), 1.0);
  // With the byte still unread each wait runs its course: no busy wake-ups.
  int waits = 0;
  for (auto until = woke + std::chrono::milliseconds(200); std::chrono::steady_clock::now() < until;
       ++waits) {
    ui->doEvents(0.05);
  }
  EXPECT_LT(waits, 20);
  ui->watchFileDescriptor(-1);
  close(fds[0]);
  close(fds[1]);
  // FLTK's own loops (a message box, an open menu) leave a posted event queued: they must
  // still sleep rather than be woken again and again.
  ui->post([] {});
  waits = 0;
  for (auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
       std::chrono::steady_clock::now() < until; ++waits) {
    Fl::wait(0.05);
  }
  EXPECT_LT(waits, 20);
  ui->doEvents(0);
}

// Input that arrives after the program's last look at the port, before the wait would arm
// its watch, ends the wait: the port arms it whenever it has read everything.
TEST_F(FltkUiTest, InputAfterThePortsLastLookEndsTheWait) {
  form->get("tmrTick").enabled = false;
  TempFolder folder;
  int radio = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_TRUE(radio >= 0 && grantpt(radio) == 0 && unlockpt(radio) == 0);
  ASSERT_EQ(symlink(ptsname(radio), folder.file("COM1").c_str()), 0);
  TermiosSerialPort port(folder.path());
  port.onDescriptorToWatch = [this](int fd) { ui->watchFileDescriptor(fd); };
  port.setPortOpen(true);
  for (std::string answer : {"U\n", "F1425000\n", "K\n"}) {
    if (answer == "K\n") ui->watchFileDescriptor(-1);  // the last comes with no watch armed
    ASSERT_EQ(write(radio, answer.data(), answer.size()), static_cast<ssize_t>(answer.size()));
    pollfd arrived{port.fileDescriptor(), POLLIN, 0};
    ASSERT_EQ(poll(&arrived, 1, 1000), 1);
    if (answer == "K\n") ui->watchFileDescriptor(port.fileDescriptor());
    auto start = std::chrono::steady_clock::now();
    ui->doEvents(3.0);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 1.0);
    EXPECT_EQ(port.input(), answer);  // the pass's look, after which the next answer comes
  }
  close(radio);
}

}  // namespace
