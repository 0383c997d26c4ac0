#include "platform/text_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/runtime_error.h"

namespace {

/// Closes a descriptor on every way out.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return m_fd; }
  /// Closes now, reporting a failure (a full disk may only show here).
  void closeChecked() {
    int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) throw errnoError(errno);
  }

 private:
  int m_fd;
};

int openForReading(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw errnoError(errno);
  // A folder opens for reading here, but it is no text file to read.
  struct stat info;
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    throw errnoError(EISDIR);
  }
  return fd;
}

std::string readAll(int fd) {
  std::string text;
  char buffer[4096];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw errnoError(errno);
    if (n == 0) return text;
    text.append(buffer, static_cast<size_t>(n));
  }
}

void writeAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw errnoError(errno);
    done += static_cast<size_t>(n);
  }
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    size_t next = end == std::string::npos ? text.size() : end + 1;
    if (end == std::string::npos) end = text.size();
    if (end > start && text[end - 1] == '\r') --end;
    lines.push_back(text.substr(start, end - start));
    start = next;
  }
  return lines;
}

}  // namespace

TextFiles::TextFiles(std::string folder) : m_folder(std::move(folder)) {}

std::string TextFiles::path(const std::string& name) const {
  return m_folder + "/" + name;
}

void TextFiles::probe(const std::string& name) const {
  FileDescriptor fd(openForReading(path(name)));
}

std::vector<std::string> TextFiles::readLines(const std::string& name) const {
  FileDescriptor fd(openForReading(path(name)));
  return splitLines(readAll(fd.get()));
}

void TextFiles::writeLines(const std::string& name, const std::vector<std::string>& lines) const {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  std::string target = path(name);
  std::string temp = target + ".tmp" + std::to_string(::getpid());
  try {
    FileDescriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0) throw errnoError(errno);
    writeAll(fd.get(), text);
    if (::fsync(fd.get()) != 0) throw errnoError(errno);
    fd.closeChecked();
    // A file marked read-only stays as it is, even though rename could replace it (and root
    // could write it): the user marked it so on purpose.
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && (info.st_mode & 0222) == 0) {
      throw errnoError(EACCES);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) throw errnoError(errno);
  } catch (const RuntimeError&) {
    ::unlink(temp.c_str());
    throw;
  }
}
