#include "link/frequency_text.h"

bool isSevenDigits(const std::string& text) {
  if (text.size() != 7) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

bool isFrequencyItem(const std::string& text) {
  return text.size() == 8 && text[0] == 'F' && isSevenDigits(text.substr(1));
}
