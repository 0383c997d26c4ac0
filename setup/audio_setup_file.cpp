#include "setup/audio_setup_file.h"

#include "link/fixed_text.h"

namespace {

/// Appends the fields of one line; stops when `fields` holds `count`.
void readLineFields(const std::string& line, size_t count, std::vector<std::string>& fields) {
  size_t pos = 0;
  for (;;) {
    if (fields.size() >= count) return;
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
    size_t comma;
    if (pos < line.size() && line[pos] == '"') {
      size_t close = line.find('"', pos + 1);
      size_t end = close == std::string::npos ? line.size() : close;
      fields.push_back(line.substr(pos + 1, end - pos - 1));
      comma = close == std::string::npos ? std::string::npos : line.find(',', close + 1);
    } else {
      comma = line.find(',', pos);
      size_t end = comma == std::string::npos ? line.size() : comma;
      fields.push_back(line.substr(pos, end - pos));
    }
    if (comma == std::string::npos) return;
    pos = comma + 1;
  }
}

}  // namespace

std::vector<std::string> readDelimitedFields(const std::vector<std::string>& lines, size_t count) {
  std::vector<std::string> fields;
  for (const std::string& line : lines) {
    if (fields.size() >= count) break;
    readLineFields(line, count, fields);
  }
  return fields;
}

std::string audioCode(const std::string& line) {
  std::vector<std::string> fields = readDelimitedFields({line}, 1);
  return FixedText<2>(fields.empty() ? std::string() : fields.front()).str();
}

int elementForCode(const char* const* lines, int count, const std::string& code) {
  for (int i = 0; i < count; ++i) {
    if (audioCode(lines[i]) == code) return i;
  }
  return -1;
}
