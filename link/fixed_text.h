#pragma once
#include <cstddef>
#include <string>

/// A text of fixed width: assigning cuts a longer text and pads a shorter one with blanks.
/// Until its first assignment it holds no value at all (empty), so it matches no code.
template <std::size_t N>
class FixedText {
 public:
  FixedText() = default;
  FixedText(const std::string& text) { assign(text); }  // NOLINT: converts like the original
  FixedText& operator=(const std::string& text) {
    assign(text);
    return *this;
  }
  const std::string& str() const { return m_text; }
  operator const std::string&() const { return m_text; }  // NOLINT
  bool operator==(const std::string& other) const { return m_text == other; }
  bool operator!=(const std::string& other) const { return m_text != other; }
  static constexpr std::size_t width = N;

 private:
  void assign(const std::string& text) {
    m_text = text.substr(0, N);
    m_text.resize(N, ' ');
  }
  std::string m_text;
};
