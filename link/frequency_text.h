#pragma once
#include <string>

/// Whether text is exactly seven decimal digits: a frequency in units of 10 Hz.
bool isSevenDigits(const std::string& text);

/// Whether text is a well-formed frequency status: "F" and exactly seven digits.
bool isFrequencyItem(const std::string& text);
