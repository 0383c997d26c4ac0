// Press-and-hold on a frequency digit in the real FLTK window: the program steps the radio
// while the button is held and stops at the release.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "link/front_panel.h"
#include "platform/ui/fltk/menu_bar_view.h"
#include "platform/ui/fltk/units.h"
#include "tests/e2e/program_harness.h"
#include "tests/support/headless_ui.h"
#include "tests/support/temp_folder.h"

namespace {

struct Point {
  int x;
  int y;
};

/// The centre of a main-window control in window pixels, from the window's own layout: each
/// control sits inside its frame, and the frames below the menu bar.
Point centreOf(const std::string& name, int index) {
  TempFolder folder;
  Scheduler scheduler;
  HeadlessUi headless(scheduler, folder.path());
  FrontPanel panel(headless);
  const ui::Control& target = panel.form.get(name, index);
  Point p{ui::fltk::twipsToPixels(target.width) / 2,
          ui::fltk::MenuBarView::kHeight + ui::fltk::twipsToPixels(target.height) / 2};
  for (const ui::Control* c = &target; c != nullptr; c = c->container()) {
    p.x += ui::fltk::twipsToPixels(c->left);
    p.y += ui::fltk::twipsToPixels(c->top);
  }
  return p;
}

std::vector<std::string> freqCommands(const std::vector<std::string>& commands, size_t from) {
  std::vector<std::string> found;
  for (size_t i = from; i < commands.size(); ++i) {
    if (commands[i].size() == 8 && commands[i][0] == 'F') found.push_back(commands[i]);
  }
  return found;
}

TEST(DigitHold, RightButtonHeldOnADigitStepsTheRadioDownUntilReleased) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
  ProgramHarness h;
  h.startProgram();
  // The keep-alive shows that the REMOTE set-up is done and the main loop runs.
  ASSERT_TRUE(ProgramHarness::waitFor(
      [&] {
        for (const std::string& c : h.commands()) {
          if (c == "U") return true;
        }
        return false;
      },
      20.0));
  std::string window = h.mainWindow();
  ASSERT_FALSE(window.empty());
  // The 100 Hz digit of 14.25000 MHz, held with the right button for about a second.
  Point digit = centreOf("cmdF", 5);
  size_t before = h.commands().size();
  ASSERT_TRUE(ProgramHarness::xdotool("mousemove --window " + window + " " +
                                      std::to_string(digit.x) + " " + std::to_string(digit.y)));
  ASSERT_TRUE(ProgramHarness::xdotool("mousedown 3"));
  ProgramHarness::waitFor([] { return false; }, 1.2);
  ASSERT_TRUE(ProgramHarness::xdotool("mouseup 3"));
  // A step under way when the button came up may still go out; then nothing more.
  ProgramHarness::waitFor([] { return false; }, 0.6);
  std::vector<std::string> held = freqCommands(h.commands(), before);
  ProgramHarness::waitFor([] { return false; }, 1.5);
  std::vector<std::string> after = freqCommands(h.commands(), before);

  ASSERT_GE(held.size(), 2u);
  int expected = 1425000;
  for (const std::string& sent : held) {
    expected -= 10;
    EXPECT_EQ(std::stoi(sent.substr(1)), expected) << sent;
  }
  EXPECT_EQ(after, held);  // none after the release
}

}  // namespace
