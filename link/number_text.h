#pragma once
#include <cstdint>
#include <string>

/// Reading and writing numbers the way the radio's panel texts hold them.

/// The number at the start of text: leading blanks skipped, then an optional sign, digits and
/// one decimal point, up to the first other character. Text without a number reads as 0.
double leadingNumber(const std::string& text);

/// The nearest whole number, a half going to the even neighbour. A value outside the 32-bit
/// range raises run-time error 6, "Overflow".
std::int32_t wholeNumber(double value);

/// The whole number of a text that is a number and nothing else: an optional sign, then
/// digits with at most one decimal point, rounded as wholeNumber rounds. Any other text
/// raises run-time error 13, "Type mismatch".
std::int32_t wholeNumberOfText(const std::string& text);

/// The decimal digits of value, led by a minus sign when negative and by a blank otherwise.
std::string numberText(std::int32_t value);
