#pragma once
#include <string>
#include <vector>

#include "tools/radiosim/radio_behaviour.h"
#include "tools/radiosim/radio_faults.h"
#include "tools/radiosim/radio_state.h"

/// What the radio sends back for one command: text after a delay (seconds after the command
/// was complete), or a break on the line.
struct RadioReply {
  double delay = 0.0;
  std::string text;
  bool lineBreak = false;
};

/// The radio's side of the serial protocol, without any notion of time or transport: the
/// in-process tests schedule its replies on the virtual clock, tools/radiosim writes them to
/// a pseudo-terminal.
///
/// Framing: a command ends with a line feed (a carriage return, or CR LF, also ends one),
/// except the one-character commands "K" (key), "U" (unkey) and " " (the blank keep-alive),
/// and, for generation 1, "'" (PTT enable toggle), which are complete as soon as they arrive
/// at the start of a line. Partial lines are kept until their line feed comes.
///
/// Answers: "?" gets the full status (see fullAnswer in status_lines.h), "K"/"U" a K or U
/// line, every other command the status lines of what it changed (an echo of the value for
/// B, G and P). What each command does, per firmware generation, and what the radio obeys in
/// LOCAL state is described at obeyCommand in radio_commands.h.
///
/// The radio has no clock: changes that take a while (the amplifier's warm-up and tune cycle)
/// enter the state at once, and only their status line is sent late.
class SimRadio {
 public:
  /// firmware: 1 (oldest, step commands "M"/"A"), 2 (adaptive, absolute codes), 3
  /// (non-adaptive, step commands "m"/"a"); anything else throws std::invalid_argument.
  explicit SimRadio(int firmware = 2);

  /// Feeds the bytes the program wrote; returns the radio's replies in order.
  std::vector<RadioReply> receive(const std::string& bytes);

  /// The radio's own front panel takes (remote false) or gives back control: returns the
  /// unsolicited R line ("R0\n" or "R1\n") for the caller to deliver.
  std::vector<RadioReply> switchRemote(bool remote);

  /// An unsolicited meter reading: "J" and the two digits of state.meterReading.
  std::vector<RadioReply> meterReport();

  int firmware() const { return m_firmware; }

  RadioState state;
  RadioFaults faults;
  RadioBehaviour behaviour;
  /// Every complete command received, without its line feed, in order (an empty line is
  /// logged as ""); ignored commands are logged too.
  std::vector<std::string> commandLog;

 private:
  void takeByte(char byte, std::vector<RadioReply>& replies);
  void complete(std::vector<RadioReply>& replies);
  std::vector<RadioReply> answer(const std::string& command);
  /// Applies the output faults to what the radio is about to send.
  std::vector<RadioReply> deliver(std::vector<RadioReply> replies) const;
  std::string rewrittenLines(const std::string& text) const;

  int m_firmware;
  std::string m_line;
  bool m_afterCarriageReturn = false;
};
