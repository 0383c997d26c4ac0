#include "panel/frequency_digits.h"

#include <cstdio>

#include "link/frequency_text.h"

namespace freqdigits {

bool inRange(int value) {
  return value >= kLowest && value <= kHighest;
}

int valueOfSeven(const std::string& text) {
  if (text.size() != 7) return -1;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string sevenDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%07d", value);
  return text;
}

int stepOfDigit(int index) {
  int step = 1000000;
  if (index < 0 || index > 6) return 0;
  for (int i = 0; i < index; ++i) step /= 10;
  return step;
}

std::string digitsOfFreqItem(const std::string& item) {
  return isFrequencyItem(item) ? item.substr(1) : "";
}

std::string channelNumber(const std::string& boxText) {
  int value = 0;
  for (char c : boxText) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > 99) value = 99;  // the scroll bars never go past 99
  }
  return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

}  // namespace freqdigits
