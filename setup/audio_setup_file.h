#pragma once
#include <string>
#include <vector>

/// AudioSetup.txt: three CRLF lines whose first two characters are the radio's codes for the
/// audio source, the PTT enable and the audio input; a blank and a label follow. The REMOTE
/// set-up uses the first two characters of each line; the audio setup dialog reads the file
/// as delimited fields.
constexpr char kAudioSetupFileName[] = "AudioSetup.txt";

/// The line written for each option element of the three groups.
constexpr const char* kAudioSourceLines[] = {"H1 Mic", "H2 Audio 2", "H3 Patch"};
constexpr const char* kPttLines[] = {"'0 PTT Off", "'1 PTT On"};
constexpr const char* kAudioInputLines[] = {"\"0 Remote Audio", "\"1 Local Audio"};

/// Reads up to `count` delimited fields from the lines, one after another. A field ends at a
/// comma or at the end of its line; blanks before it are skipped; a field that begins with a
/// double quote is the text after it up to the next double quote or the end of the line, and
/// the rest of that field is skipped. An empty line is one empty field. Fewer fields come back
/// when the lines run out.
std::vector<std::string> readDelimitedFields(const std::vector<std::string>& lines, size_t count);

/// The code that the dialog reads back from one line: its first field, cut or padded with
/// blanks to two characters ("H1", "'0", "0 " for a line beginning with a quote and 0).
std::string audioCode(const std::string& line);

/// The element of a group whose line reads back as `code` (compared exactly), or -1.
int elementForCode(const char* const* lines, int count, const std::string& code);
