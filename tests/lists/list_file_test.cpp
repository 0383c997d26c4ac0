// The list files' rows, the band lists' names and frequency rule, the mode words, the sort and
// the sweep's limit texts.
#include "lists/list_file.h"

#include <gtest/gtest.h>

#include <optional>

#include "lists/list_rules.h"
#include "lists/scan_rules.h"

namespace {

using lists::ListRow;

template <typename T>
std::string text(const std::optional<T>& value) {
  return value ? std::string(*value) : "(none)";
}

TEST(ListFile, RowLinesReadAndWritten) {
  struct Case {
    const char* line;
    ListRow row;
    const char* written;  // the row written back
  } cases[] = {
      {"14.250 USB Net  here ", {"14.250", "USB", "Net  here "}, "14.250 USB Net  here "},
      {"7.150   lsb    local", {"7.150", "lsb", "local"}, "7.150 lsb local"},  // runs of blanks
      {"  ", {"", "", ""}, "  "},                                              // an empty row
      {"7.150  Net", {"7.150", "Net", ""}, "7.150 Net "},  // info's word moves up
      {" USB x", {"", "USB", "x"}, " USB x"},              // a leading blank
      {"14.25", {"14.25", "", ""}, "14.25  "},             // no blank: the frequency
      {"14 250 USB", {"14", "250", "USB"}, "14 250 USB"},  // a blank splits it
  };
  for (const Case& c : cases) {
    EXPECT_EQ(lists::parseRowLine(c.line), c.row) << c.line;
    EXPECT_EQ(lists::rowLine(c.row), c.written) << c.line;
  }
  EXPECT_EQ(lists::rowLine({"7.15", "CW", "  lead"}), "7.15 CW   lead");  // as typed
  // An empty middle line keeps its row; lines beyond the row count are ignored.
  auto rows = lists::rowsFromLines({"7.1 LSB a", "", "7.3 LSB c"}, lists::kBandListRows);
  ASSERT_EQ(rows.size(), lists::kBandListRows);
  EXPECT_EQ(rows[1].freq + rows[2].freq + rows[3].freq, "7.3");
  rows = lists::rowsFromLines(std::vector<std::string>(20, "14.2 USB x"), lists::kBandListRows);
  EXPECT_EQ(rows.size(), lists::kBandListRows);
}

TEST(ListFile, NamesAndTexts) {
  struct Case {
    std::string got;
    const char* expected;
  } cases[] = {
      {text(lists::bandListFileName("160")), "M160List.txt"},
      {text(lists::bandListFileName("60")), "M60List.txt"},  // its button's key has no blank
      {text(lists::bandListFileName("WWV")), "WWVList.txt"},
      {text(lists::bandListFileName("MARS")), "MarsList.txt"},  // the only mixed-case name
      {text(lists::bandListFileName("80")), "(none)"},
      // The band list's frequency: seven places filled from the MHz part, 1.6 to 29.99999.
      {text(lists::bandListFrequency("14.250")), "1425000"},
      {text(lists::bandListFrequency("7.15")), "0715000"},
      {text(lists::bandListFrequency("1.6")), "0160000"},
      {text(lists::bandListFrequency("1.59999")), "(none)"},
      {text(lists::bandListFrequency("29.99999")), "2999999"},
      {text(lists::bandListFrequency("30.0")), "(none)"},
      {text(lists::bandListFrequency("7")), "(none)"},         // 70 MHz
      {text(lists::bandListFrequency("3,500")), "(none)"},     // the comma skipped: 35 MHz
      {text(lists::bandListFrequency("7.1a5")), "0715000"},    // letters skipped
      {text(lists::bandListFrequency("7.150000")), "(none)"},  // more digits than places
      {text(lists::bandListFrequency("")), "(none)"},
      // Mode words in any case; AM for the scanner only; compared whole.
      {text(lists::modeCodeForWord("lsb", lists::ModeWords::BandList)), "M2"},
      {text(lists::modeCodeForWord("Ame", lists::ModeWords::BandList)), "M3"},
      {text(lists::modeCodeForWord("AM", lists::ModeWords::BandList)), "(none)"},
      {text(lists::modeCodeForWord("am", lists::ModeWords::Scanner)), "M3"},
      {text(lists::modeCodeForWord("USB ", lists::ModeWords::BandList)), "(none)"},
      {text(lists::modeWordForCode("M4")), "CW"},
      {text(lists::modeWordForCode("M5")), "(none)"},
      // The radio's frequency in MHz with five decimals, only the first zero dropped.
      {text(lists::mhzTextOfFrequency("F1425000")), "14.25000"},
      {text(lists::mhzTextOfFrequency("F0015000")), "0.15000"},
      {text(lists::mhzTextOfFrequency("F14250: ")), "(none)"},
      // The sweep's limits: the same places, the leading number only; its commands.
      {std::to_string(lists::freqTextToUnits("1.800")), "180000"},
      {std::to_string(lists::freqTextToUnits("14.3x0")), "143"},
      {std::to_string(lists::freqTextToUnits("1.800000")), "0"},
      {lists::sweepCommand(999999), "F0999999"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.expected);
  // Blanks, tabs and line feeds ignored anywhere; a comma ends the number; an exponent.
  EXPECT_DOUBLE_EQ(lists::leadingNumber(" 7 .1 5"), 7.15);
  EXPECT_DOUBLE_EQ(lists::leadingNumber("\t3\n,5"), 3.0);
  EXPECT_DOUBLE_EQ(lists::leadingNumber("1e1x"), 10.0);
  EXPECT_DOUBLE_EQ(lists::leadingNumber("7e"), 7.0);
}

TEST(ListFile, SortOrdersByValueWithTheLaterOfEqualRowsFirst) {
  std::vector<ListRow> rows(14);
  rows[0] = {"14.25", "USB", "first"};
  rows[1] = {"7.15", "LSB", "low"};
  rows[2] = {"14.250", "CW", "second"};
  rows[4] = {"", "", "orphan"};               // an info text alone: dropped
  rows[5] = {"7.1500001", "", "same float"};  // equal to 7.15 as a float
  std::vector<ListRow> sorted(14);
  sorted[0] = rows[5];
  sorted[1] = rows[1];
  sorted[2] = rows[2];
  sorted[3] = rows[0];
  EXPECT_EQ(lists::sortRows(rows), sorted);
}

}  // namespace
