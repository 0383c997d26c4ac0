#pragma once
#include <string_view>
#include <vector>

/// One unit of marked serial input.
struct ParmrkItem {
  enum class Kind {
    Byte,       // a character received cleanly
    ErrorByte,  // a character received with a parity or framing error
    Break,      // a break condition on the line
  };
  Kind kind = Kind::Byte;
  char c = 0;  // the character; 0 for a break

  bool operator==(const ParmrkItem& o) const { return kind == o.kind && c == o.c; }
};

/// Decodes input read from a terminal with PARMRK set: 0xFF 0xFF is a literal 0xFF, 0xFF 0 0
/// a break, 0xFF 0 c the character c with an error. Reads may cut a mark anywhere; the
/// unfinished part is kept until the next chunk. A 0xFF followed by anything else (which the
/// kernel never sends) counts as a literal 0xFF.
class ParmrkDecoder {
 public:
  /// Appends the items that chunk completes to out.
  void decode(std::string_view chunk, std::vector<ParmrkItem>& out);
  /// Forgets an unfinished mark, as when the port is opened again.
  void reset() { m_state = State::Plain; }

 private:
  enum class State { Plain, AfterMark, AfterMarkZero };
  void step(char c, std::vector<ParmrkItem>& out);

  State m_state = State::Plain;
};
