#pragma once
#include <string>

/// Ways the simulated radio can be told to misbehave. All off by default; the one-shot
/// faults switch themselves off once they have acted.
struct RadioFaults {
  /// Hears and obeys every command but sends nothing at all.
  bool silent = false;
  /// Commands starting with this character are logged but neither obeyed nor answered
  /// ('\0': none).
  char ignoredLetter = '\0';
  /// Seconds added to the delay of every reply.
  double extraDelay = 0.0;
  /// K and U still key and unkey, but their K/U answer lines are not sent.
  bool dropKeyAnswers = false;
  /// The last line of every reply goes out without its line feed.
  bool partialLastLine = false;
  /// Lines whose tag is one of these characters arrive with a character turned into ":",
  /// as a parity error would leave it (the character after the tag, or the tag itself
  /// in a one-character line).
  std::string garbleTags;
  /// One-shot: the next complete command is answered by a break instead of its lines.
  bool breakNext = false;
  /// Every frequency line reports the frequency plus this many units of 10 Hz.
  int freqReportOffset = 0;
  /// One-shot: the next "?" is answered with the R line alone.
  bool nextQueryROnly = false;
};
