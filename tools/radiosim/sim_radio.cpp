#include "tools/radiosim/sim_radio.h"

#include <cstdio>
#include <stdexcept>

#include "tools/radiosim/radio_commands.h"
#include "tools/radiosim/status_lines.h"

namespace {

// Noise on the line must not make the buffer grow without end.
constexpr std::size_t kLongestLine = 256;

bool isFrequencyLine(const std::string& line) {
  return line.size() == 8 && line[0] == 'F' && digitsFrom(line, 1, 7);
}

std::string offsetFrequency(const std::string& line, int offset) {
  int freq = std::stoi(line.substr(1)) + offset;
  if (freq < 0) freq = 0;
  if (freq > 9999999) freq = 9999999;
  return freqLine(freq).substr(0, 8);
}

}  // namespace

SimRadio::SimRadio(int firmware) : m_firmware(firmware) {
  if (firmware < 1 || firmware > 3) throw std::invalid_argument("firmware must be 1, 2 or 3");
  behaviour.modeChangeClearsPtt = firmware == 1;
}

std::vector<RadioReply> SimRadio::receive(const std::string& bytes) {
  std::vector<RadioReply> replies;
  for (char byte : bytes) takeByte(byte, replies);
  return replies;
}

void SimRadio::takeByte(char byte, std::vector<RadioReply>& replies) {
  const bool afterCarriageReturn = m_afterCarriageReturn;
  m_afterCarriageReturn = byte == '\r';
  if (byte == '\n' && afterCarriageReturn) return;
  if (byte == '\n' || byte == '\r') return complete(replies);
  if (byte == '\0') return;
  const bool single =
      byte == 'K' || byte == 'U' || byte == ' ' || (byte == '\'' && m_firmware == 1);
  if (m_line.size() < kLongestLine) m_line += byte;
  if (single && m_line.size() == 1) complete(replies);
}

void SimRadio::complete(std::vector<RadioReply>& replies) {
  const std::string command = m_line;
  m_line.clear();
  commandLog.push_back(command);
  if (!command.empty() && command[0] == faults.ignoredLetter) return;
  std::vector<RadioReply> answered = answer(command);
  if (faults.breakNext) {
    faults.breakNext = false;
    answered = {RadioReply{behaviour.replyDelay, "", true}};
  }
  for (RadioReply& reply : deliver(std::move(answered))) replies.push_back(std::move(reply));
}

std::vector<RadioReply> SimRadio::answer(const std::string& command) {
  if (command == "?" && faults.nextQueryROnly) {
    faults.nextQueryROnly = false;
    return {RadioReply{behaviour.replyDelay, remoteLine(state.remote), false}};
  }
  const CommandAnswer answer = obeyCommand({state, m_firmware, behaviour}, command);
  std::vector<RadioReply> replies;
  const std::string now = (faults.dropKeyAnswers ? "" : answer.keyLine) + answer.lines;
  if (!now.empty()) replies.push_back({behaviour.replyDelay, now, false});
  for (const CommandAnswer::Late& late : answer.later) {
    replies.push_back({behaviour.replyDelay + late.delay, late.lines, false});
  }
  return replies;
}

std::vector<RadioReply> SimRadio::switchRemote(bool remote) {
  state.remote = remote;
  return deliver({RadioReply{0.0, remoteLine(remote), false}});
}

std::vector<RadioReply> SimRadio::meterReport() {
  return deliver({RadioReply{0.0, meterLine(state.meterReading), false}});
}

std::vector<RadioReply> SimRadio::deliver(std::vector<RadioReply> replies) const {
  if (faults.silent) return {};
  for (RadioReply& reply : replies) {
    reply.delay += faults.extraDelay;
    if (reply.lineBreak) continue;
    reply.text = rewrittenLines(reply.text);
    if (faults.partialLastLine && !reply.text.empty() && reply.text.back() == '\n') {
      reply.text.pop_back();
    }
  }
  return replies;
}

// Rewrites line by line: the reported frequency offset, then the garbled tags.
std::string SimRadio::rewrittenLines(const std::string& text) const {
  std::string result;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (faults.freqReportOffset != 0 && isFrequencyLine(line)) {
      line = offsetFrequency(line, faults.freqReportOffset);
    }
    if (!line.empty() && faults.garbleTags.find(line[0]) != std::string::npos) {
      line[line.size() > 1 ? 1 : 0] = ':';
    }
    result += line;
    if (end < text.size()) result += '\n';
    start = end + 1;
  }
  return result;
}
