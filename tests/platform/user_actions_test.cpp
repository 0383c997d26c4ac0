#include "platform/ui/user_actions.h"

#include <gtest/gtest.h>

#include "tests/support/headless_ui.h"

namespace {

TEST(UserActions, ReachOptionGroupsAndRanges) {
  Scheduler scheduler;
  HeadlessUi ui{scheduler, "/tmp"};
  ui::Form form{ui, "frmTest"};
  form.show();
  ui::Control& frame = form.add(ui::Kind::Frame, "fra");
  ui::Control& button = form.add(ui::Kind::Button, "cmd", -1, &frame);
  std::string seen;
  button.onClick = [&] { seen += "click "; };
  button.onMouseUp = [&](int b, int) { seen += "up" + std::to_string(b); };
  frame.visible = false;
  EXPECT_FALSE(ui::userClick(button));  // in a hidden frame
  frame.visible = true;
  button.enabled = false;
  EXPECT_FALSE(ui::userClick(button));                     // disabled itself
  EXPECT_TRUE(ui::userMouseUp(button, ui::kRightButton));  // a stepping loop waits for it
  EXPECT_EQ(seen, "up" + std::to_string(ui::kRightButton));

  ui::Control& a = form.add(ui::Kind::OptionButton, "opt", 0);
  ui::Control& b = form.add(ui::Kind::OptionButton, "opt", 1);
  ui::Control& inFrame = form.add(ui::Kind::OptionButton, "optIn", -1, &frame);
  inFrame.value = 1;
  ui::userChooseOption(a);
  ui::userChooseOption(b);
  EXPECT_EQ(std::vector<int>({a.value, b.value, inFrame.value}), std::vector<int>({0, 1, 1}));

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

}  // namespace
