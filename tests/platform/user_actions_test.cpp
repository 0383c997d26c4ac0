#include "platform/ui/user_actions.h"

#include <gtest/gtest.h>

#include "tests/support/headless_ui.h"

namespace {

struct Window : ::testing::Test {
  Scheduler scheduler;
  HeadlessUi ui{scheduler, "/tmp"};
  ui::Form form{ui, "frmTest"};
  Window() { form.show(); }
};

TEST_F(Window, ClicksReachOnlyReachableControls) {
  ui::Control& frame = form.add(ui::Kind::Frame, "fra");
  ui::Control& button = form.add(ui::Kind::Button, "cmd", -1, &frame);
  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  EXPECT_TRUE(ui::userClick(button));
  button.enabled = false;
  EXPECT_FALSE(ui::userClick(button));  // disabled itself
  button.enabled = true;
  frame.visible = false;
  EXPECT_FALSE(ui::userClick(button));  // hidden frame
  frame.visible = true;
  form.enabled = false;
  EXPECT_FALSE(ui::userClick(button));  // window disabled under a modal child
  EXPECT_EQ(clicks, 1);
}

TEST_F(Window, ReleaseArrivesEvenAtADisabledButton) {
  ui::Control& button = form.add(ui::Kind::Button, "cmd");
  int up = 0;
  button.onMouseUp = [&](int b, int) { up = b; };
  button.enabled = false;
  EXPECT_TRUE(ui::userMouseUp(button, ui::kRightButton));
  EXPECT_EQ(up, ui::kRightButton);
}

TEST_F(Window, OptionButtonsOfOneFrameExcludeEachOther) {
  ui::Control& a = form.add(ui::Kind::OptionButton, "opt", 0);
  ui::Control& b = form.add(ui::Kind::OptionButton, "opt", 1);
  ui::Control& frame = form.add(ui::Kind::Frame, "fra");
  ui::Control& other = form.add(ui::Kind::OptionButton, "optOther", -1, &frame);
  other.value = 1;
  ui::userChooseOption(a);
  ui::userChooseOption(b);
  EXPECT_EQ(a.value, 0);
  EXPECT_EQ(b.value, 1);
  EXPECT_EQ(other.value, 1);  // another group
}

TEST_F(Window, ScrollBarValueStaysInItsRangeWhateverItsDirection) {
  ui::Control& bar = form.add(ui::Kind::VScrollBar, "vsc");
  bar.min = 99;  // top end
  bar.max = 0;   // bottom end
  int changes = 0;
  bar.onChange = [&] { ++changes; };
  ui::userSetValue(bar, 120);
  EXPECT_EQ(bar.value, 99);
  ui::userSetValue(bar, 99);  // no change, no event
  ui::userSetValue(bar, -3);
  EXPECT_EQ(bar.value, 0);
  EXPECT_EQ(changes, 2);
}

TEST_F(Window, TimersTickOnTheVirtualClockWhileEnabled) {
  ui::Control& timer = form.add(ui::Kind::Timer, "SyncTimer");
  timer.interval = 100;
  int ticks = 0;
  timer.onTimer = [&] { ++ticks; };
  double end = scheduler.time() + 1.05;
  while (scheduler.time() < end) ui.doEvents(end - scheduler.time());
  EXPECT_EQ(ticks, 10);
  timer.enabled = false;
  end = scheduler.time() + 1.0;
  while (scheduler.time() < end) ui.doEvents(end - scheduler.time());
  EXPECT_EQ(ticks, 10);
}

TEST_F(Window, ModalShowReturnsWhenTheWindowCloses) {
  ui::Form child(ui, "frmChild");
  bool unloaded = false;
  child.onUnload = [&] { unloaded = true; };
  ui.at(scheduler.time() + 3.0, [&] { child.close(); });
  child.showModal();
  EXPECT_TRUE(unloaded);
  EXPECT_NEAR(scheduler.time(), 36003.0, 0.06);
}

}  // namespace
