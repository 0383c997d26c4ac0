#pragma once
#include <optional>
#include <string>
#include <vector>

#include "lists/list_file.h"

/// What the band list does with a row's texts alone: the frequency and mode it tunes to, the
/// radio's frequency as a row text, and the sort.
namespace lists {

/// The lowest and highest frequency the radio is ever sent, in units of 10 Hz.
constexpr long kLowestFrequency = 160000;
constexpr long kHighestFrequency = 2999999;

/// The band list's frequency rule: seven places start as "0000000"; a text that begins with
/// digit, point, digit ("7.15") starts filling at place 2, any other at place 1; every digit
/// of the text fills the next place and every other character is skipped. Gives the seven
/// digits when their value lies from 160000 to 2999999; nothing when it does not, or when the
/// text holds more digits than the places left to fill.
///   "14.250" -> "1425000", "7.15" -> "0715000", "1.8" -> "0180000", "7" -> refused.
std::optional<std::string> bandListFrequency(const std::string& text);

/// Which mode words a list takes: the scanner also takes "AM".
enum class ModeWords { BandList, Scanner };

/// The mode code of a mode word, compared whole and without regard to case: "USB" "M1",
/// "LSB" "M2", "AME" "M3", "CW" "M4" (and "AM" "M3" for the scanner). Nothing for any other
/// word, the empty one included: the caller then keeps the radio's present mode.
std::optional<std::string> modeCodeForWord(const std::string& word,
                                           ModeWords words = ModeWords::BandList);

/// The mode word of a mode code "M1".."M4"; nothing for any other code.
std::optional<std::string> modeWordForCode(const std::string& code);

/// The radio's frequency "F" + 7 digits as a row text in MHz with five decimals and no
/// leading zero: "F1425000" -> "14.25000", "F0715000" -> "7.15000". Nothing unless the text
/// is "F" and exactly seven digits.
std::optional<std::string> mhzTextOfFrequency(const std::string& freq);

/// The sort value of a frequency text: its leading decimal number, blanks, tabs and line
/// feeds ignored wherever they stand; 0 without one.
double leadingNumber(const std::string& text);

/// The rows ordered by rising leading number (compared as 32-bit floats; among equal values
/// the later row comes first). Rows worth 0 are dropped; the list is padded with empty rows
/// back to its former length.
std::vector<ListRow> sortRows(const std::vector<ListRow>& rows);

}  // namespace lists
