// Receiver settings: frequency, mode, AGC, audio, PTT enable, speaker, clipping, sidetone,
// VOX, meter function, BFO and RF gain.
#include <string>

#include "tools/radiosim/radio_commands.h"
#include "tools/radiosim/status_lines.h"

namespace {

constexpr int kLowestFreq = 160000;
constexpr int kHighestFreq = 2999999;

// A line made only of `step` characters steps a setting once per character.
int stepCount(const std::string& command, char step) {
  if (command.find_first_not_of(step) != std::string::npos) return 0;
  return static_cast<int>(command.size());
}

// Generation 2 takes "M1".."M4" (absolute); generation 1 steps with "M", generation 3 with
// "m". Returns the new value, or 0 when the command means nothing to this firmware.
int cycledSetting(const CommandContext& context, const std::string& command, char tag,
                  int current) {
  if (context.firmware == 2) {
    if (command.size() == 2 && command[0] == tag && command[1] >= '1' && command[1] <= '4') {
      return command[1] - '0';
    }
    return 0;
  }
  const char step = context.firmware == 1 ? tag : static_cast<char>(tag - 'A' + 'a');
  const int steps = stepCount(command, step);
  return steps == 0 ? 0 : (current - 1 + steps) % 4 + 1;
}

void frequency(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  RadioState& state = context.state;
  const int wanted = digitsFrom(command, 1, 7) ? std::stoi(command.substr(1)) : -1;
  const bool retuned = wanted >= kLowestFreq && wanted <= kHighestFreq && wanted != state.freq;
  if (retuned) state.freq = wanted;
  answer.lines += freqLine(state.freq);
  // The amplifier's tuner has to tune again on a new frequency.
  if (retuned && state.amp == 4 && state.ampTune != 2) {
    state.ampTune = 2;
    answer.lines += digitLine('T', state.ampTune);
  }
}

void mode(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  RadioState& state = context.state;
  const int wanted = cycledSetting(context, command, 'M', state.mode);
  if (wanted == 0) return;
  const bool changed = wanted != state.mode;
  state.mode = wanted;
  answer.lines += digitLine('M', state.mode);
  if (changed && context.behaviour.modeChangeClearsPtt && state.pttEnable) {
    state.pttEnable = false;
    answer.lines += digitLine('\'', 0);
  }
}

void agc(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  const int wanted = cycledSetting(context, command, 'A', context.state.agc);
  if (wanted == 0) return;
  context.state.agc = wanted;
  answer.lines += digitLine('A', wanted);
}

// Generation 1 toggles with the tag alone; the others take the tag and "0" or "1".
bool toggledOrSet(const CommandContext& context, const std::string& command, bool& value) {
  if (context.firmware == 1) {
    if (command.size() != 1) return false;
    value = !value;
    return true;
  }
  if (command.size() != 2 || (command[1] != '0' && command[1] != '1')) return false;
  value = command[1] == '1';
  return true;
}

void audioInput(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  bool local = context.state.audioInput == 1;
  if (!toggledOrSet(context, command, local)) return;
  context.state.audioInput = local ? 1 : 0;
  answer.lines += digitLine('"', context.state.audioInput);
}

void pttEnable(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  if (!toggledOrSet(context, command, context.state.pttEnable)) return;
  answer.lines += digitLine('\'', context.state.pttEnable);
}

void speaker(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  if (command != "(0" && command != "(1") return;
  context.state.speaker = command[1] == '1';
  answer.lines += digitLine('(', context.state.speaker);
}

// "H", "V" and "D" step through their values; "I" and "S" toggle.
void stepped(const std::string& command, int& value, int count, CommandAnswer& answer, int first) {
  if (command.size() != 1) return;
  value = (value - first + 1) % count + first;
  answer.lines += digitLine(command[0], value);
}

void audioSource(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  stepped(command, context.state.audioSource, 3, answer, 1);
}

void vox(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  stepped(command, context.state.vox, 3, answer, 0);
}

void meterFunction(const CommandContext& context, const std::string& command,
                   CommandAnswer& answer) {
  stepped(command, context.state.meterFunction, 6, answer, 1);
}

void toggled(const std::string& command, bool& value, CommandAnswer& answer) {
  if (command.size() != 1) return;
  value = !value;
  answer.lines += digitLine(command[0], value);
}

void clipping(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  toggled(command, context.state.clipping, answer);
}

void sidetone(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  toggled(command, context.state.sidetone, answer);
}

void bfo(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  if (!digitsFrom(command, 1, 3) || std::stoi(command.substr(1)) > 200) return;
  context.state.bfo = std::stoi(command.substr(1));
  answer.lines += bfoLine(context.state.bfo);
}

void rfGain(const CommandContext& context, const std::string& command, CommandAnswer& answer) {
  if (!digitsFrom(command, 1, 2) || std::stoi(command.substr(1)) > 63) return;
  context.state.rfGain = std::stoi(command.substr(1));
  answer.lines += rfGainLine(context.state.rfGain);
}

}  // namespace

CommandHandler receiverCommand(char first) {
  switch (first) {
    case 'F':
      return frequency;
    case 'M':
    case 'm':
      return mode;
    case 'A':
    case 'a':
      return agc;
    case 'H':
      return audioSource;
    case '"':
      return audioInput;
    case '\'':
      return pttEnable;
    case '(':
      return speaker;
    case 'I':
      return clipping;
    case 'S':
      return sidetone;
    case 'V':
      return vox;
    case 'D':
      return meterFunction;
    case 'B':
      return bfo;
    case 'G':
      return rfGain;
    default:
      return nullptr;
  }
}
