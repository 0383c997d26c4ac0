#include "platform/runtime_error.h"

#include <cstring>

namespace {

constexpr size_t kShownValueLength = 16;
const char kReplacementCharacter[] = "\xEF\xBF\xBD";  // U+FFFD

/// The length of the well-formed UTF-8 character that begins at value[at], or 0 when none
/// does (a stray continuation byte, a lead byte without its continuation, an overlong form, a
/// surrogate or a code point past U+10FFFF).
size_t characterLength(const std::string& value, size_t at) {
  auto byteAt = [&](size_t i) {
    return i < value.size() ? static_cast<unsigned char>(value[i]) : 0;
  };
  unsigned lead = byteAt(at);
  size_t length = lead < 0x80   ? 1
                  : lead < 0xC2 ? 0
                  : lead < 0xE0 ? 2
                  : lead < 0xF0 ? 3
                  : lead < 0xF5 ? 4
                                : 0;
  // The second byte's range is what rules out the overlong forms, surrogates and the code
  // points past U+10FFFF.
  unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  for (size_t k = 1; k < length; ++k) {
    unsigned byte = byteAt(at + k);
    if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF)) return 0;
  }
  return length;
}

}  // namespace

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), m_number(number), m_description(description) {}

RuntimeError errnoError(int err) {
  return RuntimeError(err, std::strerror(err));
}

std::string errorText(const std::string& procedure, const RuntimeError& e) {
  return procedure + ": Err " + std::to_string(e.number()) + ". " + e.description();
}

std::string shownValue(const std::string& value) {
  std::string shown;
  size_t characters = 0;
  for (size_t at = 0; at < value.size(); ++characters) {
    if (characters == kShownValueLength) return shown + "...";
    size_t length = characterLength(value, at);
    auto byte = static_cast<unsigned char>(value[at]);
    if (length == 0) {
      // A byte that begins no character counts as one, so that no run of bytes escapes the
      // cut, and is replaced, so that the text stays valid UTF-8 for the renderer.
      shown += kReplacementCharacter;
      length = 1;
    } else if (byte < 0x20 || byte == 0x7F) {
      shown += '^';
      shown += static_cast<char>(byte ^ 0x40);
    } else {
      shown.append(value, at, length);
    }
    at += length;
  }
  return shown;
}
