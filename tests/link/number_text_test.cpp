// Numbers read from and written into panel texts.
#include "link/number_text.h"

#include <gtest/gtest.h>

#include "platform/runtime_error.h"

namespace {

TEST(NumberText, LeadingNumber) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"  7", 7},       // leading blanks skipped
      {"-3", -3},       // a minus sign
      {"2.75x", 2.75},  // a decimal point, then the first other character ends it
      {"1.2.3", 1.2},   // a second point ends it
      {"4 5", 4},       // a blank inside ends it
      {"abc", 0},       // no number
      {"-", 0},         // a sign alone
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << c.text;
}

TEST(NumberText, WholeNumberRoundsHalfToEven) {
  struct Case {
    double value;
    int whole;
  } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-1.5, -2}, {2.6, 3}};
  for (const Case& c : cases) EXPECT_EQ(wholeNumber(c.value), c.whole) << c.value;
}

TEST(NumberText, WholeNumberOverflows) {
  try {
    wholeNumber(3e9);
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), 6);
    EXPECT_EQ(e.description(), "Overflow");
  }
}

}  // namespace
