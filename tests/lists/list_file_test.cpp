// The list files' rows, the band lists' names and frequency rule, the mode words and the sort.
#include "lists/list_file.h"

#include <gtest/gtest.h>

#include "lists/list_rules.h"

namespace {

using lists::ListRow;

TEST(ListRowLine, ParsesEachLineByTheRowRule) {
  struct Case {
    const char* line;
    ListRow row;
  };
  const Case cases[] = {
      {"14.250 USB Net  here ", {"14.250", "USB", "Net  here "}},  // inner, trailing blanks kept
      {"7.150   lsb    local", {"7.150", "lsb", "local"}},         // runs of blanks skipped
      {"  ", {"", "", ""}},                                        // what an empty row writes
      {"7.150  Net", {"7.150", "Net", ""}},   // empty mode: info's first word moves up
      {" USB x", {"", "USB", "x"}},           // a line starting with a blank
      {"14.25", {"14.25", "", ""}},           // no blank: a frequency alone
      {"14.25 CW    ", {"14.25", "CW", ""}},  // only blanks after the mode
      {"14 250 USB", {"14", "250", "USB"}},   // a blank inside the frequency splits it
  };
  for (const Case& c : cases) {
    EXPECT_EQ(lists::parseRowLine(c.line), c.row) << "line \"" << c.line << "\"";
  }
}

TEST(ListRowLine, WritesThreeTextsWithOneBlankBetween) {
  struct Case {
    ListRow row;
    const char* line;
  };
  const Case cases[] = {
      {{"14.250", "USB", "Net"}, "14.250 USB Net"},
      {{"", "", ""}, "  "},                          // an empty row is two blanks
      {{"7.15", "", "info"}, "7.15  info"},          // empty mode: two blanks
      {{"7.15", "CW", "  lead"}, "7.15 CW   lead"},  // leading blanks written as typed
  };
  for (const Case& c : cases) EXPECT_EQ(lists::rowLine(c.row), c.line);
}

TEST(ListRows, FillsExactlyTheRowCountLineByLine) {
  struct Case {
    std::vector<std::string> lines;
    std::vector<std::string> freqs;  // of the first rows; the others stay empty
  };
  const Case cases[] = {
      {{}, {}},                                              // missing or empty file
      {{"7.1 LSB a", "", "7.3 LSB c"}, {"7.1", "", "7.3"}},  // an empty middle line keeps its row
      {std::vector<std::string>(20, "14.2 USB x"),           // more lines than rows: the rest
       std::vector<std::string>(14, "14.2")},                // ignored
  };
  for (const Case& c : cases) {
    auto rows = lists::rowsFromLines(c.lines, lists::kBandListRows);
    ASSERT_EQ(rows.size(), lists::kBandListRows);
    for (std::size_t k = 0; k < rows.size(); ++k) {
      EXPECT_EQ(rows[k].freq, k < c.freqs.size() ? c.freqs[k] : "") << k;
    }
  }
}

TEST(BandListFile, NamesEachBandsFile) {
  struct Case {
    const char* band;
    const char* file;
  };
  const Case cases[] = {
      {"160", "M160List.txt"},   // a band in metres
      {"60", "M60List.txt"},     // its button's key has no blank
      {"WWV", "WWVList.txt"},    // a name
      {"MARS", "MarsList.txt"},  // the only mixed-case name
  };
  for (const Case& c : cases) EXPECT_EQ(lists::bandListFileName(c.band), c.file);
  EXPECT_FALSE(lists::bandListFileName("80"));  // no such band
}

TEST(BandListFrequency, FillsSevenPlacesAndTestsTheRange) {
  struct Case {
    const char* text;
    const char* digits;  // nullptr: refused
  };
  const Case cases[] = {
      {"14.250", "1425000"},    // two-digit MHz part fills from place 1
      {"7.15", "0715000"},      // one-digit MHz part fills from place 2
      {"1.6", "0160000"},       // lower bound included
      {"29.99999", "2999999"},  // upper bound included
      {"30.0", nullptr},        // 30 MHz, just above
      {"1.59", nullptr},        // just below the lower bound
      {"7", nullptr},           // a bare 7 is 70 MHz
      {"3,500", nullptr},       // the comma is skipped: 3500000
      {"7.1a5", "0715000"},     // letters are skipped
      {"", nullptr},            // nothing typed
      {"14.2500001", nullptr},  // more digits than places: refused, not cut
      {"7.150000", nullptr},    // seven digits after a one-digit MHz part
      {"7.15000", "0715000"},   // six digits after it fit exactly
  };
  for (const Case& c : cases) {
    auto digits = lists::bandListFrequency(c.text);
    if (c.digits) {
      EXPECT_EQ(digits, std::string(c.digits)) << c.text;
    } else {
      EXPECT_FALSE(digits) << c.text << " gave " << *digits;
    }
  }
}

TEST(ModeWords, TurnsWordsIntoCodes) {
  struct Case {
    const char* word;
    lists::ModeWords words;
    const char* code;  // nullptr: keep the radio's mode
  };
  using lists::ModeWords;
  const Case cases[] = {
      {"USB", ModeWords::BandList, "M1"},     {"lsb", ModeWords::BandList, "M2"},  // any case
      {"Ame", ModeWords::BandList, "M3"},     {"cw", ModeWords::BandList, "M4"},
      {"AM", ModeWords::BandList, nullptr},    // only the scanner takes AM
      {"am", ModeWords::Scanner, "M3"},        //
      {"", ModeWords::BandList, nullptr},      // empty word
      {"USB ", ModeWords::BandList, nullptr},  // compared whole
      {"FM", ModeWords::Scanner, nullptr},     // unknown word
  };
  for (const Case& c : cases) {
    auto code = lists::modeCodeForWord(c.word, c.words);
    if (c.code) {
      EXPECT_EQ(code, std::string(c.code)) << c.word;
    } else {
      EXPECT_FALSE(code) << c.word;
    }
  }
  EXPECT_EQ(lists::modeWordForCode("M2"), std::string("LSB"));
  EXPECT_FALSE(lists::modeWordForCode("M5"));
}

TEST(MhzText, ShowsTheRadiosFrequencyWithFiveDecimals) {
  struct Case {
    const char* freq;
    const char* text;  // nullptr: not a valid frequency
  };
  const Case cases[] = {
      {"F1425000", "14.25000"},  // two-digit MHz part
      {"F0715000", "7.15000"},   // leading zero dropped
      {"F0015000", "0.15000"},   // only the first zero is dropped
      {"F14250: ", nullptr},     // garbled line
      {"", nullptr},             // nothing received yet
  };
  for (const Case& c : cases) {
    auto text = lists::mhzTextOfFrequency(c.freq);
    if (c.text) {
      EXPECT_EQ(text, std::string(c.text)) << c.freq;
    } else {
      EXPECT_FALSE(text) << c.freq;
    }
  }
}

TEST(LeadingNumber, ReadsTheLeadingDecimalNumber) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {" 7 .1 5", 7.15},  // blanks ignored wherever they stand
      {"\t3\n.5", 3.5},   // tabs and line feeds too
      {"3,500", 3.0},     // a comma ends the number
      {"abc", 0.0},       // no leading number
      {".5x", 0.5},       // no integer part
      {"1e1x", 10.0},     // an exponent
      {"7e", 7.0},        // an exponent without digits is not one
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(lists::leadingNumber(c.text), c.value) << c.text;
}

TEST(SortRows, OrdersByValueWithTheLaterOfEqualRowsFirst) {
  std::vector<ListRow> rows(14);
  rows[0] = {"14.25", "USB", "first"};
  rows[1] = {"7.15", "LSB", "low"};
  rows[2] = {"14.250", "CW", "second"};
  rows[5] = {"7.1500001", "", "same float"};  // 7.15 as a float: sorted as equal to row 1
  // rows[3] empty, rows[4] holds only an info text: both dropped
  rows[4] = {"", "", "orphan"};
  auto sorted = lists::sortRows(rows);
  ASSERT_EQ(sorted.size(), 14u);
  EXPECT_EQ(sorted[0], rows[5]);  // the later of two equal rows first
  EXPECT_EQ(sorted[1], rows[1]);
  EXPECT_EQ(sorted[2], rows[2]);
  EXPECT_EQ(sorted[3], rows[0]);
  for (std::size_t k = 4; k < 14; ++k) EXPECT_EQ(sorted[k], ListRow{}) << k;
}

}  // namespace
