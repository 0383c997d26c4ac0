#pragma once
#include <utility>

namespace ui {

/// A property of a control: reads as its value; assigning a different value sets the control's
/// change mark, so that a renderer brings only changed controls to their widgets.
template <class T>
class Property {
 public:
  Property(bool& changeMark, T value = T()) : m_mark(changeMark), m_value(std::move(value)) {}
  Property(const Property&) = delete;
  Property& operator=(const Property& other) { return *this = other.m_value; }

  Property& operator=(const T& value) {
    if (!(m_value == value)) {
      m_value = value;
      m_mark = true;
    }
    return *this;
  }
  template <class U>
  Property& operator+=(const U& more) {
    return *this = m_value + more;
  }
  operator const T&() const { return m_value; }
  const T& get() const { return m_value; }
  const T* operator->() const { return &m_value; }
  /// The value to change in place; marks the control changed.
  T& edit() {
    m_mark = true;
    return m_value;
  }

  friend bool operator==(const Property& a, const Property& b) { return a.m_value == b.m_value; }
  friend bool operator!=(const Property& a, const Property& b) { return !(a == b); }
  template <class U>
  friend bool operator==(const Property& a, const U& b) {
    return a.m_value == b;
  }
  template <class U>
  friend bool operator==(const U& a, const Property& b) {
    return a == b.m_value;
  }
  template <class U>
  friend bool operator!=(const Property& a, const U& b) {
    return !(a.m_value == b);
  }
  template <class U>
  friend bool operator!=(const U& a, const Property& b) {
    return !(a == b.m_value);
  }
  template <class U>
  friend auto operator+(const Property& a, const U& b) -> decltype(std::declval<const T&>() + b) {
    return a.m_value + b;
  }
  template <class U>
  friend auto operator+(const U& a, const Property& b) -> decltype(a + std::declval<const T&>()) {
    return a + b.m_value;
  }
  friend auto operator+(const Property& a, const Property& b) { return a.m_value + b.m_value; }
  template <class Stream>
  friend auto operator<<(Stream& os, const Property& p)
      -> decltype(os << std::declval<const T&>()) {
    return os << p.m_value;
  }

 private:
  bool& m_mark;
  T m_value;
};

}  // namespace ui
