#include "link/number_text.h"

#include <cmath>
#include <limits>

#include "platform/runtime_error.h"

namespace {

constexpr int kErrOverflow = 6;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

double leadingNumber(const std::string& text) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) return 0.0;
  double sign = 1.0;
  if (text[i] == '+' || text[i] == '-') {
    if (text[i] == '-') sign = -1.0;
    ++i;
  }
  double value = 0.0;
  double scale = 0.0;  // place value of the next fraction digit; 0 before the decimal point
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (isDigit(c)) {
      if (scale == 0.0) {
        value = value * 10.0 + (c - '0');
      } else {
        value += scale * (c - '0');
        scale /= 10.0;
      }
    } else if (c == '.' && scale == 0.0) {
      scale = 0.1;
    } else {
      break;
    }
  }
  return sign * value;
}

std::int32_t wholeNumber(double value) {
  double rounded = std::nearbyint(value);  // the default rounding mode: a half to even
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
        rounded <= std::numeric_limits<std::int32_t>::max())) {
    throw RuntimeError(kErrOverflow, "Overflow");
  }
  return static_cast<std::int32_t>(rounded);
}

std::int32_t wholeNumberOfText(const std::string& text) {
  const RuntimeError mismatch(kErrTypeMismatch, "Type mismatch");
  std::size_t i = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  bool hasDigit = false;
  bool hasPoint = false;
  for (; i < text.size(); ++i) {
    if (isDigit(text[i])) {
      hasDigit = true;
      continue;
    }
    if (text[i] != '.' || hasPoint) throw mismatch;
    hasPoint = true;
  }
  if (!hasDigit) throw mismatch;
  return wholeNumber(leadingNumber(text));
}

std::string numberText(std::int32_t value) {
  if (value < 0) return std::to_string(value);
  return " " + std::to_string(value);
}
