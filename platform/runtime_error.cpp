#include "platform/runtime_error.h"

#include <cstring>

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), m_number(number), m_description(description) {}

RuntimeError errnoError(int err) { return RuntimeError(err, std::strerror(err)); }

std::string errorText(const std::string& procedure, const RuntimeError& e) {
  return procedure + ": Err " + std::to_string(e.number()) + ". " + e.description();
}
