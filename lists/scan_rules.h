#pragma once
#include <optional>
#include <string>

/// What the frequency scanner and the band sweep make of the texts typed into their boxes.
namespace lists {

/// The scanner's frequency command of a row's frequency text. Eight places start as
/// "F0000000"; a text whose second character is "." (a one-digit MHz part) starts filling at
/// place 3, any other at place 2; every character but "." fills the next place. Gives the
/// eight places when places 2 to 8 are digits worth 160000 to 2999999; nothing when they are
/// not, or when the text has more characters than the places left to fill.
///   "7.15" -> "F0715000", "14.250" and "14250" -> "F1425000", "1.59" and "14.2a" -> refused.
std::optional<std::string> scanFrequencyCommand(const std::string& text);

/// The whole seconds of the file's dwell line or of a delay text: its leading number (0
/// without one) rounded to the nearest (a half to the even number), kept within the 16-bit
/// range. "5.0" -> 5, "2.5" -> 2, "0.4" -> 0, "5s" -> 5, "" -> 0.
int wholeSecondsFromText(const std::string& text);

/// The dwell that a scan pass takes from the delay text: below 1 gives 1, otherwise its
/// whole seconds. "3" -> 3, "2.5" -> 2, "0.4" -> 1.
int dwellSecondsFromText(const std::string& text);

/// A limit text of the band sweep in units of 10 Hz. Seven places start as "0000000"; a text
/// whose second character is "." starts filling at place 2, any other at place 1; every
/// character but "." fills the next place; the result is the number the places spell up to
/// their first non-digit (0 when the first is not a digit). A text with more characters than
/// the places left to fill gives 0, which the sweep reports as out of range.
///   "1.800" -> 180000, "14.00" -> 1400000, "14.3x0" -> 143, "" -> 0.
long freqTextToUnits(const std::string& text);

/// Whether a frequency in units of 10 Hz may be sent to the radio (1.6 to 29.99999 MHz).
bool isRadioFrequency(long units);

/// The frequency command of the band sweep: "F" and the frequency's 7 digits, zero-padded
/// below 10 MHz (180000 -> "F0180000", 1435000 -> "F1435000").
std::string sweepCommand(long units);

}  // namespace lists
