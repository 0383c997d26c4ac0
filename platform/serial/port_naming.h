#pragma once
#include <set>
#include <string>
#include <utility>

/// The device that serial port number N stands for: `<folder>/COM<N>` when that name exists
/// in the working folder (normally a symbolic link to /dev/serial/by-id/... or to a
/// pseudo-terminal; a dangling link still wins, so an unplugged adapter is absent rather than
/// replaced by another device). Otherwise a fixed table: 1-4 are /dev/ttyS0-3, 5-12
/// /dev/ttyUSB0-7, 13-16 /dev/ttyACM0-3. Any other number gives "".
std::string portDevicePath(int portNumber, const std::string& folder);

/// Reads a port number: decimal digits from 1 to 16, blanks around them ignored. Leaves n
/// unchanged and returns false for anything else.
bool parsePortNumber(const std::string& text, int& n);

/// Port names as a running program resolves them: as portDevicePath(), except that a number
/// once resolved through its COMN link stays that link after the link has gone, so that a
/// vanished device is a missing port, never whatever the table has at that number.
class PortNames {
 public:
  explicit PortNames(std::string folder) : m_folder(std::move(folder)) {}
  std::string devicePath(int portNumber);

 private:
  std::string m_folder;
  std::set<int> m_linked;
};
