#pragma once
#include <string>
#include <vector>

/// The program's text files, opened by bare name in its working folder. Reading accepts CRLF
/// and LF line ends; writing writes CRLF. Failures raise RuntimeError with errno and its text.
class TextFiles {
 public:
  explicit TextFiles(std::string folder);

  const std::string& folder() const { return m_folder; }
  /// The full path of a bare file name.
  std::string path(const std::string& name) const;
  /// Opens the file for reading and closes it again, reading nothing. A folder of that name
  /// is refused as EISDIR, by this and by readLines.
  void probe(const std::string& name) const;
  /// Every line of the file, without its line end.
  std::vector<std::string> readLines(const std::string& name) const;
  /// Replaces the file with these lines, each ended by CRLF. The new content goes to a
  /// temporary file in the same folder that is flushed and renamed over the old one, so a
  /// failed write leaves the old file whole and no partial file behind.
  void writeLines(const std::string& name, const std::vector<std::string>& lines) const;

 private:
  std::string m_folder;
};
