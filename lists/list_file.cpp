#include "lists/list_file.h"

#include <array>
#include <utility>

#include "platform/text_files.h"

namespace lists {

namespace {

constexpr std::array<std::pair<const char*, const char*>, 12> kBandFiles = {{
    {"160", "M160List.txt"},
    {"75", "M75List.txt"},
    {"60", "M60List.txt"},
    {"40", "M40List.txt"},
    {"30", "M30List.txt"},
    {"20", "M20List.txt"},
    {"17", "M17List.txt"},
    {"15", "M15List.txt"},
    {"12", "M12List.txt"},
    {"10", "M10List.txt"},
    {"WWV", "WWVList.txt"},
    {"MARS", "MarsList.txt"},
}};

std::size_t skipBlanks(const std::string& line, std::size_t pos) {
  while (pos < line.size() && line[pos] == ' ') ++pos;
  return pos;
}

}  // namespace

std::optional<std::string> bandListFileName(const std::string& band) {
  for (const auto& [key, file] : kBandFiles) {
    if (band == key) return std::string(file);
  }
  return std::nullopt;
}

std::string rowLine(const ListRow& row) {
  return row.freq + " " + row.mode + " " + row.info;
}

ListRow parseRowLine(const std::string& line) {
  ListRow row;
  std::size_t blank = line.find(' ');
  // A hand-edited line may hold a frequency alone; the writer never makes one.
  if (blank == std::string::npos) {
    row.freq = line;
    return row;
  }
  row.freq = line.substr(0, blank);
  std::size_t modeStart = skipBlanks(line, blank);
  std::size_t modeEnd = line.find(' ', modeStart);
  if (modeEnd == std::string::npos) modeEnd = line.size();
  row.mode = line.substr(modeStart, modeEnd - modeStart);
  row.info = line.substr(skipBlanks(line, modeEnd));
  return row;
}

std::vector<ListRow> rowsFromLines(const std::vector<std::string>& lines, std::size_t rowCount) {
  std::vector<ListRow> rows(rowCount);
  for (std::size_t k = 0; k < rowCount && k < lines.size(); ++k) {
    if (!lines[k].empty()) rows[k] = parseRowLine(lines[k]);
  }
  return rows;
}

std::vector<std::string> linesFromRows(const std::vector<ListRow>& rows) {
  std::vector<std::string> lines;
  lines.reserve(rows.size());
  for (const ListRow& row : rows) lines.push_back(rowLine(row));
  return lines;
}

std::vector<ListRow> readListFile(const TextFiles& files, const std::string& name,
                                  std::size_t rowCount) {
  return rowsFromLines(files.readLines(name), rowCount);
}

void writeListFile(const TextFiles& files, const std::string& name,
                   const std::vector<ListRow>& rows) {
  files.writeLines(name, linesFromRows(rows));
}

}  // namespace lists
