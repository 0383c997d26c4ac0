#pragma once
#include <string>

/// A pseudo-terminal whose slave side stands in for the radio's serial port.
///
/// The simulator keeps a descriptor of the slave open for its whole life, so the master
/// never reports a hang-up while the program has the port closed: the program can close
/// and reopen the slave any number of times. The slave starts in raw mode.
class PtyLink {
 public:
  /// Opens the master (non-blocking) and the slave; throws std::system_error on failure.
  PtyLink();
  ~PtyLink();
  PtyLink(const PtyLink&) = delete;
  PtyLink& operator=(const PtyLink&) = delete;

  int master() const { return m_master; }
  const std::string& slavePath() const { return m_slavePath; }

  /// Writes what the line takes now; the rest is dropped (nobody reads the slave and its
  /// buffer is full). Returns false when something was dropped.
  bool write(const std::string& text);
  /// A break condition on the line, where the pseudo-terminal driver supports one.
  void sendBreak();

 private:
  int m_master = -1;
  int m_slave = -1;
  std::string m_slavePath;
};

/// A symbolic link `path` -> `target`, replacing an older link of that name; removed again
/// on destruction when it still points to `target`. Throws std::system_error on failure,
/// also when `path` exists and is not a symbolic link.
class SymlinkGuard {
 public:
  SymlinkGuard(std::string path, std::string target);
  ~SymlinkGuard();
  SymlinkGuard(const SymlinkGuard&) = delete;
  SymlinkGuard& operator=(const SymlinkGuard&) = delete;

 private:
  std::string m_path;
  std::string m_target;
};
