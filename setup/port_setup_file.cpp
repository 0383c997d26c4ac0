#include "setup/port_setup_file.h"

#include "link/fixed_text.h"

namespace {

constexpr const char* kHandshakeNames[] = {"comNone", "comXonXoff", "comRTS", "comRTSXonXoff"};

std::string withoutTrailingBlanks(std::string text) {
  size_t end = text.find_last_not_of(' ');
  text.erase(end == std::string::npos ? 0 : end + 1);
  return text;
}

}  // namespace

std::string handshakeName(int handshaking) {
  if (handshaking < 0 || handshaking > 3) handshaking = 0;
  return kHandshakeNames[handshaking];
}

int handshakeValue(const std::string& name) {
  for (int i = 0; i < 4; ++i) {
    if (name == kHandshakeNames[i]) return i;
  }
  // The start-up also knows these spellings; a file that uses them keeps its handshake.
  if (name == "comXOnXOff") return 1;
  if (name == "comRTSXOnXOff") return 3;
  return 0;
}

std::string baudOf(const std::string& settings) {
  return settings.substr(0, settings.find(','));
}

std::vector<std::string> portSetupLines(const std::string& port, const std::string& baud,
                                        int handshaking) {
  return {port,
          baud + kSerialFraming,
          handshakeName(handshaking),
          "Line 1: Port Number, COM1 = 1, COM2 = 2, etc..",
          "Line 2: Baud,Parity,Bits,Stop",
          "Line 3: comNone, comXonXoff, comRTS, comRTSXonXoff"};
}

PortSetupFields readPortSetupFields(const std::vector<std::string>& lines) {
  PortSetupFields fields;
  if (lines.size() > 0) fields.port = FixedText<2>(lines[0]).str();
  // "19200 ,O,7,1" is 12 characters: the field keeps 11, and only the baud before the comma
  // is used, so the cut never matters.
  if (lines.size() > 1) fields.baud = baudOf(FixedText<11>(lines[1]).str());
  if (lines.size() > 2) {
    fields.handshaking = handshakeValue(withoutTrailingBlanks(FixedText<13>(lines[2]).str()));
  }
  return fields;
}
