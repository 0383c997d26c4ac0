#pragma once
#include <stdexcept>
#include <string>

/// A run-time error as the program's own error handling sees it: a number and a description.
/// Operating-system failures carry errno and its text; the program's own conversions carry
/// the fixed numbers below.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, const std::string& description);
  int number() const { return m_number; }
  const std::string& description() const { return m_description; }

 private:
  int m_number;
  std::string m_description;
};

constexpr int kErrTypeMismatch = 13;       // text that is not a number
constexpr int kErrInvalidProperty = 380;   // a serial property the port refuses
constexpr int kErrPortNotOpen = 8018;      // an operation that needs an open port
constexpr int kErrPortAlreadyOpen = 8005;  // a property that cannot change while open
constexpr int kErrPortOpenFailed = 8002;   // the device could not be opened

/// The error for the current errno (or the one given).
RuntimeError errnoError(int err);

/// "proc: Err N. description", the text that error traps show.
std::string errorText(const std::string& procedure, const RuntimeError& e);

/// A value from a settings file or a dialog as an error text quotes it: cut after 16
/// characters with "..." behind, each control character in caret notation (a NUL shows as
/// "^@") and each byte that begins no UTF-8 character as U+FFFD, counted as one character.
/// So the text stays one readable line of valid UTF-8, at most 67 bytes, whatever was given.
std::string shownValue(const std::string& value);

/// Thrown to end the program (the main window's shutdown). It is not a run-time error:
/// nothing in the program's own error handling catches it.
struct ProgramEnd {
  int exitCode = 0;
};
