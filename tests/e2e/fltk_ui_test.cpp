// The FLTK renderer under a real X display (Xvfb): model changes reach the widgets, and the
// event wait wakes for serial input without spinning.
#include <FL/Fl_Scrollbar.H>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/serial/termios_port.h"
#include "tests/e2e/fltk_demo_form.h"
#include "tests/support/temp_folder.h"

namespace {

using fltk_test::FltkUiTest;

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
