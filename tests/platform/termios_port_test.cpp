#include "platform/serial/termios_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/serial.h>
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
#include "tests/support/temp_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

bool link(const TempFolder& folder, const std::string& name, const std::string& target) {
  return symlink(target.c_str(), folder.file(name).c_str()) == 0;
}

// The radio's end of the line: the master side of a pseudo-terminal.
class Radio {
 public:
  Radio() {
    m_fd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    char name[128] = "";
    if (m_fd < 0 || grantpt(m_fd) != 0 || unlockpt(m_fd) != 0 ||
        ptsname_r(m_fd, name, sizeof name) != 0) {
      return;
    }
    m_slave = name;
  }
  ~Radio() { hangUp(); }
  const std::string& slavePath() const { return m_slave; }
  void send(const std::string& bytes) {
    ASSERT_EQ(write(m_fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  /// What the port sent, once n bytes are there or a second has passed.
  std::string receive(size_t n) {
    std::string got;
    auto start = Clock::now();
    while (got.size() < n && secondsSince(start) < 1.0) {
      pollfd p{m_fd, POLLIN, 0};
      if (poll(&p, 1, 50) <= 0) continue;
      char buffer[64];
      ssize_t k = read(m_fd, buffer, sizeof buffer);
      if (k > 0) got.append(buffer, static_cast<size_t>(k));
    }
    return got;
  }
  void hangUp() {
    if (m_fd >= 0) close(m_fd);
    m_fd = -1;
  }

 private:
  int m_fd = -1;
  std::string m_slave;
};

class TermiosPort : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(radio.slavePath().empty());
    ASSERT_TRUE(link(folder, "COM1", radio.slavePath()));
    port.setCommPort(1);
    port.setSettings("9600,O,7,1");
  }
  void open(int handshaking = 0) {
    port.setHandshaking(handshaking);
    port.setPortOpen(true);
  }
  /// Waits as the program does until n characters are in the receive buffer.
  int awaitInput(int n) {
    auto start = Clock::now();
    while (port.inBufferCount() < n && secondsSince(start) < 1.0) port.waitForInput(0.05);
    return port.inBufferCount();
  }

  TempFolder folder;
  Radio radio;
  TermiosSerialPort port{folder.path()};
};

class TermiosPortHandshake : public TermiosPort, public testing::WithParamInterface<int> {};

TEST_P(TermiosPortHandshake, KeepsSpeedAndFlowControl) {
  open(GetParam());
  int slave = ::open(radio.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(slave, 0);
  termios t{};
  ASSERT_EQ(tcgetattr(slave, &t), 0);
  close(slave);
  bool rtsCts = GetParam() == 2 || GetParam() == 3;
  bool xonXoff = GetParam() == 1 || GetParam() == 3;
  EXPECT_EQ(cfgetospeed(&t), B9600);
  EXPECT_EQ(cfgetispeed(&t), B9600);
  EXPECT_EQ((t.c_cflag & CRTSCTS) != 0, rtsCts);
  EXPECT_EQ((t.c_iflag & IXON) != 0, xonXoff);
  EXPECT_EQ((t.c_iflag & IXOFF) != 0, xonXoff);
  EXPECT_NE(t.c_iflag & PARMRK, 0u);
  EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
  EXPECT_EQ(t.c_oflag & OPOST, 0u);
}

INSTANTIATE_TEST_SUITE_P(EachHandshake, TermiosPortHandshake, testing::Values(0, 1, 2, 3));

TEST_F(TermiosPort, InputArrivesInTheBuffer) {
  struct Row {
    bool nullDiscard;
    std::string sent;
    std::string received;
  } rows[] = {
      {false, "F1234567\r", "F1234567\r"},  // as it came
      {false,
       "a\xff"
       "b",
       "a\xff"
       "b"},                                 // a 0xFF once: the line discipline doubles it
      {true, std::string("a\0b", 3), "ab"},  // a NUL is data, not a mark, and is discarded
  };
  open();
  for (const Row& r : rows) {
    port.setNullDiscard(r.nullDiscard);
    radio.send(r.sent);
    EXPECT_EQ(awaitInput(static_cast<int>(r.received.size())), static_cast<int>(r.received.size()));
    EXPECT_EQ(port.input(), r.received);
    EXPECT_EQ(port.inBufferCount(), 0);
  }
}

TEST_F(TermiosPort, OutputReachesTheRadio) {
  open(2);
  port.setRTSEnable(true);  // a pseudo-terminal has no RTS; this must not fail
  port.output("?");
  port.output("F1234567");
  EXPECT_EQ(radio.receive(9), "?F1234567");
  EXPECT_EQ(port.outBufferCount(), 0);
}

TEST_F(TermiosPort, WaitEndsWhenAByteArrives) {
  open();
  std::thread late([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    radio.send("K");
  });
  auto start = Clock::now();
  port.waitForInput(2.0);
  double waited = secondsSince(start);
  late.join();
  EXPECT_GE(waited, 0.015);
  EXPECT_LT(waited, 1.0);
  EXPECT_EQ(port.input(), "K");
}

TEST_F(TermiosPort, WaitLastsTheTimeoutWithoutInput) {
  open();
  auto start = Clock::now();
  port.waitForInput(0.05);
  double waited = secondsSince(start);
  EXPECT_GE(waited, 0.045);
  EXPECT_LT(waited, 0.5);
  EXPECT_EQ(port.inBufferCount(), 0);
}

TEST_F(TermiosPort, HangUpIsReportedAsBreak) {
  open();
  std::vector<int> events;
  port.onComm = [&] { events.push_back(port.commEvent()); };
  std::thread unplug([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    radio.hangUp();
  });
  auto start = Clock::now();
  port.waitForInput(2.0);
  double waited = secondsSince(start);
  unplug.join();
  EXPECT_LT(waited, 1.0);  // woken by the hang-up itself
  EXPECT_EQ(events, std::vector<int>{kCommEventBreak});
  // Still open for the program, which will close and reopen it; meanwhile nothing happens.
  EXPECT_TRUE(port.portOpen());
  EXPECT_EQ(port.fileDescriptor(), -1);
  EXPECT_NO_THROW(port.output("U"));
  EXPECT_EQ(port.outBufferCount(), 0);
  EXPECT_EQ(port.inBufferCount(), 0);
  // A wait on the lost device sleeps rather than returning at once.
  start = Clock::now();
  port.waitForInput(0.03);
  EXPECT_GE(secondsSince(start), 0.025);
  EXPECT_EQ(events.size(), 1u);
  port.setPortOpen(false);
  EXPECT_FALSE(port.portOpen());
}

TEST_F(TermiosPort, ReopensAfterClose) {
  EXPECT_EQ(port.fileDescriptor(), -1);
  open();
  EXPECT_GE(port.fileDescriptor(), 0);
  port.setPortOpen(false);
  EXPECT_EQ(port.fileDescriptor(), -1);
  radio.send("stale");  // nobody is listening: not part of the next session
  open();
  radio.send("R1");
  EXPECT_EQ(awaitInput(2), 2);
  EXPECT_EQ(port.input(), "R1");
}

TEST_F(TermiosPort, BurstBeyondTheBufferWaitsInTheDriver) {
  port.setInBufferSize(4096);
  open();
  std::vector<int> events;
  port.onComm = [&] { events.push_back(port.commEvent()); };
  radio.send(std::string(8991, 'x') + "F7654321\n");
  EXPECT_EQ(awaitInput(4096), 4096);
  std::string got = port.input();
  while (got.size() < 9000 && awaitInput(1) > 0) got += port.input();
  EXPECT_EQ(got.size(), 9000u);
  EXPECT_EQ(got.substr(8991), "F7654321\n");
  EXPECT_TRUE(events.empty());  // no overflow
}

TEST_F(TermiosPort, PortNamedByALinkStaysMissingWhenTheLinkGoes) {
  open();
  port.setPortOpen(false);
  ASSERT_EQ(unlink(folder.file("COM1").c_str()), 0);
  // Never the table's /dev/ttyS0 instead.
  EXPECT_FALSE(port.portExists(1));
  try {
    open();
    ADD_FAILURE() << "opened";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.description(), "No such file or directory");
  }
}

TEST_F(TermiosPort, PortHeldByAnotherIsBusyButPresent) {
  open();
  TermiosSerialPort other{folder.path()};
  other.setCommPort(1);
  try {
    other.setPortOpen(true);
    ADD_FAILURE() << "opened twice";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.description(), "Device or resource busy");
  }
  EXPECT_TRUE(other.portExists(1));
  port.setPortOpen(false);
  EXPECT_NO_THROW(other.setPortOpen(true));  // free again once let go
}

TEST_F(TermiosPort, AbsentPortsAreNotFoundAndCannotOpen) {
  ASSERT_TRUE(link(folder, "COM2", folder.file("unplugged")));
  ASSERT_TRUE(link(folder, "COM3", "/dev/null"));
  const struct {
    int port;
    int error;
  } kRows[] = {
      {2, ENOENT},  // the device is gone
      {3, ENOTTY},  // not a terminal at all
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.port);
    EXPECT_FALSE(port.portExists(row.port));
    port.setCommPort(row.port);
    try {
      port.setPortOpen(true);
      ADD_FAILURE() << "opened";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), row.error);
    }
    EXPECT_FALSE(port.portOpen());
  }
  EXPECT_FALSE(port.portExists(0));  // no such numbers
  EXPECT_FALSE(port.portExists(17));
}

TEST_F(TermiosPort, UnknownBaudIsRefused) {
  port.setSettings("14400,O,7,1");
  try {
    open();
    ADD_FAILURE() << "opened";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kErrInvalidProperty);
  }
  EXPECT_FALSE(port.portOpen());
}

TEST_F(TermiosPort, ProbeFindsAPresentPortAndLeavesItsSettingsAndItselfFree) {
  int slave = ::open(radio.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(slave, 0);
  termios before{};
  ASSERT_EQ(tcgetattr(slave, &before), 0);
  cfsetospeed(&before, B1200);
  before.c_iflag |= ICRNL;
  ASSERT_EQ(tcsetattr(slave, TCSANOW, &before), 0);
  ASSERT_EQ(tcgetattr(slave, &before), 0);
  EXPECT_TRUE(port.portExists(1));
  EXPECT_TRUE(port.portExists(1));  // twice: the first probe let it go
  termios after{};
  ASSERT_EQ(tcgetattr(slave, &after), 0);
  close(slave);
  EXPECT_EQ(cfgetospeed(&after), B1200);
  EXPECT_EQ(after.c_iflag, before.c_iflag);
  EXPECT_EQ(after.c_cflag, before.c_cflag);
  open();
  radio.send("?");
  EXPECT_EQ(awaitInput(1), 1);
}

bool isEmptyUartSlot(const char* device) {
  int fd = ::open(device, O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return false;
  serial_struct info{};
  bool empty = ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type == PORT_UNKNOWN;
  close(fd);
  return empty;
}

TEST(PortProbe, SerialNodeWithoutUartIsAbsent) {
  if (!isEmptyUartSlot("/dev/ttyS0")) GTEST_SKIP() << "/dev/ttyS0 is missing or has a UART";
  TempFolder folder;
  ASSERT_TRUE(link(folder, "COM2", "/dev/ttyS0"));
  TermiosSerialPort port(folder.path());
  EXPECT_FALSE(port.portExists(1));  // through the fixed table
  EXPECT_FALSE(port.portExists(2));  // through a link
  try {
    port.setPortOpen(true);
    ADD_FAILURE() << "opened";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), ENODEV);
  }
}

}  // namespace
