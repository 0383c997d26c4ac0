#include "platform/serial/parmrk_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Kind = ParmrkItem::Kind;

ParmrkItem byte(char c) {
  return {Kind::Byte, c};
}
ParmrkItem errorByte(char c) {
  return {Kind::ErrorByte, c};
}
ParmrkItem brk() {
  return {Kind::Break, '\0'};
}

struct Row {
  std::vector<std::string> chunks;  // successive reads
  std::vector<ParmrkItem> expected;
};

// std::string with embedded NULs needs its length spelled out.
std::string bytes(const char* s, size_t n) {
  return std::string(s, n);
}

const std::vector<Row>& rows() {
  static const std::vector<Row> kRows = {
      {{"F1234567"},  // plain text passes through
       {byte('F'), byte('1'), byte('2'), byte('3'), byte('4'), byte('5'), byte('6'), byte('7')}},
      {{"\xff\xff"}, {byte('\xff')}},  // a doubled mark is one 0xFF
      {{"a\xff",
        "\xff"
        "b"},
       {byte('a'), byte('\xff'), byte('b')}},                 // ... also cut in two
      {{bytes("\xff\0\0", 3)}, {brk()}},                      // a break
      {{"\xff", bytes("\0", 1), bytes("\0", 1)}, {brk()}},    // a break over three reads
      {{bytes("x\xff\0A", 4)}, {byte('x'), errorByte('A')}},  // a character with an error
      {{bytes("\xff\0", 2), "Z"}, {errorByte('Z')}},          // ... cut after the zero
      {{bytes("\xff\0\xff", 3)}, {errorByte('\xff')}},        // an error on a 0xFF character
      {{bytes("\0", 1)}, {byte('\0')}},                       // an unmarked NUL is data
      {{"\xff", ""}, {}},                                     // an unfinished mark waits
      {{"\xffq"}, {byte('\xff'), byte('q')}},                 // a lone mark stays a 0xFF
      {{"\xff\xff\xff\xff"}, {byte('\xff'), byte('\xff')}},   // two literal 0xFF in a row
  };
  return kRows;
}

TEST(ParmrkDecoder, DecodesMarkedInput) {
  for (size_t i = 0; i < rows().size(); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    ParmrkDecoder decoder;
    std::vector<ParmrkItem> out;
    for (const std::string& chunk : rows()[i].chunks) decoder.decode(chunk, out);
    EXPECT_EQ(out, rows()[i].expected);
  }
}

TEST(ParmrkDecoder, ResetForgetsAnUnfinishedMark) {
  ParmrkDecoder decoder;
  std::vector<ParmrkItem> out;
  decoder.decode(std::string("\xff\0", 2), out);
  decoder.reset();
  decoder.decode(std::string("\0k", 2), out);
  EXPECT_EQ(out, (std::vector<ParmrkItem>{byte('\0'), byte('k')}));
}

TEST(ParmrkDecoder, AppendsToWhatIsAlreadyThere) {
  ParmrkDecoder decoder;
  std::vector<ParmrkItem> out{byte('p')};
  decoder.decode("q", out);
  EXPECT_EQ(out, (std::vector<ParmrkItem>{byte('p'), byte('q')}));
}

}  // namespace
