#include "tools/radiosim/radio_commands.h"

#include <cctype>

#include "tools/radiosim/status_lines.h"

namespace {

bool obeyedInLocal(const std::string& command, int firmware) {
  if (command == "?") return true;
  if (firmware != 2) return false;
  return command[0] == 'F' || (command[0] == 'M' && command.size() == 2);
}

}  // namespace

bool digitsFrom(const std::string& command, std::size_t from, std::size_t count) {
  if (command.size() != from + count) return false;
  for (std::size_t i = from; i < command.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(command[i]))) return false;
  }
  return true;
}

CommandAnswer obeyCommand(const CommandContext& context, const std::string& command) {
  CommandAnswer answer;
  if (command.empty()) return answer;
  if (!context.state.remote && !obeyedInLocal(command, context.firmware)) {
    if (command == "K" || command == "U") answer.keyLine = keyLine(context.state.transmitting);
    return answer;
  }
  CommandHandler handler = receiverCommand(command[0]);
  if (handler == nullptr) handler = stationCommand(command[0]);
  if (handler != nullptr) handler(context, command, answer);
  return answer;
}
