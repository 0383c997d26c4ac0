#include "lists/list_rules.h"

#include <algorithm>
#include <locale>
#include <sstream>

namespace lists {

namespace {

constexpr std::size_t kPlaces = 7;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool allDigits(const std::string& text) {
  return std::all_of(text.begin(), text.end(), isDigit);
}

bool hasOneDigitMhzPart(const std::string& text) {
  return text.size() >= 3 && isDigit(text[0]) && text[1] == '.' && isDigit(text[2]);
}

/// The text without the blanks, tabs and line feeds that a leading number ignores.
std::string withoutBlanks(const std::string& text) {
  std::string kept;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') kept += c;
  }
  return kept;
}

std::size_t skipDigits(const std::string& text, std::size_t pos) {
  while (pos < text.size() && isDigit(text[pos])) ++pos;
  return pos;
}

/// The length of the number at the start of text: sign, digits, point, digits, and an
/// exponent only when digits follow it.
std::size_t numberLength(const std::string& text) {
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  std::size_t mantissaStart = pos;
  pos = skipDigits(text, pos);
  if (pos < text.size() && text[pos] == '.') pos = skipDigits(text, pos + 1);
  if (pos == mantissaStart || text.substr(mantissaStart, pos - mantissaStart) == ".") return 0;
  if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
    std::size_t exp = pos + 1;
    if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
    std::size_t expEnd = skipDigits(text, exp);
    if (expEnd > exp) pos = expEnd;
  }
  return pos;
}

}  // namespace

std::optional<std::string> bandListFrequency(const std::string& text) {
  std::string places(kPlaces, '0');
  std::size_t next = hasOneDigitMhzPart(text) ? 1 : 0;
  for (char c : text) {
    if (!isDigit(c)) continue;
    // More digits than places is a typing error, not a frequency: never write past them.
    if (next >= kPlaces) return std::nullopt;
    places[next++] = c;
  }
  long value = std::stol(places);
  if (value < kLowestFrequency || value > kHighestFrequency) return std::nullopt;
  return places;
}

std::optional<std::string> modeCodeForWord(const std::string& word, ModeWords words) {
  std::string upper;
  for (char c : word) upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  if (upper == "USB") return std::string("M1");
  if (upper == "LSB") return std::string("M2");
  if (upper == "AME") return std::string("M3");
  if (upper == "CW") return std::string("M4");
  if (upper == "AM" && words == ModeWords::Scanner) return std::string("M3");
  return std::nullopt;
}

std::optional<std::string> modeWordForCode(const std::string& code) {
  if (code == "M1") return std::string("USB");
  if (code == "M2") return std::string("LSB");
  if (code == "M3") return std::string("AME");
  if (code == "M4") return std::string("CW");
  return std::nullopt;
}

std::optional<std::string> mhzTextOfFrequency(const std::string& freq) {
  if (freq.size() != 1 + kPlaces || freq[0] != 'F' || !allDigits(freq.substr(1))) {
    return std::nullopt;
  }
  std::string text;
  if (freq[1] != '0') text += freq[1];
  return text + freq[2] + "." + freq.substr(3);
}

double leadingNumber(const std::string& text) {
  std::string kept = withoutBlanks(text);
  std::size_t length = numberLength(kept);
  if (length == 0) return 0.0;
  std::istringstream in(kept.substr(0, length));
  in.imbue(std::locale::classic());
  double value = 0.0;
  in >> value;
  return in.fail() ? 0.0 : value;
}

std::vector<ListRow> sortRows(const std::vector<ListRow>& rows) {
  std::vector<float> values;
  std::vector<bool> inPlay;
  for (const ListRow& row : rows) {
    values.push_back(static_cast<float>(leadingNumber(row.freq)));
    inPlay.push_back(values.back() != 0.0f);
  }
  std::vector<ListRow> sorted;
  for (std::size_t pass = 0; pass < rows.size(); ++pass) {
    std::optional<std::size_t> pick;
    for (std::size_t k = 0; k < rows.size(); ++k) {
      // "<=" lets the later of two equal rows win, so equal rows come out in reverse order.
      if (inPlay[k] && (!pick || values[k] <= values[*pick])) pick = k;
    }
    if (!pick) break;
    sorted.push_back(rows[*pick]);
    inPlay[*pick] = false;
  }
  sorted.resize(rows.size());
  return sorted;
}

}  // namespace lists
