// radiosim: the simulated radio on a pseudo-terminal, for running the panel without a radio.
//
//   radiosim [--firmware 1|2|3] [--link PATH] [--log PATH] [--meter] [--local]
//
// Prints the slave's path as its first line; point the program's serial port at it (or at
// PATH, a symbolic link to it). SIGUSR1 switches the radio between REMOTE and LOCAL as its
// own front panel would; SIGTERM or SIGINT end it.
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "tools/radiosim/pty_link.h"
#include "tools/radiosim/reply_queue.h"
#include "tools/radiosim/sim_radio.h"

namespace {

using Clock = ReplyQueue::Clock;
using namespace std::chrono_literals;

struct Options {
  int firmware = 2;
  std::string link;
  bool meter = false;
  bool local = false;
  std::string log;  // file that receives every complete command, one a line
};

std::optional<Options> parseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--firmware" && hasValue) {
      options.firmware = std::atoi(argv[++i]);
      if (options.firmware < 1 || options.firmware > 3) return std::nullopt;
    } else if (arg == "--link" && hasValue) {
      options.link = argv[++i];
    } else if (arg == "--log" && hasValue) {
      options.log = argv[++i];
    } else if (arg == "--meter") {
      options.meter = true;
    } else if (arg == "--local") {
      options.local = true;
    } else {
      return std::nullopt;
    }
  }
  return options;
}

// SIGTERM, SIGINT and SIGUSR1 arrive as readable data on a descriptor, so the one poll()
// waits for them too and no handler has to touch shared state.
int openSignalDescriptor() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGUSR1);
  if (sigprocmask(SIG_BLOCK, &signals, nullptr) != 0) return -1;
  return signalfd(-1, &signals, SFD_CLOEXEC);
}

// A wandering meter reading across the bar's 0..21, so the person watching sees it move.
int meterReadingAt(int tick) {
  const int phase = tick % 42;
  return phase <= 21 ? phase : 42 - phase;
}

class Simulator {
 public:
  Simulator(const Options& options, PtyLink& pty, int signals)
      : m_options(options), m_pty(pty), m_signals(signals), m_radio(options.firmware) {
    m_radio.state.remote = !options.local;
    m_nextMeter = Clock::now() + 1s;
  }

  /// Serves the line until SIGTERM or SIGINT.
  void run() {
    while (!m_stopping) {
      pollOnce();
      sendDueReplies();
    }
  }

 private:
  void pollOnce() {
    const Clock::time_point now = Clock::now();
    const bool masterResting = now < m_masterRestUntil;
    pollfd fds[2] = {{m_signals, POLLIN, 0}, {m_pty.master(), POLLIN, 0}};
    const int count = masterResting ? 1 : 2;
    if (poll(fds, count, timeoutMs(now)) <= 0) return;
    if (fds[0].revents & POLLIN) takeSignal();
    if (count == 2 && fds[1].revents != 0) takeInput(fds[1].revents);
  }

  // Sleeps until the next reply, meter reading or the end of a rest, never longer.
  int timeoutMs(Clock::time_point now) const {
    std::optional<Clock::time_point> wake = m_queue.nextDue();
    if (m_options.meter && (!wake || m_nextMeter < *wake)) wake = m_nextMeter;
    if (now < m_masterRestUntil && (!wake || m_masterRestUntil < *wake)) wake = m_masterRestUntil;
    if (!wake) return -1;
    if (*wake <= now) return 0;
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(*wake - now).count();
    return static_cast<int>(ms);
  }

  void takeSignal() {
    signalfd_siginfo info{};
    if (read(m_signals, &info, sizeof info) != static_cast<ssize_t>(sizeof info)) return;
    if (info.ssi_signo == SIGUSR1) {
      m_queue.schedule(Clock::now(), m_radio.switchRemote(!m_radio.state.remote));
    } else {
      m_stopping = true;
    }
  }

  void takeInput(short revents) {
    char buffer[512];
    const ssize_t n = read(m_pty.master(), buffer, sizeof buffer);
    if (n > 0) {
      m_queue.schedule(Clock::now(), m_radio.receive(std::string(buffer, n)));
      logCommands();
      return;
    }
    // We hold the slave open, so a hang-up should not come; if the driver reports one
    // anyway, rest a moment instead of polling a descriptor that stays ready.
    if ((revents & (POLLHUP | POLLERR)) || (n < 0 && errno != EAGAIN && errno != EINTR)) {
      m_masterRestUntil = Clock::now() + 200ms;
    }
  }

  // Appends the commands received since the last call to the log file, so that a test can
  // see what the program sent.
  void logCommands() {
    if (m_options.log.empty()) return;
    std::FILE* file = std::fopen(m_options.log.c_str(), "a");
    if (file == nullptr) return;
    for (; m_logged < m_radio.commandLog.size(); ++m_logged) {
      std::fprintf(file, "%s\n", m_radio.commandLog[m_logged].c_str());
    }
    std::fclose(file);
  }

  void sendDueReplies() {
    const Clock::time_point now = Clock::now();
    if (m_options.meter && now >= m_nextMeter) {
      m_radio.state.meterReading = meterReadingAt(m_meterTick++);
      m_queue.schedule(now, m_radio.meterReport());
      m_nextMeter += 1s;
      if (m_nextMeter < now) m_nextMeter = now + 1s;
    }
    for (const RadioReply& reply : m_queue.takeDue(now)) {
      if (reply.lineBreak) {
        m_pty.sendBreak();
      } else {
        m_pty.write(reply.text);
      }
    }
  }

  const Options& m_options;
  PtyLink& m_pty;
  int m_signals;
  SimRadio m_radio;
  ReplyQueue m_queue;
  Clock::time_point m_nextMeter;
  Clock::time_point m_masterRestUntil{};
  int m_meterTick = 0;
  bool m_stopping = false;
  size_t m_logged = 0;
};

int runSimulator(const Options& options) {
  const int signals = openSignalDescriptor();
  if (signals < 0) {
    std::perror("radiosim: signalfd");
    return 1;
  }
  PtyLink pty;
  std::unique_ptr<SymlinkGuard> link;
  if (!options.link.empty()) link = std::make_unique<SymlinkGuard>(options.link, pty.slavePath());
  std::printf("%s\n", pty.slavePath().c_str());
  std::fflush(stdout);
  Simulator(options, pty, signals).run();
  close(signals);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = parseOptions(argc, argv);
  if (!options) {
    std::fprintf(
        stderr,
        "usage: radiosim [--firmware 1|2|3] [--link PATH] [--log PATH] [--meter] [--local]\n");
    return 2;
  }
  try {
    return runSimulator(*options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "radiosim: %s\n", error.what());
    return 1;
  }
}
