#pragma once
#include <optional>
#include <string>
#include <vector>

/// PortSetup.txt: the serial link's settings, six CRLF lines written whole by the port setup
/// dialog. Lines 1 to 3 hold the port number, the settings string (baud, then ",O,7,1") and
/// the handshake name; lines 4 to 6 describe the format for a person and are never read.
constexpr char kPortSetupFileName[] = "PortSetup.txt";

/// What follows the baud in a settings string: odd parity, 7 data bits, 1 stop bit.
constexpr char kSerialFraming[] = ",O,7,1";

/// The handshake name written for a handshaking value 0..3 (the handshake option's index):
/// "comNone", "comXonXoff", "comRTS", "comRTSXonXoff". Any other value gives "comNone".
std::string handshakeName(int handshaking);

/// The handshaking value of a name, compared whole and with its letter case: the four names
/// above, and also "comXOnXOff" and "comRTSXOnXOff" as the start-up accepts them, so that
/// loading and saving again never turns a working handshake into "comNone". Any other text
/// gives 0.
int handshakeValue(const std::string& name);

/// The text before the first comma of a settings string: its baud as typed.
std::string baudOf(const std::string& settings);

/// The six lines of the file for a port text, a baud text and a handshaking value; the port
/// and baud texts are written exactly as given, a trailing blank included.
std::vector<std::string> portSetupLines(const std::string& port, const std::string& baud,
                                        int handshaking);

/// What the dialog's Load takes from the file's lines. Each line is read into a field of fixed
/// width (2, 11 and 13 characters: cut when longer, padded with blanks when shorter), so a
/// one-digit port shows with a trailing blank. A line that the file lacks stays empty here,
/// and its box keeps what it showed.
struct PortSetupFields {
  std::optional<std::string> port;  // the line-1 field
  std::optional<std::string> baud;  // the line-2 field up to its first comma
  std::optional<int> handshaking;   // the line-3 field without trailing blanks, by name
};

PortSetupFields readPortSetupFields(const std::vector<std::string>& lines);
