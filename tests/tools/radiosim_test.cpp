// Runs the built radiosim on a pseudo-terminal and talks to it as the program would.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const char kRadiosim[] = ZARVIN_BUILD_DIR "/radiosim";

// Reads from fd until `done(text)` holds or `seconds` pass; returns what was read.
template <typename Done>
std::string readUntil(int fd, double seconds, Done done) {
  std::string text;
  const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
  while (!done(text)) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) break;
    pollfd pfd{fd, POLLIN, 0};
    if (poll(&pfd, 1, static_cast<int>(left.count())) <= 0) continue;
    char buffer[256];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  return text;
}

bool hasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

bool fullAnswer(const std::string& text) {
  return hasLine(text, "#") && hasLine(text, ".");
}

// One radiosim process: started with its arguments, its first output line read.
class Radiosim {
 public:
  explicit Radiosim(std::vector<std::string> args) {
    // Everything the child needs is prepared before fork(): it only calls exec.
    std::vector<char*> argv{const_cast<char*>(kRadiosim)};
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) return;
    m_pid = fork();
    if (m_pid == 0) {
      dup2(out[1], STDOUT_FILENO);
      close(out[0]);
      close(out[1]);
      execv(kRadiosim, argv.data());
      _exit(127);
    }
    close(out[1]);
    m_stdout = out[0];
    const std::string line =
        readUntil(m_stdout, 5.0, [](const std::string& t) { return t.find('\n') != t.npos; });
    if (line.find('\n') != std::string::npos) m_slavePath = line.substr(0, line.find('\n'));
  }

  ~Radiosim() {
    if (m_pid > 0) {
      kill(m_pid, SIGKILL);
      waitpid(m_pid, nullptr, 0);
    }
    if (m_stdout >= 0) close(m_stdout);
  }

  const std::string& slavePath() const { return m_slavePath; }
  pid_t pid() const { return m_pid; }

  /// Sends SIGTERM and waits up to 5 s; returns the wait status (-1 when it did not end)
  /// and the CPU seconds the process used.
  int terminate(double* cpuSeconds = nullptr) {
    kill(m_pid, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < deadline) {
      int status = 0;
      rusage usage{};
      if (wait4(m_pid, &status, WNOHANG, &usage) == m_pid) {
        m_pid = -1;
        if (cpuSeconds != nullptr) {
          *cpuSeconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                        (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        }
        return status;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
  }

 private:
  pid_t m_pid = -1;
  int m_stdout = -1;
  std::string m_slavePath;
};

// Opens the slave side in raw mode, as the program's serial port does.
int openSlave(const std::string& path) {
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return fd;
  termios settings{};
  tcgetattr(fd, &settings);
  cfmakeraw(&settings);
  tcsetattr(fd, TCSANOW, &settings);
  return fd;
}

std::string ask(int fd, const std::string& command) {
  if (write(fd, command.data(), command.size()) != static_cast<ssize_t>(command.size())) return "";
  return readUntil(fd, 5.0, fullAnswer);
}

bool exitedCleanly(int status) {
  return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(Radiosim, AnswersAsItsOptionsSay) {
  struct Case {
    std::vector<std::string> args;
    bool usr1;         // SIGUSR1 once the port is open
    const char* sent;  // what the test writes
    const char* line;  // a line starting so is in the answer, or not
    bool present;
  } cases[] = {
      {{"--firmware", "1"}, false, "?\n", "Q", false},  // "!" without "Q"
      {{"--firmware", "2"}, false, "?\n", "!", false},  // neither marker
      {{"--firmware", "3"}, false, "?\n", "Q", true},   // both markers
      {{"--local"}, false, "?\n", "R0", true},          // starts in LOCAL operation
      {{}, true, "", "R0", true},                       // switches to LOCAL on SIGUSR1
      {{"--meter"}, false, "", "J", true},              // sends meter readings unasked
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    Radiosim sim(c.args);
    const int fd = openSlave(sim.slavePath());
    ASSERT_GE(fd, 0) << sim.slavePath();
    if (c.usr1) kill(sim.pid(), SIGUSR1);
    const std::string prefix = std::string("\n") + c.line;
    auto found = [&](const std::string& t) { return ("\n" + t).find(prefix) != t.npos; };
    ASSERT_EQ(write(fd, c.sent, strlen(c.sent)), static_cast<ssize_t>(strlen(c.sent)));
    const std::string text =
        readUntil(fd, 5.0, [&](const std::string& t) { return found(t) || fullAnswer(t); });
    close(fd);
    EXPECT_EQ(found(text), c.present) << text;
    EXPECT_TRUE(exitedCleanly(sim.terminate()));
  }
}

TEST(Radiosim, SurvivesTheSlaveBeingClosedAndReopened) {
  Radiosim sim({});
  int fd = openSlave(sim.slavePath());
  ASSERT_GE(fd, 0);
  EXPECT_TRUE(fullAnswer(ask(fd, "?\n")));
  close(fd);
  // Nobody has the port open for a while, as when the program reopens it.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  fd = openSlave(sim.slavePath());
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, "H\n", 2), 2);
  const std::string text =
      readUntil(fd, 5.0, [](const std::string& t) { return hasLine(t, "H2"); });
  close(fd);
  EXPECT_TRUE(hasLine(text, "H2")) << text;
  EXPECT_TRUE(exitedCleanly(sim.terminate()));
}

TEST(Radiosim, StaysIdleWithoutTraffic) {
  Radiosim sim({});
  int fd = openSlave(sim.slavePath());
  ASSERT_GE(fd, 0);
  close(fd);  // The master now has no reader but ours: it must not spin.
  std::this_thread::sleep_for(std::chrono::seconds(1));
  double cpu = -1;
  EXPECT_TRUE(exitedCleanly(sim.terminate(&cpu)));
  EXPECT_GE(cpu, 0.0);
  EXPECT_LT(cpu, 0.2);
}

TEST(Radiosim, LinkPointsToTheSlaveAndIsRemovedAtExit) {
  char folder[] = "/tmp/radiosim-test-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string link = std::string(folder) + "/COM3";
  ASSERT_EQ(symlink("/dev/null", link.c_str()), 0);  // An old link is replaced.
  {
    Radiosim sim({"--link", link});
    char target[256] = {};
    ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(sim.slavePath(), target);
    const int fd = openSlave(link);
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(fullAnswer(ask(fd, "?\n")));
    close(fd);
    EXPECT_TRUE(exitedCleanly(sim.terminate()));
  }
  struct stat info {};
  EXPECT_NE(lstat(link.c_str(), &info), 0);
  rmdir(folder);
}

TEST(Radiosim, RejectsUnknownOptions) {
  Radiosim sim({"--firmware", "7"});
  EXPECT_TRUE(sim.slavePath().empty());
  const int status = sim.terminate();
  ASSERT_NE(status, -1);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
