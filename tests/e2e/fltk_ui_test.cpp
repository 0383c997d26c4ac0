// The FLTK renderer under a real X display (Xvfb): windows, layout, syncing, services.
#include <FL/Fl_Scrollbar.H>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <string>
#include <thread>

#include "tests/e2e/fltk_demo_form.h"

namespace {

using fltk_test::FltkUiTest;
using fltk_test::place;
using ui::Control;
using ui::Kind;

TEST_F(FltkUiTest, WindowIsTheClientAreaBelowTheMenuBar) {
  Fl_Window* window = ui->windowOf(*form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->shown());
  EXPECT_GT(ui->menuBarHeight(*form), 0);
  EXPECT_EQ(window->w(), 9000 / 15);
  EXPECT_EQ(window->h(), 6000 / 15 + ui->menuBarHeight(*form));
  EXPECT_STREQ(window->label(), "Renderer demo");
}

TEST_F(FltkUiTest, ControlsInFramesArePlacedInWindowCoordinates) {
  int bar = ui->menuBarHeight(*form);
  Fl_Widget& digit = widget("cmdF", 1);
  EXPECT_EQ(digit.x(), (4680 + 120 + 120 + 840) / 15);
  EXPECT_EQ(digit.y(), bar + (240 + 600 + 120) / 15);
  EXPECT_EQ(digit.w(), 780 / 15);
  EXPECT_EQ(digit.labelfont(), FL_COURIER_BOLD);
  EXPECT_EQ(digit.labelsize(), 48);
  EXPECT_EQ(widget("cmdMeter").labelfont(), FL_HELVETICA_BOLD);
  EXPECT_EQ(widget("cmdMeter").labelsize(), 14);
  form->get("fraFreq").left = 240;
  ui->doEvents(0);
  EXPECT_EQ(digit.x(), (4680 + 240 + 120 + 840) / 15);
}

TEST_F(FltkUiTest, ModelChangesReachTheWidgetsAtTheNextDoEvents) {
  EXPECT_STREQ(widget("lblAt").label(), "x@@y @@");  // shown as written, not as symbols
  EXPECT_STREQ(widget("lblMeter").label(), "A & B");
  form->get("lblMeter").caption = "Pk @ 5";
  form->get("lblMeter").backColor = ui::kRed;
  form->get("cmdMeter").enabled = false;
  form->get("shaInBand").visible = false;
  form->get("pbMeter").value = 3;
  form->get("vscLoadCh").value = 42;
  form->caption = "Renamed";
  ui->doEvents(0);
  EXPECT_STREQ(widget("lblMeter").label(), "Pk @@ 5");
  EXPECT_EQ(widget("lblMeter").color(), fl_rgb_color(255, 0, 0));
  EXPECT_FALSE(widget("cmdMeter").active());
  EXPECT_FALSE(widget("shaInBand").visible());
  auto& bar = static_cast<Fl_Scrollbar&>(widget("vscLoadCh"));
  EXPECT_EQ(bar.value(), 42);
  EXPECT_EQ(bar.minimum(), 99);
  EXPECT_STREQ(ui->windowOf(*form)->label(), "Renamed");
  form->enabled = false;
  ui->doEvents(0);
  EXPECT_FALSE(ui->windowOf(*form)->active());
}

TEST_F(FltkUiTest, ChildFormWindowGoesWithItsForm) {
  auto child = std::make_unique<ui::Form>(*ui, "frmChild");
  child->width = 3000;
  child->height = 2000;
  place(child->add(Kind::Button, "cmdOK"), 120, 120, 1200, 400, "OK").onClick = [] {};
  child->show();
  ui->doEvents(0);
  ASSERT_NE(ui->windowOf(*child), nullptr);
  EXPECT_EQ(ui->windowOf(*child)->h(), 2000 / 15);
  ui->widgetOf(child->get("cmdOK"))->do_callback();  // queued, then dropped with the form
  child.reset();
  ui->doEvents(0);
  SUCCEED();
}

TEST_F(FltkUiTest, MessageBoxReturnsWhenClosed) {
  Fl::add_timeout(0.2, [](void*) {
    if (Fl::modal() != nullptr) Fl::modal()->hide();
  });
  ui->messageBox("Port & line @ COM3 not found");
  SUCCEED();
}

TEST_F(FltkUiTest, WatchedDescriptorEndsTheWaitWhenInputArrives) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  form->get("tmrTick").enabled = false;
  ui->watchFileDescriptor(fds[0]);
  std::thread writer([fd = fds[1]] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(write(fd, "x", 1), 1);
  });
  auto start = std::chrono::steady_clock::now();
  ui->doEvents(3.0);
  auto woke = std::chrono::steady_clock::now();
  writer.join();
  EXPECT_LT(std::chrono::duration<double>(woke - start).count(), 1.0);
  // The byte is still unread: the waits run their course (a window event may end one early),
  // not a busy wake-up after the other.
  int waits = 0;
  for (auto until = woke + std::chrono::milliseconds(300); std::chrono::steady_clock::now() < until;
       ++waits) {
    ui->doEvents(0.1);
  }
  EXPECT_LT(waits, 20);
  ui->watchFileDescriptor(-1);
  close(fds[0]);
  close(fds[1]);
}

TEST_F(FltkUiTest, IdleLoopUsesLittleCpu) {
  std::clock_t cpuStart = std::clock();
  auto wallStart = std::chrono::steady_clock::now();
  form->get("tmrTick").enabled = false;
  pumpFor(0.5);
  double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  EXPECT_LT(cpu, 0.25 * wall);
}

}  // namespace
