#include "platform/runtime_error.h"

#include <cstring>

namespace {

constexpr size_t kShownValueLength = 16;

}  // namespace

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), m_number(number), m_description(description) {}

RuntimeError errnoError(int err) { return RuntimeError(err, std::strerror(err)); }

std::string errorText(const std::string& procedure, const RuntimeError& e) {
  return procedure + ": Err " + std::to_string(e.number()) + ". " + e.description();
}

std::string shownValue(const std::string& value) {
  std::string shown;
  for (char c : value) {
    auto byte = static_cast<unsigned char>(c);
    // Cut only where a character begins, so that a multi-byte character is never split.
    bool continuation = (byte & 0xC0) == 0x80;
    if (shown.size() >= kShownValueLength && !continuation) return shown + "...";
    if (byte < 0x20 || byte == 0x7F) {
      shown += '^';
      shown += static_cast<char>(byte ^ 0x40);
    } else {
      shown += c;
    }
  }
  return shown;
}
