#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "tests/e2e/program_harness.h"

namespace {

namespace fs = std::filesystem;

int count(const std::vector<std::string>& commands, const std::string& c) {
  return static_cast<int>(std::count(commands.begin(), commands.end(), c));
}

/// Adds the devices that process pid holds open now, but the pseudo-terminals and /dev/null,
/// to `devices`.
void addOpenDevices(pid_t pid, std::set<std::string>& devices) {
  std::error_code error;
  for (const auto& fd : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
    std::string target = fs::read_symlink(fd.path(), error).string();
    bool device = target.rfind("/dev/", 0) == 0 && target != "/dev/null";
    if (device && target.rfind("/dev/pts/", 0) != 0) devices.insert(target);
  }
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

TEST(Program, ComesBackWhenTheRadioReturnsUnderItsName) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
  ProgramHarness h;
  h.startProgram();
  ASSERT_TRUE(ProgramHarness::waitFor([&] { return count(h.commands(), "U") >= 1; }, 20.0));
  // The radio goes away with its link and comes back under the same name 5 s later.
  h.stopRadio();
  std::set<std::string> devices;
  auto watch = [&] {
    addOpenDevices(h.programPid(), devices);
    return false;
  };
  ProgramHarness::waitFor(watch, 5.0);
  int keepAlives = count(h.commands(), "U");
  h.startRadio();
  EXPECT_TRUE(ProgramHarness::waitFor(
      [&] { return watch() || count(h.commands(), "U") > keepAlives; }, 10.0));
  EXPECT_EQ(devices, std::set<std::string>());
}

}  // namespace
