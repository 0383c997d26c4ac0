#include "platform/serial/termios_port.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/runtime_error.h"
#include "platform/serial/port_naming.h"
#include "platform/serial/termios_settings.h"

namespace {

bool isPlainSerialNode(const std::string& path) {
  char* real = realpath(path.c_str(), nullptr);
  if (real == nullptr) return false;
  std::string name(real);
  std::free(real);
  return name.compare(0, 9, "/dev/ttyS") == 0;
}

// The exclusive flag of a pseudo-terminal's slave outlives the descriptor while the master
// (the radio simulator) stays open, so a program that was killed would leave it refusing
// every later opening; the lock alone guards such a port.
bool isPseudoTerminal(int fd) {
  struct stat info;
  if (fstat(fd, &info) != 0) return false;
  unsigned int m = major(info.st_rdev);
  return m >= 136 && m <= 143;  // UNIX98 pseudo-terminal slaves
}

// The kernel creates the ttyS nodes whether or not a UART answers at that address; such a
// node opens fine but the driver reports no chip type.
bool isEmptyUartSlot(int fd, const std::string& path) {
  if (!isPlainSerialNode(path)) return false;
  serial_struct info{};
  return ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type == PORT_UNKNOWN;
}

// Opens a terminal device as the port uses it; -1 with errno set when it is not one. An
// exclusive opening fails with EBUSY while another holds the device: the lock holds against
// every program that locks it so, root included; TIOCEXCL also refuses other users' opens.
int openTerminal(const std::string& path, bool exclusive) {
  if (path.empty()) {
    errno = ENODEV;
    return -1;
  }
  // Not handed on to the programs this one starts (a help viewer), which would hold the lock.
  int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  int err = 0;
  if (!isatty(fd)) {
    err = ENOTTY;
  } else if (isEmptyUartSlot(fd, path)) {
    err = ENODEV;
  } else if (exclusive && flock(fd, LOCK_EX | LOCK_NB) != 0) {
    err = errno == EWOULDBLOCK ? EBUSY : errno;
  } else if (exclusive && !isPseudoTerminal(fd)) {
    (void)ioctl(fd, TIOCEXCL);
  }
  if (err != 0) {
    ::close(fd);
    errno = err;
    return -1;
  }
  return fd;
}

// The character format bits. A pseudo-terminal always carries 8 bits without parity and
// ignores them, which is harmless there; some C libraries then report EINVAL although the
// rest was applied.
constexpr tcflag_t kFormatBits = CSIZE | PARENB | PARODD | CSTOPB
#ifdef CMSPAR
                                 | CMSPAR
#endif
    ;

bool keptAllButFormat(int fd, const termios& wanted) {
  termios got{};
  if (tcgetattr(fd, &got) != 0) return false;
  return (got.c_cflag & ~kFormatBits) == (wanted.c_cflag & ~kFormatBits) &&
         got.c_iflag == wanted.c_iflag && got.c_oflag == wanted.c_oflag &&
         got.c_lflag == wanted.c_lflag && got.c_cc[VMIN] == wanted.c_cc[VMIN] &&
         got.c_cc[VTIME] == wanted.c_cc[VTIME] && cfgetospeed(&got) == cfgetospeed(&wanted);
}

void configure(int fd, const TermiosFields& fields) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) throw errnoError(errno);
  applyTermiosFields(fields, t);
  if (tcsetattr(fd, TCSANOW, &t) != 0) {
    int err = errno;
    if (err != EINVAL || !keptAllButFormat(fd, t)) throw errnoError(err);
  }
  // Whatever arrived before the port was opened is not an answer to anything the program sent.
  tcflush(fd, TCIOFLUSH);
}

int toPollMs(double seconds) {
  if (seconds <= 0) return 0;
  // Round up: a wait that ends just before its deadline would only be repeated by the caller.
  double ms = std::ceil(seconds * 1000.0);
  return ms >= INT_MAX ? INT_MAX : static_cast<int>(ms);
}

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TermiosSerialPort::TermiosSerialPort(std::string folder) : m_names(std::move(folder)) {}

TermiosSerialPort::~TermiosSerialPort() {
  if (m_fd >= 0) ::close(m_fd);
}

bool TermiosSerialPort::portExists(int portNumber) {
  int fd = openTerminal(m_names.devicePath(portNumber), false);
  // A port that another program holds is there all the same.
  if (fd < 0) return errno == EBUSY;
  ::close(fd);
  return true;
}

void TermiosSerialPort::openDevice(int portNumber, const SerialSettings& settings,
                                   int handshaking) {
  // Translate first, so that a bad setting refuses the port without touching the device.
  TermiosFields fields = termiosFields(settings, handshaking);
  int fd = openTerminal(m_names.devicePath(portNumber), true);
  if (fd < 0) throw errnoError(errno);
  try {
    configure(fd, fields);
  } catch (const RuntimeError&) {
    ::close(fd);
    throw;
  }
  m_fd = fd;
  if (onDescriptorToWatch) onDescriptorToWatch(m_fd);
  ++m_openings;
  m_pending.clear();
  m_decoded.clear();
  m_decoder.reset();
}

void TermiosSerialPort::closeDevice() {
  if (m_fd < 0) return;
  flushPending();
  if (onDescriptorToWatch) onDescriptorToWatch(-1);
  // The flag would outlive this descriptor while another one stays open.
  (void)ioctl(m_fd, TIOCNXCL);
  ::close(m_fd);
  m_fd = -1;
  m_pending.clear();
  m_decoded.clear();
}

void TermiosSerialPort::writeDevice(const std::string& bytes) {
  if (m_fd < 0) return;
  m_pending += bytes;
  if (!flushPending()) deviceLost();
}

int TermiosSerialPort::pendingOutput() {
  if (m_fd < 0) return 0;
  if (!flushPending()) {
    deviceLost();
    return 0;
  }
  int driverQueue = 0;
  if (ioctl(m_fd, TIOCOUTQ, &driverQueue) != 0) driverQueue = 0;
  return static_cast<int>(m_pending.size()) + driverQueue;
}

bool TermiosSerialPort::flushPending() {
  while (!m_pending.empty()) {
    ssize_t n = ::write(m_fd, m_pending.data(), m_pending.size());
    if (n > 0) {
      m_pending.erase(0, static_cast<size_t>(n));
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
  }
  return true;
}

void TermiosSerialPort::pumpInput() {
  if (m_fd < 0) return;
  unsigned opening = m_openings;
  if (!flushPending()) {
    deviceLost();
    return;
  }
  ReadResult result = readAvailable();
  // What came before a hang-up is still the radio's and goes to the program first.
  deliverDecoded();
  if (result == ReadResult::Lost && opening == m_openings && m_fd >= 0) deviceLost();
}

TermiosSerialPort::ReadResult TermiosSerialPort::readAvailable() {
  char buffer[512];
  std::vector<ParmrkItem> items;
  for (;;) {
    // Only what the receive buffer can take: the rest waits in the driver, not lost.
    int room = inBufferRoom() - static_cast<int>(m_decoded.size());
    if (room <= 0) return ReadResult::Drained;
    ssize_t n = ::read(m_fd, buffer, std::min(sizeof buffer, static_cast<size_t>(room)));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      // The program has looked at everything so far: what comes next must wake its wait.
      if (onDescriptorToWatch) onDescriptorToWatch(m_fd);
      return ReadResult::Drained;
    }
    // With VMIN 1 a read of nothing is a hang-up, never an empty queue.
    if (n <= 0) return ReadResult::Lost;
    items.clear();
    m_decoder.decode(std::string_view(buffer, static_cast<size_t>(n)), items);
    m_decoded.insert(m_decoded.end(), items.begin(), items.end());
  }
}

void TermiosSerialPort::takeMarkedInput(std::string_view bytes) {
  std::vector<ParmrkItem> items;
  m_decoder.decode(bytes, items);
  m_decoded.insert(m_decoded.end(), items.begin(), items.end());
  deliverDecoded();
}

// Items leave a member queue one by one because an OnComm handler may read or close the port
// from inside lineEvent(): a nested pump then keeps the order, and a close empties the queue.
void TermiosSerialPort::deliverDecoded() {
  while (!m_decoded.empty()) {
    ParmrkItem item = m_decoded.front();
    m_decoded.pop_front();
    switch (item.kind) {
      case ParmrkItem::Kind::Byte:
        received(item.c);
        break;
      case ParmrkItem::Kind::ErrorByte:
        received(item.c, true);
        break;
      case ParmrkItem::Kind::Break:
        lineEvent(kCommEventBreak);
        break;
    }
  }
}

void TermiosSerialPort::waitDevice(double seconds) {
  auto start = std::chrono::steady_clock::now();
  for (;;) {
    double left = seconds - secondsSince(start);
    if (left <= 0) return;
    if (m_fd < 0) {
      poll(nullptr, 0, toPollMs(left));
      return;
    }
    if (!pollOnce(left)) return;
    if (m_fd < 0) return;
  }
}

// Returns true only when it woke for room to send and pushed queued output on: the wait then
// goes on for input. Input, a hang-up, an error or the time-out end the wait.
bool TermiosSerialPort::pollOnce(double secondsLeft) {
  pollfd p{m_fd, static_cast<short>(POLLIN | (m_pending.empty() ? 0 : POLLOUT)), 0};
  int rc = poll(&p, 1, toPollMs(secondsLeft));
  if (rc < 0 && errno == EINTR) return true;
  if (rc <= 0) return false;
  if ((p.revents & ~POLLOUT) != 0) return false;
  if (!flushPending()) {
    deviceLost();
    return false;
  }
  return true;
}

void TermiosSerialPort::setRts(bool on) {
  if (m_fd < 0) return;
  int bits = TIOCM_RTS;
  // A pseudo-terminal has no modem lines; the radio simulator does not miss them.
  (void)ioctl(m_fd, on ? TIOCMBIS : TIOCMBIC, &bits);
}
