// The real program end to end (build/zarvin against build/radiosim on a pseudo-terminal, in a
// real X window): it reaches REMOTE, answers a held mouse button, finds the radio again when
// it returns under its link, and ends with "G00" when the user chooses File > Exit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "link/front_panel.h"
#include "platform/ui/fltk/menu_bar_view.h"
#include "platform/ui/fltk/units.h"
#include "tests/e2e/program_harness.h"
#include "tests/support/headless_ui.h"

namespace {

namespace fs = std::filesystem;

int count(const std::vector<std::string>& commands, const std::string& c) {
  return static_cast<int>(std::count(commands.begin(), commands.end(), c));
}

/// The frequency commands from index `from` of the radio's log on.
std::vector<std::string> freqCommands(const std::vector<std::string>& commands, size_t from) {
  std::vector<std::string> found;
  for (size_t i = from; i < commands.size(); ++i) {
    if (commands[i].size() == 8 && commands[i][0] == 'F') found.push_back(commands[i]);
  }
  return found;
}

/// "x y": the centre of a main-window control in window pixels, from the window's own layout
/// (each control inside its frame, the frames below the menu bar).
std::string centreOf(const std::string& name, int index) {
  TempFolder folder;
  Scheduler scheduler;
  HeadlessUi headless(scheduler, folder.path());
  FrontPanel panel(headless);
  const ui::Control& target = panel.form.get(name, index);
  int x = ui::fltk::twipsToPixels(target.width) / 2;
  int y = ui::fltk::MenuBarView::kHeight + ui::fltk::twipsToPixels(target.height) / 2;
  for (const ui::Control* c = &target; c != nullptr; c = c->container()) {
    x += ui::fltk::twipsToPixels(c->left);
    y += ui::fltk::twipsToPixels(c->top);
  }
  return std::to_string(x) + " " + std::to_string(y);
}

/// Adds the devices that process pid holds open now, but pseudo-terminals and /dev/null.
void addOpenDevices(pid_t pid, std::set<std::string>& devices) {
  std::error_code error;
  for (const auto& fd : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
    std::string target = fs::read_symlink(fd.path(), error).string();
    bool device = target.rfind("/dev/", 0) == 0 && target != "/dev/null";
    if (device && target.rfind("/dev/pts/", 0) != 0) devices.insert(target);
  }
}

void sleepFor(double seconds) {
  ProgramHarness::waitFor([] { return false; }, seconds);
}

TEST(Program, RunsAgainstTheRadioFindsItAgainAndEndsWithG00) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
  ProgramHarness h;
  h.startProgram();
  // The first keep-alive: the REMOTE set-up is done and the main loop runs.
  ASSERT_TRUE(ProgramHarness::waitFor([&] { return count(h.commands(), "U") >= 1; }, 20.0));
  std::string window = h.mainWindow();
  ASSERT_FALSE(window.empty());
  EXPECT_TRUE(h.screenshot(ZARVIN_BUILD_DIR "/remote_panel.png"));

  // The 100 Hz digit of 14.25000 MHz held with the right button: one step down per pass
  // (0.05 s, the answer, 0.3 s), none after the release but one under way.
  size_t before = h.commands().size();
  ASSERT_TRUE(ProgramHarness::xdotool("mousemove --window " + window + " " + centreOf("cmdF", 5) +
                                      " mousedown 3 sleep 0.9 mouseup 3"));
  sleepFor(0.5);
  std::vector<std::string> held = freqCommands(h.commands(), before);
  ASSERT_GE(held.size(), 2u);
  for (size_t k = 0; k < held.size(); ++k) {
    EXPECT_EQ(std::stoi(held[k].substr(1)), 1425000 - 10 * static_cast<int>(k + 1)) << held[k];
  }

  // The radio goes away with its link and is back under the same name a moment later: the
  // program's next reopen (every 5 s) finds it and polls it again, holding no other device
  // (no port table) meanwhile.
  h.stopRadio();
  std::set<std::string> devices;
  auto watch = [&] {
    addOpenDevices(h.programPid(), devices);
    return false;
  };
  ProgramHarness::waitFor(watch, 0.6);
  int polls = count(h.commands(), "?");
  h.startRadio();
  EXPECT_TRUE(
      ProgramHarness::waitFor([&] { return watch() || count(h.commands(), "?") > polls; }, 10.0));
  EXPECT_EQ(devices, std::set<std::string>());
  EXPECT_EQ(freqCommands(h.commands(), before), held);  // the release held

  // File > Exit, as a user would choose it from the keyboard.
  ProgramHarness::xdotool("key --window " + window + " alt+f");
  sleepFor(0.3);
  ProgramHarness::xdotool("key --window " + window + " x");
  EXPECT_EQ(h.waitForExit(5.0), 0);
  ASSERT_FALSE(h.commands().empty());
  EXPECT_EQ(h.commands().back(), "G00");
}

}  // namespace
