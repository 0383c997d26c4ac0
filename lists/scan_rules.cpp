#include "lists/scan_rules.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "lists/list_rules.h"

namespace lists {
namespace {

constexpr int kLongestDwell = 32767;
constexpr int kMostNegative = -32768;

bool isDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

/// Fills `places` from position `first` with every character of `text` but "."; false when
/// the text has more such characters than the places left.
bool fillPlaces(std::string& places, std::size_t first, const std::string& text) {
  std::size_t next = first;
  for (char c : text) {
    if (c == '.') continue;
    if (next >= places.size()) return false;
    places[next++] = c;
  }
  return true;
}

bool hasOneDigitMhzPart(const std::string& text) {
  return text.size() >= 2 && text[1] == '.';
}

}  // namespace

std::optional<std::string> scanFrequencyCommand(const std::string& text) {
  std::string places = "F0000000";
  if (!fillPlaces(places, hasOneDigitMhzPart(text) ? 2 : 1, text)) return std::nullopt;
  long value = 0;
  for (std::size_t i = 1; i < places.size(); ++i) {
    if (!isDigit(places[i])) return std::nullopt;
    value = value * 10 + (places[i] - '0');
  }
  if (!isRadioFrequency(value)) return std::nullopt;
  return places;
}

int wholeSecondsFromText(const std::string& text) {
  double value = leadingNumber(text);
  if (value <= kMostNegative) return kMostNegative;
  if (value >= kLongestDwell) return kLongestDwell;
  return static_cast<int>(std::nearbyint(value));  // the default rounding: a half to even
}

int dwellSecondsFromText(const std::string& text) {
  if (!(leadingNumber(text) >= 1)) return 1;  // also a text that reads as no number at all
  return wholeSecondsFromText(text);
}

long freqTextToUnits(const std::string& text) {
  std::string places = "0000000";
  if (!fillPlaces(places, hasOneDigitMhzPart(text) ? 1 : 0, text)) return 0;
  long value = 0;
  for (char c : places) {
    if (!isDigit(c)) break;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool isRadioFrequency(long units) {
  return units >= kLowestFrequency && units <= kHighestFrequency;
}

std::string sweepCommand(long units) {
  char text[16];
  std::snprintf(text, sizeof text, "F%07ld", units);
  return text;
}

}  // namespace lists
