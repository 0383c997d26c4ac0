#include "tools/radiosim/status_lines.h"

#include <cstdio>

namespace {

std::string numberLine(char tag, int value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%c%0*d\n", tag, digits, value);
  return text;
}

}  // namespace

std::string digitLine(char tag, int value) {
  return numberLine(tag, value, 1);
}

std::string freqLine(int freq) {
  return numberLine('F', freq, 7);
}

std::string channelLine(int channel, const MemoryChannel& memory) {
  char text[24];
  std::snprintf(text, sizeof text, "P%02d%07d%d\n", channel, memory.freq, memory.mode);
  return text;
}

std::string bfoLine(int bfo) {
  return numberLine('B', bfo, 3);
}

std::string rfGainLine(int rfGain) {
  return numberLine('G', rfGain, 2);
}

std::string remoteLine(bool remote) {
  return remote ? "R1\n" : "R0\n";
}

std::string keyLine(bool transmitting) {
  return transmitting ? "K\n" : "U\n";
}

std::string meterLine(int reading) {
  return numberLine('J', reading, 2);
}

std::string fullAnswer(const RadioState& state, int firmware) {
  std::string text = remoteLine(state.remote) + freqLine(state.freq) + digitLine('M', state.mode) +
                     digitLine('A', state.agc) + digitLine('H', state.audioSource) +
                     digitLine('"', state.audioInput) + digitLine('\'', state.pttEnable) +
                     digitLine('(', state.speaker) + digitLine('I', state.clipping) +
                     digitLine('S', state.sidetone) + digitLine('V', state.vox) +
                     digitLine('D', state.meterFunction) + digitLine('O', state.amp) +
                     digitLine('T', state.ampTune) + bfoLine(state.bfo) + rfGainLine(state.rfGain) +
                     numberLine('C', state.channel, 2);
  // The older and the non-adaptive firmware mark their full answer with "!"; only the
  // non-adaptive one adds "Q". The program tells the generations apart by these lines.
  if (firmware == 1 || firmware == 3) text += "!\n";
  if (firmware == 3) text += "Q\n";
  return text + "#\n.\n";
}
