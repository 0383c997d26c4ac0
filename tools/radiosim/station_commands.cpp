// Keying, the external amplifier and its tuner, memory channels and the status request.
#include <string>

#include "tools/radiosim/radio_commands.h"
#include "tools/radiosim/status_lines.h"

namespace {

// Keying while the amplifier operates and waits for tuning starts its tune cycle. The
// cycle's end is reported late but entered in the state at once: the simulation has no
// clock of its own.
void key(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  if (command != "K") return;
  RadioState& state = context.state;
  state.transmitting = true;
  answer.keyLine = keyLine(true);
  if (state.amp != 4 || state.ampTune != 2) return;
  state.ampTune = 3;
  answer.lines += digitLine('T', 3);
  if (context.behaviour.ampTuneSeconds < 0) return;
  state.ampTune = 4;
  answer.later.push_back({context.behaviour.ampTuneSeconds, digitLine('T', 4)});
}

// Unkeying in the middle of a tune cycle that never ends leaves the tuner ready again.
void unkey(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  if (command != "U") return;
  RadioState& state = context.state;
  state.transmitting = false;
  answer.keyLine = keyLine(false);
  if (state.ampTune != 3) return;
  state.ampTune = 2;
  answer.lines += digitLine('T', 2);
}

// The keep-alive blank of LOCAL operation asks for nothing.
void blank(const CommandContext&, const std::string&, CommandAnswer&) {}

void setTune(RadioState& state, int tune, CommandAnswer& answer) {
  if (state.ampTune == tune) return;
  state.ampTune = tune;
  answer.lines += digitLine('T', tune);
}

// O2 switches the amplifier on: it warms up (O2) and then stands by (O3). O1 switches it
// off; O3 and O4 (operate, with the tuner ready) need it switched on. A request it cannot
// follow is answered with its present state.
void amplifier(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  if (command.size() != 2 || command[1] < '1' || command[1] > '4') return;
  RadioState& state = context.state;
  const int wanted = command[1] - '0';
  if (wanted == 2 && state.amp == 1) {
    answer.lines += digitLine('O', 2);
    state.amp = 3;
    answer.later.push_back({context.behaviour.ampWarmupSeconds, digitLine('O', 3)});
    return;
  }
  const int before = state.amp;
  if (wanted == 1 || (wanted >= 3 && state.amp >= 3)) state.amp = wanted;
  answer.lines += digitLine('O', state.amp);
  if (state.amp != before) setTune(state, state.amp == 4 ? 2 : 1, answer);
}

int channelNumber(const std::string& command) {
  return std::stoi(command.substr(1, 2));
}

void recallToVfo(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  if (!digitsFrom(command, 1, 2)) return;
  RadioState& state = context.state;
  state.channel = channelNumber(command);
  const MemoryChannel& memory = state.memory[state.channel];
  state.freq = memory.freq;
  state.mode = memory.mode;
  answer.lines += freqLine(state.freq) + digitLine('M', state.mode);
}

void recallToDisplay(const CommandContext& context, const std::string& command,
                     CommandAnswer& answer) {
  if (!digitsFrom(command, 1, 2)) return;
  RadioState& state = context.state;
  state.channel = channelNumber(command);
  answer.lines += channelLine(state.channel, state.memory[state.channel]);
}

// "P", channel, 7 frequency digits, mode digit 1..4; anything else is refused.
void store(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  if (command.size() != 11 || !digitsFrom(command.substr(0, 10), 1, 9)) return;
  if (command[10] < '1' || command[10] > '4') return;
  RadioState& state = context.state;
  state.channel = channelNumber(command);
  state.memory[state.channel] = {std::stoi(command.substr(3, 7)), command[10] - '0'};
  answer.lines += channelLine(state.channel, state.memory[state.channel]);
}

void status(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  if (command != "?") return;
  answer.lines += fullAnswer(context.state, context.firmware);
}

}  // namespace

CommandHandler stationCommand(char first) {
  switch (first) {
    case 'K':
      return key;
    case 'U':
      return unkey;
    case ' ':
      return blank;
    case 'O':
      return amplifier;
    case 'C':
      return recallToVfo;
    case 'L':
      return recallToDisplay;
    case 'P':
      return store;
    case '?':
      return status;
    default:
      return nullptr;
  }
}
