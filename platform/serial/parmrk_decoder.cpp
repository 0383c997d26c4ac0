#include "platform/serial/parmrk_decoder.h"

namespace {

constexpr char kMark = '\xff';

}  // namespace

void ParmrkDecoder::decode(std::string_view chunk, std::vector<ParmrkItem>& out) {
  for (char c : chunk) step(c, out);
}

void ParmrkDecoder::step(char c, std::vector<ParmrkItem>& out) {
  switch (m_state) {
    case State::Plain:
      if (c == kMark) {
        m_state = State::AfterMark;
      } else {
        out.push_back({ParmrkItem::Kind::Byte, c});
      }
      return;
    case State::AfterMark:
      if (c == '\0') {
        m_state = State::AfterMarkZero;
        return;
      }
      out.push_back({ParmrkItem::Kind::Byte, kMark});
      m_state = State::Plain;
      if (c != kMark) step(c, out);
      return;
    case State::AfterMarkZero:
      m_state = State::Plain;
      if (c == '\0') {
        out.push_back({ParmrkItem::Kind::Break, '\0'});
      } else {
        out.push_back({ParmrkItem::Kind::ErrorByte, c});
      }
      return;
  }
}
