// Splits a response into status lines and keeps each in the status store.
#include "link/DisplayZarvinStatus.h"
#include "link/frequency_text.h"

void DisplayZarvinStatus::gParseInData(std::string& buffer) {
  size_t pos = 0;
  // A line can start only before the last character: a final lone character is either the
  // LF of an empty line or the start of a line that has not ended yet.
  while (pos + 1 < buffer.size()) {
    size_t p = buffer.find('\n', pos);
    if (p == std::string::npos) break;
    if (p > pos) {
      buffer[p] = '<';
      std::string line = buffer.substr(pos, p - pos);
      // A character received with a parity error arrives as ":"; such a line is no status.
      if (line.find(':') == std::string::npos) storeLine(line);
    }
    pos = p + 1;
  }
  if (frm.cmdViewInData.caption == "Hide Data") frm.txtInData.caption = buffer;
}

void DisplayZarvinStatus::storeLine(const std::string& line) {
  switch (line[0]) {
    case 'J': gDisplayMeterData(line); break;
    case 'F':
      gFreq = line;
      gFreqNew = true;
      gFreqValid = isFrequencyItem(line);
      transmitter.frequencyReported();
      break;
    case 'A': gAGC = line; gAGCNew = true; break;
    case 'M': gMode = line; gModeNew = true; break;
    case 'D': gMeterFunc = line; gMeterFuncNew = true; break;
    case 'H': gAudioSource = line; gAudioSourceNew = true; break;
    case 'U':
      gXmitNew = true;
      gXmit = false;
      m_keepAliveUnanswered = false;
      transmitter.receiveReported();
      break;
    case 'K':
      gXmitNew = true;
      gXmit = true;
      m_keepAliveUnanswered = false;
      break;
    case '!': gGotBang = true; break;
    case '#': gGotHash = true; break;
    case '"': gAudioInput = line; gAudioInputNew = true; break;
    case '\'': gPTT = line; gPTTNew = true; break;
    case '(': gSpeaker = line; gSpeakerNew = true; break;
    case 'R': gRemote = line; gRemoteNew = true; break;
    case 'O': gAmp = line; gAmpNew = true; break;
    case 'T': gAmpTune = line; gAmpTuneNew = true; break;
    case 'I': gClipping = line; gClippingNew = true; break;
    case 'S': gSideTone = line; gSideToneNew = true; break;
    case 'V': gVOX = line; gVOXNew = true; break;
    case 'P': gChannel = line; gChannelNew = true; break;
    case 'Q': gGotQ = true; break;
    case '.': gGotDot = true; break;
    default: break;  // G, C, B, X and the other tags carry nothing the panel shows
  }
}
