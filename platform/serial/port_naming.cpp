#include "platform/serial/port_naming.h"

#include <sys/stat.h>

#include <cctype>

namespace {

constexpr int kMaxPort = 16;

bool nameExists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

std::string fixedDevice(int portNumber) {
  if (portNumber >= 1 && portNumber <= 4) return "/dev/ttyS" + std::to_string(portNumber - 1);
  if (portNumber >= 5 && portNumber <= 12) return "/dev/ttyUSB" + std::to_string(portNumber - 5);
  if (portNumber >= 13 && portNumber <= 16) {
    return "/dev/ttyACM" + std::to_string(portNumber - 13);
  }
  return "";
}

bool isBlank(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string linkPath(int portNumber, const std::string& folder) {
  std::string link = "COM" + std::to_string(portNumber);
  return folder.empty() ? link : folder + "/" + link;
}

}  // namespace

std::string portDevicePath(int portNumber, const std::string& folder) {
  if (portNumber < 1 || portNumber > kMaxPort) return "";
  std::string link = linkPath(portNumber, folder);
  if (nameExists(link)) return link;
  return fixedDevice(portNumber);
}

std::string PortNames::devicePath(int portNumber) {
  std::string path = portDevicePath(portNumber, m_folder);
  std::string link = linkPath(portNumber, m_folder);
  if (path == link) {
    m_linked.insert(portNumber);
  } else if (m_linked.count(portNumber) > 0) {
    return link;
  }
  return path;
}

bool parsePortNumber(const std::string& text, int& n) {
  size_t b = 0;
  size_t e = text.size();
  while (b < e && isBlank(text[b])) ++b;
  while (e > b && isBlank(text[e - 1])) --e;
  if (e == b) return false;
  int value = 0;
  for (size_t i = b; i < e; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    value = value * 10 + (text[i] - '0');
    if (value > kMaxPort) return false;  // also keeps a long digit string from overflowing
  }
  if (value < 1) return false;
  n = value;
  return true;
}
