#pragma once
#include <utility>

namespace ui {

/// Whether a property was given a different value since the last take(); set at first.
class ChangeMark {
 public:
  bool take() { return std::exchange(m_changed, false); }
  /// The same without clearing it.
  bool changed() const { return m_changed; }

 protected:
  bool m_changed = true;
};

/// A property of a control: reads as its value; assigning a different value sets its change
/// mark, so that a renderer brings only changed controls to their widgets.
template <class T>
class Property : public ChangeMark {
 public:
  explicit Property(T value = T()) : m_value(std::move(value)) {}
  Property(const Property&) = delete;
  Property& operator=(const Property& other) { return *this = other.m_value; }

  Property& operator=(const T& value) {
    if (!(m_value == value)) {
      m_value = value;
      m_changed = true;
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
    m_changed = true;
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
  T m_value;
};

}  // namespace ui
