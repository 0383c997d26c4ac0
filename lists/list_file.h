#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class TextFiles;

/// The frequency list files shared by the band list window and the frequency scanner: one row
/// to a line, "frequency mode info", no header line, CRLF line ends, opened by bare name in
/// the working folder.
namespace lists {

/// One list row: three texts exactly as the user typed them into the row's boxes.
struct ListRow {
  std::string freq;  // MHz with a decimal point, for example "14.250"
  std::string mode;  // one word, normally "USB", "LSB", "AME" or "CW"
  std::string info;  // free text, may hold blanks
  bool operator==(const ListRow& other) const {
    return freq == other.freq && mode == other.mode && info == other.info;
  }
  bool operator!=(const ListRow& other) const { return !(*this == other); }
};

/// A band list has this many rows; the last one also takes the radio's own frequency.
constexpr std::size_t kBandListRows = 14;

/// The file of a band key ("160", "75", ..., "WWV", "MARS"): "M40List.txt", "WWVList.txt",
/// "MarsList.txt"; nothing for an unknown key.
std::optional<std::string> bandListFileName(const std::string& band);

/// The line of one row: frequency, one blank, mode, one blank, info, each unchanged. An empty
/// row is a line of two blanks.
std::string rowLine(const ListRow& row);

/// The row of one non-empty line: the frequency is the text before the first blank; after
/// blanks the mode is the next word; after further blanks the info is the whole rest, inner
/// and trailing blanks included. A line without a blank is a frequency text alone. An empty
/// line gives an empty row.
ListRow parseRowLine(const std::string& line);

/// Exactly rowCount rows from a file's lines: line k fills row k, lines past rowCount are
/// ignored, missing lines and empty lines give empty rows.
std::vector<ListRow> rowsFromLines(const std::vector<std::string>& lines, std::size_t rowCount);

/// One line per row, in row order, empty rows included.
std::vector<std::string> linesFromRows(const std::vector<ListRow>& rows);

/// Reads exactly rowCount rows from the file. The file must exist: a missing or unreadable
/// file raises RuntimeError (test with fileExists first, as the windows do).
std::vector<ListRow> readListFile(const TextFiles& files, const std::string& name,
                                  std::size_t rowCount);

/// Replaces the file with one line per row (CRLF, atomically). A failure raises RuntimeError
/// and leaves the old file whole.
void writeListFile(const TextFiles& files, const std::string& name,
                   const std::vector<ListRow>& rows);

}  // namespace lists
