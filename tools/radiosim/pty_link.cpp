#include "tools/radiosim/pty_link.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace {

[[noreturn]] void fail(const std::string& what) {
  throw std::system_error(errno, std::generic_category(), what);
}

void makeRaw(int fd) {
  termios settings{};
  if (tcgetattr(fd, &settings) != 0) fail("tcgetattr");
  cfmakeraw(&settings);
  if (tcsetattr(fd, TCSANOW, &settings) != 0) fail("tcsetattr");
}

}  // namespace

PtyLink::PtyLink() {
  m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (m_master < 0) fail("posix_openpt");
  if (grantpt(m_master) != 0 || unlockpt(m_master) != 0) fail("unlockpt");
  char name[256];
  if (ptsname_r(m_master, name, sizeof name) != 0) fail("ptsname");
  m_slavePath = name;
  m_slave = open(name, O_RDWR | O_NOCTTY);
  if (m_slave < 0) fail(m_slavePath);
  makeRaw(m_slave);
}

PtyLink::~PtyLink() {
  if (m_slave >= 0) close(m_slave);
  if (m_master >= 0) close(m_master);
}

bool PtyLink::write(const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(m_master, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The Linux pseudo-terminal has no break signal of its own; this then does nothing.
void PtyLink::sendBreak() {
  tcsendbreak(m_master, 0);
}

SymlinkGuard::SymlinkGuard(std::string path, std::string target)
    : m_path(std::move(path)), m_target(std::move(target)) {
  struct stat old {};
  if (lstat(m_path.c_str(), &old) == 0 && !S_ISLNK(old.st_mode)) {
    errno = EEXIST;
    fail(m_path + " exists and is not a symbolic link");
  }
  // Made under a temporary name and renamed over the old link, so the name never dangles.
  const std::string temporary = m_path + ".radiosim-new";
  unlink(temporary.c_str());
  if (symlink(m_target.c_str(), temporary.c_str()) != 0) fail(temporary);
  if (rename(temporary.c_str(), m_path.c_str()) != 0) {
    const int error = errno;
    unlink(temporary.c_str());
    errno = error;
    fail(m_path);
  }
}

SymlinkGuard::~SymlinkGuard() {
  char pointsTo[512];
  const ssize_t n = readlink(m_path.c_str(), pointsTo, sizeof pointsTo - 1);
  if (n < 0) return;
  if (std::string(pointsTo, static_cast<std::size_t>(n)) == m_target) unlink(m_path.c_str());
}
