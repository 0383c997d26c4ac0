#include "platform/serial/termios_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/runtime_error.h"
#include "platform/serial/termios_settings.h"
#include "tests/support/temp_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

/// The port, able to take input as the terminal marks it: a pseudo-terminal carries no line
/// errors.
struct MarkedPort : TermiosSerialPort {
  using TermiosSerialPort::takeMarkedInput;
  using TermiosSerialPort::TermiosSerialPort;
};

/// Port 1 is the slave side of a pseudo-terminal, linked as COM1; the test is the radio on the
/// master side.
class TermiosPort : public testing::Test {
 protected:
  TermiosPort() {
    master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    grantpt(master);
    unlockpt(master);
    slave = ptsname(master);
    link("COM1", slave);
    port.setSettings("9600,O,7,1");
    port.setParityReplace(":");
    port.onComm = [this] { events.push_back(port.commEvent()); };
  }
  ~TermiosPort() override { hangUp(); }
  void link(const std::string& name, const std::string& target) {
    ASSERT_EQ(symlink(target.c_str(), folder.file(name).c_str()), 0);
  }
  void open(int handshaking = 0) {
    port.setHandshaking(handshaking);
    port.setPortOpen(true);
  }
  void send(const std::string& bytes) {
    ASSERT_EQ(write(master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  /// Waits as the program does until n characters are in the receive buffer.
  int awaitInput(int n) {
    auto start = Clock::now();
    while (port.inBufferCount() < n && secondsSince(start) < 1.0) port.waitForInput(0.05);
    return port.inBufferCount();
  }
  termios slaveSettings() {
    termios t{};
    int fd = ::open(slave.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    EXPECT_EQ(tcgetattr(fd, &t), 0);
    close(fd);
    return t;
  }
  void hangUp() {
    if (master >= 0) close(master);
    master = -1;
  }

  TempFolder folder;
  int master = -1;
  std::string slave;
  MarkedPort port{folder.path()};
  std::vector<int> events;
};

// Each row's flags as translated, and on the device as the port leaves it; a pseudo-terminal
// always carries 8 bits without parity, so those bits are checked in the translation alone.
TEST_F(TermiosPort, SettingsAndHandshakeReachTheDevice) {
  constexpr tcflag_t kC = CREAD | CLOCAL | HUPCL;  // receiver on, modem status ignored
  constexpr tcflag_t kOdd7 = CS7 | PARENB | PARODD;
  const struct {
    const char* settings;
    int handshaking;
    speed_t speed;
    tcflag_t cflag;  // besides kC
    tcflag_t iflag;  // besides PARMRK
  } kRows[] = {
      {"9600,O,7,1", 0, B9600, kOdd7, INPCK},  // the radio's own framing
      {"19200,O,7,1", 0, B19200, kOdd7, INPCK},
      {"300,O,7,1", 0, B300, kOdd7, INPCK},
      {"115200,N,8,1", 0, B115200, CS8, 0},  // no parity, no parity check
      {"9600,E,7,1", 0, B9600, CS7 | PARENB, INPCK},
      {"9600,M,7,1", 0, B9600, kOdd7 | CMSPAR, INPCK},  // stick parity: always 1
      {"9600,S,7,1", 0, B9600, CS7 | PARENB | CMSPAR, INPCK},
      {"9600,N,6,1", 0, B9600, CS6, 0},
      {"9600,N,5,2", 0, B9600, CS5 | CSTOPB, 0},
      {"9600,O,7,2", 0, B9600, kOdd7 | CSTOPB, INPCK},
      {"9600,O,7,1", 1, B9600, kOdd7, INPCK | IXON | IXOFF},                            // XON/XOFF
      {"9600,O,7,1", 2, B9600, kOdd7 | CRTSCTS, INPCK},                                 // RTS
      {"9600,O,8,1", 3, B9600, CS8 | PARENB | PARODD | CRTSCTS, INPCK | IXON | IXOFF},  // both
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(std::string(row.settings) + " handshaking " + std::to_string(row.handshaking));
    TermiosFields f = termiosFields(parseSerialSettings(row.settings), row.handshaking);
    EXPECT_EQ(f.cflag, kC | row.cflag);
    port.setSettings(row.settings);
    open(row.handshaking);
    termios t = slaveSettings();
    port.setPortOpen(false);
    EXPECT_EQ(t.c_cflag & ~(CBAUD | CSIZE | PARENB), (kC | row.cflag) & ~(CSIZE | PARENB));
    EXPECT_EQ(t.c_iflag, PARMRK | row.iflag);
    EXPECT_EQ(t.c_oflag | t.c_lflag, 0u);  // raw
    EXPECT_EQ(cfgetispeed(&t), row.speed);
    EXPECT_EQ(cfgetospeed(&t), row.speed);
    EXPECT_EQ(t.c_cc[VMIN] * 100 + t.c_cc[VTIME], 100);  // each read waits for a character
  }
}

TEST_F(TermiosPort, MarkedInputBecomesTextAndLineEvents) {
  using S = std::string;
  const struct {
    std::vector<S> reads;
    S input;
    std::vector<int> events;
  } kRows[] = {
      {{S("\0", 1), "\xff"}, S("\0", 1), {}},  // an unmarked NUL is data; a mark waits
      {{S("A1\xff\0B\n", 6)}, "A1:\n", {kCommEventRxParity}},     // parity error: ":" and 1009
      {{S("K\xff\0\0U", 5)}, "KU", {kCommEventBreak}},            // a break is no character
      {{"\xff", S("\0", 1), S("\0", 1)}, "", {kCommEventBreak}},  // ... over three reads
      {{S("\xff\0", 2), "Z"}, ":", {kCommEventRxParity}},         // cut after the zero
      {{S("\xff\0\xff", 3)}, ":", {kCommEventRxParity}},          // an error on a 0xFF
      {{"a\xff", "\xffz"}, "a\xffz", {}},                         // a doubled mark, cut in two
      {{"\xff\xff\xff\xff"}, "\xff\xff", {}},                     // two literal 0xFF
      {{"\xffq"}, "\xffq", {}},                                   // a lone mark stays a 0xFF
  };
  open();
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.input);
    events.clear();
    port.setPortOpen(false);  // forgets an unfinished mark
    open();
    for (const S& read : row.reads) port.takeMarkedInput(read);
    EXPECT_EQ(port.input(), row.input);
    EXPECT_EQ(events, row.events);
  }
}

TEST_F(TermiosPort, WaitEndsWithItsTimeAByteOrAHangUp) {
  open();
  auto start = Clock::now();
  port.waitForInput(0.05);
  EXPECT_GE(secondsSince(start), 0.045);
  for (bool unplug : {false, true}) {
    std::thread radio([this, unplug] {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      unplug ? hangUp() : send("K");
    });
    start = Clock::now();
    port.waitForInput(2.0);
    double waited = secondsSince(start);
    radio.join();
    EXPECT_GE(waited, 0.015);
    EXPECT_LT(waited, 1.0);
    EXPECT_EQ(port.input(), unplug ? "" : "K");
  }
  // A hang-up is a break; the port stays open for the program to close and reopen, and
  // meanwhile nothing happens.
  EXPECT_EQ(events, std::vector<int>{kCommEventBreak});
  EXPECT_TRUE(port.portOpen());
  EXPECT_EQ(port.fileDescriptor(), -1);
  EXPECT_NO_THROW(port.output("U"));
  EXPECT_EQ(port.outBufferCount() + port.inBufferCount(), 0);
  start = Clock::now();
  port.waitForInput(0.03);  // sleeps rather than returning at once
  EXPECT_GE(secondsSince(start), 0.025);
  EXPECT_EQ(events.size(), 1u);
}

TEST_F(TermiosPort, TextCrossesTheLineBothWaysAndOnlyWhileOpen) {
  port.setInBufferSize(4096);
  open(2);
  // Held by this program alone: not passed on to what it starts (a help viewer), and on a
  // pseudo-terminal no exclusive flag that would outlive the program while the other end lives.
  EXPECT_EQ(fcntl(port.fileDescriptor(), F_GETFD) & FD_CLOEXEC, FD_CLOEXEC);
  int exclusive = 1;
  EXPECT_EQ(ioctl(port.fileDescriptor(), TIOCGEXCL, &exclusive), 0);
  EXPECT_EQ(exclusive, 0);
  port.setRTSEnable(true);  // a pseudo-terminal has no RTS; this must not fail
  port.output("?F1234567");
  EXPECT_EQ(port.outBufferCount(), 0);
  char got[16];
  pollfd p{master, POLLIN, 0};
  ASSERT_EQ(poll(&p, 1, 1000), 1);
  EXPECT_EQ(std::string(got, static_cast<size_t>(read(master, got, sizeof got))), "?F1234567");
  port.setPortOpen(false);
  EXPECT_EQ(port.fileDescriptor(), -1);
  send("stale");  // nobody is listening: not part of the next session
  open();
  send("a\xffz");  // a 0xFF once: the line discipline marks it doubled
  EXPECT_EQ(awaitInput(3), 3);
  EXPECT_EQ(port.input(), "a\xffz");
  port.setNullDiscard(true);
  send(std::string("a\0b", 3));  // a NUL is data, not a mark, and is discarded
  EXPECT_EQ(awaitInput(2), 2);
  EXPECT_EQ(port.input(), "ab");
  send(std::string(8991, 'x') + "F7654321\n");  // more than the buffer: waits in the driver
  EXPECT_EQ(awaitInput(4096), 4096);
  std::string all = port.input();
  while (all.size() < 9000 && awaitInput(1) > 0) all += port.input();
  EXPECT_EQ(all, std::string(8991, 'x') + "F7654321\n");
  EXPECT_TRUE(events.empty());  // no overflow
}

TEST_F(TermiosPort, ProbeAndOpenOfEachKindOfPort) {
  // A probe leaves a present port's settings as they were, and the port free.
  int fd = ::open(slave.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  termios t = slaveSettings();
  cfsetospeed(&t, B1200);
  t.c_iflag |= ICRNL;
  ASSERT_EQ(tcsetattr(fd, TCSANOW, &t), 0);
  EXPECT_TRUE(port.portExists(1));
  t = slaveSettings();
  close(fd);
  EXPECT_EQ(cfgetospeed(&t), B1200);
  EXPECT_NE(t.c_iflag & ICRNL, 0u);
  link("COM2", folder.file("unplugged"));
  link("COM3", "/dev/null");
  TermiosSerialPort holder{folder.path()};
  holder.setPortOpen(true);  // port 1
  const struct {
    int port;
    const char* settings;
    bool exists;
    int error;
  } kRows[] = {
      {1, "9600,O,7,1", true, EBUSY},                 // held by another, yet present
      {2, "9600,O,7,1", false, ENOENT},               // the device is gone
      {3, "9600,O,7,1", false, ENOTTY},               // not a terminal at all
      {1, "14400,O,7,1", true, kErrInvalidProperty},  // a rate with no termios constant
      {1, "9600,X,7,1", true, kErrInvalidProperty},   // no such parity
      {1, "9600,O,9,1", true, kErrInvalidProperty},   // too many data bits
      {1, "9600,O,7,3", true, kErrInvalidProperty},   // no such stop-bit count
      {1, "9600,O,7", true, kErrInvalidProperty},     // a field missing
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(std::to_string(row.port) + " " + row.settings);
    EXPECT_EQ(port.portExists(row.port), row.exists);
    port.setCommPort(row.port);
    try {
      port.setSettings(row.settings);
      open();
      ADD_FAILURE() << "opened";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), row.error);
    }
    EXPECT_FALSE(port.portOpen());
  }
  holder.setPortOpen(false);
  port.setSettings("9600,O,7,1");
  EXPECT_NO_THROW(open());  // free again once let go
}

}  // namespace
