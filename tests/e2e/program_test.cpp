// The real program end to end (build/zarvin against build/radiosim on a pseudo-terminal, in a
// real X window): it reaches REMOTE, finds the radio again when it returns under its link, and
// ends with "G00" when the user chooses File > Exit, when a signal ends it and when its display
// goes away. The renderer's tests drive the mouse.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <sstream>
#include <thread>
#include <vector>

#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

/// Waits (really) until cond holds or the time passes; returns cond's last value.
bool waitFor(const std::function<bool()>& cond, double seconds) {
  auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!cond()) {
    if (std::chrono::steady_clock::now() > end) return cond();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

/// Runs a command line quietly; true when it succeeded.
bool run(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

/// Starts argv[0] in folder; with a display given, on that display and with the signals that
/// end a program as they are by default.
pid_t spawn(const std::vector<std::string>& argv, const std::string& folder,
            const std::string& display = {}) {
  pid_t pid = fork();
  if (pid != 0) return pid;
  if (chdir(folder.c_str()) != 0) _exit(126);
  if (!display.empty()) {
    setenv("DISPLAY", display.c_str(), 1);
    for (int s : {SIGTERM, SIGHUP, SIGINT}) signal(s, SIG_DFL);
  }
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  execv(args[0], args.data());
  _exit(127);
}

/// Asks a process to end, and makes it end after a second.
void stop(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  if (!waitFor([&] { return waitpid(pid, nullptr, WNOHANG) == pid; }, 1.0)) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  pid = -1;
}

/// An X server of the test's own (Xvfb on a free display number): a test can take it away,
/// and its windows take no input from the tests that share the common display.
struct PrivateDisplay {
  /// Xvfb with the options given besides its own. A server that dies once it has named its
  /// display (it could not tell us whole, under a loaded machine) is started again.
  PrivateDisplay(const std::string& option = "", const std::string& value = "") {
    for (int attempt = 0; attempt < 3 && name.empty(); ++attempt) start(option, value);
  }
  void start(const std::string& option, const std::string& value) {
    int ready[2];
    if (pipe(ready) != 0) return;
    server = fork();
    if (server == 0) {
      close(ready[0]);
      std::string fd = std::to_string(ready[1]);
      std::vector<const char*> args = {"Xvfb", "-displayfd", fd.c_str(), "-nolisten",
                                       "tcp",  "-screen",    "0",        "1280x1024x24"};
      if (!option.empty()) args.insert(args.end(), {option.c_str(), value.c_str()});
      args.push_back(nullptr);
      execvp("Xvfb", const_cast<char* const*>(args.data()));
      _exit(127);
    }
    close(ready[1]);
    // Xvfb writes its display number once it takes connections, and then closes its end.
    std::string number;
    for (pollfd p{ready[0], POLLIN, 0}; server > 0 && poll(&p, 1, 20000) == 1;) {
      char part[16];
      ssize_t n = read(ready[0], part, sizeof part);
      if (n <= 0) break;
      number.append(part, n);
    }
    close(ready[0]);
    bool alive = server > 0 && waitpid(server, nullptr, WNOHANG) == 0;
    if (alive && !number.empty()) {
      name = ":" + number.substr(0, number.find('\n'));
    } else {
      stop(server);
    }
  }
  ~PrivateDisplay() { stop(server); }

  pid_t server = -1;
  std::string name;  // ":N"; empty when no server started
};

/// build/radiosim on a pseudo-terminal, logging every command it receives, and build/zarvin in
/// a fresh working folder whose COM1 links to it; both are stopped when it goes.
struct Programs {
  Programs() {
    startRadio();
    folder.write("PortSetup.txt", "1\r\n9600,O,7,1\r\ncomNone\r\n");
  }
  ~Programs() {
    stop(program);
    stop(radio);
  }
  /// A radio under the link COM1; after a restart it logs on into the same file.
  void startRadio() {
    radio = spawn({ZARVIN_BUILD_DIR "/radiosim", "--link", folder.file("COM1"), "--log",
                   folder.file("radio.log")},
                  folder.path());
    waitFor([this] { return folder.exists("COM1"); }, 5.0);
  }
  std::vector<std::string> commands() const {
    std::vector<std::string> lines;
    std::istringstream in(folder.read("radio.log"));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  TempFolder folder;
  pid_t radio = -1;
  pid_t program = -1;
};

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

/// The X window id of the program's main window, or "" when it is not shown (yet); not that of
/// a panel of the same name that a test running beside this one shows.
std::string mainWindow(pid_t program, const std::string& display = {}) {
  char id[64] = "";
  std::string search = (display.empty() ? "" : "DISPLAY=" + display + " ") +
                       "xdotool search --all --pid " + std::to_string(program) +
                       " --name 'Zarvin 0.930'";
  if (FILE* pipe = popen((search + " 2>/dev/null").c_str(), "r")) {
    if (fgets(id, sizeof id, pipe) == nullptr) id[0] = '\0';
    pclose(pipe);
  }
  return std::string(id, std::strcspn(id, "\n"));
}

int count(const std::vector<std::string>& commands, const std::string& c) {
  return static_cast<int>(std::count(commands.begin(), commands.end(), c));
}

TEST(Program, WithoutADisplaySaysWhatIsMissingAndWhatToDoInOneLine) {
  // A display that takes only clients with its cookie, as a desktop session's does for
  // another user (under sudo).
  TempFolder folder;
  ASSERT_TRUE(run("xauth -f " + folder.file("cookie") + " add :0 . " + std::string(32, '5')));
  PrivateDisplay locked("-auth", folder.file("cookie"));
  ASSERT_FALSE(locked.name.empty()) << "Xvfb did not start";
  const std::string remedy =
      "start the panel from a desktop session (X11, or XWayland under Wayland)";
  const struct {
    std::string environment;
    std::string said;
  } kRows[] = {
      {"env -u DISPLAY", "no graphical session (DISPLAY is not set): " + remedy},
      {"env DISPLAY=" + locked.name + " XAUTHORITY=" + folder.file("none"),
       "the display \"" + locked.name +
           "\" refused the connection (Authorization required, but no authorization protocol "
           "specified): start the panel as the desktop session's own user, not through sudo or "
           "su, or set XAUTHORITY to that session's authority file"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.environment);
    std::string command =
        "cd " + folder.path() + " && " + row.environment + " " ZARVIN_BUILD_DIR "/zarvin 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string said;
    for (char part[256]; fgets(part, sizeof part, pipe) != nullptr;) said += part;
    int status = pclose(pipe);
    EXPECT_EQ(said, "zarvin: " + row.said + "\n");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  }
}

TEST(Program, RunsAgainstTheRadioFindsItAgainAndEndsWithG00) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
  Programs p;
  p.program = spawn({ZARVIN_BUILD_DIR "/zarvin"}, p.folder.path());
  // The first keep-alive: the REMOTE set-up is done and the main loop runs.
  ASSERT_TRUE(waitFor([&] { return count(p.commands(), "U") >= 1; }, 20.0));
  std::string window = mainWindow(p.program);
  ASSERT_FALSE(window.empty());
  EXPECT_TRUE(run("import -window " + window + " " ZARVIN_BUILD_DIR "/remote_panel.png"));

  // The radio goes away with its link and is back under the same name 5 s later: the
  // program is in REMOTE operation again (keep-alives) within 10 s, and meanwhile never
  // opens another device in the link's place.
  stop(p.radio);
  std::set<std::string> devices;
  auto watch = [&] {
    addOpenDevices(p.program, devices);
    return false;
  };
  waitFor(watch, 5.0);
  int keepAlives = count(p.commands(), "U");
  p.startRadio();
  EXPECT_TRUE(waitFor([&] { return watch() || count(p.commands(), "U") > keepAlives; }, 10.0));
  EXPECT_EQ(devices, std::set<std::string>());

  // File > Exit, as a user would choose it from the keyboard.
  run("xdotool key --window " + window + " alt+f sleep 0.3 key --window " + window + " x");
  int status = 0;
  ASSERT_TRUE(waitFor([&] { return waitpid(p.program, &status, WNOHANG) == p.program; }, 5.0));
  p.program = -1;  // gone; one that stayed is stopped with the radio, not left running
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  ASSERT_FALSE(p.commands().empty());
  EXPECT_EQ(p.commands().back(), "G00");
}

TEST(OnItsOwnDisplay, EndedWhileKeyedTheProgramUnkeysAndSendsG00) {
  // Each on a display of its own, all at once: each takes a few seconds to reach REMOTE.
  PrivateDisplay shared, lost;
  if (shared.name.empty() || lost.name.empty()) GTEST_SKIP() << "needs Xvfb";
  const struct {
    const char* how;
    PrivateDisplay& display;
    std::function<void(pid_t)> end;
    int exitCode;
  } kRows[] = {
      // The desktop session ends, the terminal closes, Ctrl+C: as the close box.
      {"SIGTERM", shared, [](pid_t pid) { kill(pid, SIGTERM); }, 0},
      {"SIGHUP", shared, [](pid_t pid) { kill(pid, SIGHUP); }, 0},
      {"SIGINT", shared, [](pid_t pid) { kill(pid, SIGINT); }, 0},
      // The X server goes: the same on the line, then an error status.
      {"lost display", lost, [&lost](pid_t) { stop(lost.server); }, 1},
  };
  std::vector<std::unique_ptr<Programs>> runs;
  for (const auto& row : kRows) {
    runs.push_back(std::make_unique<Programs>());
    runs.back()->program =
        spawn({ZARVIN_BUILD_DIR "/zarvin"}, runs.back()->folder.path(), row.display.name);
  }
  for (size_t i = 0; i < runs.size(); ++i) {
    SCOPED_TRACE(kRows[i].how);
    Programs& p = *runs[i];
    // In REMOTE (a keep-alive), then keyed from the keyboard with XMT's access key.
    ASSERT_TRUE(waitFor([&] { return count(p.commands(), "U") >= 1; }, 20.0));
    std::string window = mainWindow(p.program, kRows[i].display.name);
    ASSERT_FALSE(window.empty());
    run("DISPLAY=" + kRows[i].display.name + " xdotool key --window " + window + " alt+x");
    ASSERT_TRUE(waitFor([&] { return count(p.commands(), "K") >= 1; }, 5.0));
  }
  // Past the keying click's own settle after its "K": a signal inside that wait is the
  // headless tests' to show.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  for (size_t i = 0; i < runs.size(); ++i) kRows[i].end(runs[i]->program);
  for (size_t i = 0; i < runs.size(); ++i) {
    SCOPED_TRACE(kRows[i].how);
    Programs& p = *runs[i];
    int status = 0;
    ASSERT_TRUE(waitFor([&] { return waitpid(p.program, &status, WNOHANG) == p.program; }, 5.0));
    p.program = -1;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kRows[i].exitCode) << status;
    std::vector<std::string> sent = p.commands();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(sent.end() - 2, sent.end()),
              (std::vector<std::string>{"U", "G00"}));
  }
}

}  // namespace
