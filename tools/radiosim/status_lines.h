#pragma once
#include <string>

#include "tools/radiosim/radio_state.h"

/// The radio's status lines, each with its line feed: a tag character and its value.

/// tag followed by one digit: "M2\n", "H1\n", "'0\n".
std::string digitLine(char tag, int value);
/// "F" and the frequency as 7 digits (units of 10 Hz).
std::string freqLine(int freq);
/// "P", the channel as 2 digits, the 7 frequency digits and the mode digit.
std::string channelLine(int channel, const MemoryChannel& memory);
/// "B" and the BFO position as 3 digits.
std::string bfoLine(int bfo);
/// "G" and the RF gain as 2 digits.
std::string rfGainLine(int rfGain);
/// "R1" (REMOTE) or "R0" (LOCAL).
std::string remoteLine(bool remote);
/// "K" while transmitting, "U" while receiving.
std::string keyLine(bool transmitting);
/// "J" and the meter reading as 2 digits.
std::string meterLine(int reading);

/// The answer to "?": one line per status item, then the "!" line (generations 1 and 3),
/// the "Q" line (generation 3), the "#" line and the "." line that close a full answer.
std::string fullAnswer(const RadioState& state, int firmware);
