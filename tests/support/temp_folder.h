#pragma once
#include <string>
#include <vector>

/// A fresh folder under /tmp for one test, removed with everything in it afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return m_path; }
  std::string file(const std::string& name) const { return m_path + "/" + name; }
  /// Writes the bytes as they are.
  void write(const std::string& name, const std::string& bytes) const;
  /// The file's bytes; empty when missing.
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;
  /// Names of the files in the folder.
  std::vector<std::string> list() const;

 private:
  std::string m_path;
};
