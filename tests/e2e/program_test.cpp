#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "tests/e2e/program_harness.h"

namespace {

int count(const std::vector<std::string>& commands, const std::string& c) {
  return static_cast<int>(std::count(commands.begin(), commands.end(), c));
}

TEST(Program, RunsAgainstTheRadioAndEndsWithG00) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
  ProgramHarness h;
  h.startProgram();
  // The link comes up and the keep-alive goes out every two seconds.
  ASSERT_TRUE(ProgramHarness::waitFor([&] { return count(h.commands(), "U") >= 3; }, 20.0))
      << "commands: " << h.commands().size();
  std::string window = h.mainWindow();
  ASSERT_FALSE(window.empty());
  EXPECT_TRUE(h.screenshot(ZARVIN_BUILD_DIR "/remote_panel.png"));
  // File > Exit, as a user would choose it from the keyboard.
  ProgramHarness::xdotool("key --window " + window + " alt+f");
  ProgramHarness::waitFor([] { return false; }, 0.5);
  ProgramHarness::xdotool("key --window " + window + " x");
  EXPECT_EQ(h.waitForExit(5.0), 0);
  ASSERT_FALSE(h.commands().empty());
  EXPECT_EQ(h.commands().back(), "G00");
}

}  // namespace
