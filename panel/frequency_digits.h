#pragma once
#include <string>

/// The panel's frequencies: seven decimal digits in units of 10 Hz, digit 0 the 10 MHz place
/// and digit 6 the 10 Hz place, as on the seven frequency and channel digit buttons.
namespace freqdigits {

/// The lowest and highest frequency the radio is ever sent (1.6 MHz and 29.99999 MHz).
constexpr int kLowest = 160000;
constexpr int kHighest = 2999999;

/// Whether value lies from kLowest to kHighest.
bool inRange(int value);

/// The value of text when it is exactly seven decimal digits, otherwise -1.
int valueOfSeven(const std::string& text);

/// value as seven digits with leading zeros: 995000 -> "0995000".
std::string sevenDigits(int value);

/// Units of 10 Hz that one step of the digit at index moves: 1000000 for index 0 down to 1
/// for index 6; 0 for any other index.
int stepOfDigit(int index);

/// The seven digits of a frequency status item ("F" and seven digits); "" for any other text,
/// such as an item the radio has never sent or one that arrived garbled.
std::string digitsOfFreqItem(const std::string& item);

/// A channel box's number as the two digits the radio's channel commands carry: the value of
/// its leading digits ("7" -> "07", "" -> "00"), kept to 00..99.
std::string channelNumber(const std::string& boxText);

}  // namespace freqdigits
