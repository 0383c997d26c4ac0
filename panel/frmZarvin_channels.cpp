// Memory channel transfers between the radio's memory channels, its working frequency (VFO)
// and the panel's channel display, and the two channel number boxes that address them.
#include "panel/frequency_digits.h"
#include "panel/frmZarvin.h"

namespace {

constexpr double kChannelSettle = 0.1;

/// The mode digit of a store command for a mode letter of cmbChMode; "" for anything else.
std::string modeDigitOfLetter(const std::string& letter) {
  if (letter == "U") return "1";
  if (letter == "L") return "2";
  if (letter == "A") return "3";
  if (letter == "C") return "4";
  return "";
}

/// The mode digit of a mode status item "M1".."M4"; "" for anything else.
std::string modeDigitOfItem(const std::string& item) {
  if (item.size() == 2 && item[0] == 'M' && item[1] >= '1' && item[1] <= '4') return item.substr(1);
  return "";
}

/// What the channel digit buttons show, one character from each ("" when any is not a digit).
std::string channelDisplayDigits(const std::vector<ui::Control*>& buttons) {
  std::string field;
  for (ui::Control* digit : buttons) {
    field += digit->caption->empty() ? ' ' : digit->caption->front();
  }
  return freqdigits::valueOfSeven(field) < 0 ? "" : field;
}

}  // namespace

void frmZarvin::m2vCmd() {
  std::string channel = freqdigits::channelNumber(txtLoadCh.caption);
  // The channel's frequency is unknown here, so it counts as one where nothing may key until
  // the radio reports it: a carrier ends before the radio is retuned there.
  link.transmitter.unkeyBeforeRetune("");
  link.gSendCommand("C" + channel, true, kChannelSettle);
  lblInfo.caption = "Channel " + channel;
  m2vFlag = false;
}

void frmZarvin::v2mCmd() {
  // Only what the radio has really reported is stored: a channel must not be filled from a
  // frequency or mode that never arrived or arrived garbled.
  std::string freq = freqdigits::digitsOfFreqItem(link.gFreq);
  std::string mode = modeDigitOfItem(link.gMode);
  if (freqdigits::inRange(freqdigits::valueOfSeven(freq)) && !mode.empty()) {
    std::string channel = freqdigits::channelNumber(txtLoadCh.caption);
    link.gSendCommand("P" + channel + freq + mode, true, kChannelSettle);
  }
  v2mFlag = false;
}

void frmZarvin::m2cCmd() {
  link.gSendCommand("L" + freqdigits::channelNumber(txtStoreCh.caption), true, kChannelSettle);
  m2cFlag = false;
}

void frmZarvin::c2mCmd() {
  std::string freq = channelDisplayDigits(cmdChanF);
  // No mode chosen yet (no channel loaded): nothing to store rather than a guessed mode.
  std::string mode = modeDigitOfLetter(cmbChMode.caption);
  if (freqdigits::inRange(freqdigits::valueOfSeven(freq)) && !mode.empty()) {
    std::string channel = freqdigits::channelNumber(txtStoreCh.caption);
    link.gSendCommand("P" + channel + freq + mode, true, kChannelSettle);
  }
  c2mFlag = false;
}

// The number boxes never keep the focus: the channel is changed with the scroll bars only.
void frmZarvin::txtLoadCh_GotFocus() {
  form.setFocus(vscLoadCh);
}
void frmZarvin::txtStoreCh_GotFocus() {
  form.setFocus(vscStoreCh);
}

void frmZarvin::vscLoadCh_Change() {
  txtLoadCh.caption = freqdigits::channelNumber(std::to_string(vscLoadCh.value));
}
void frmZarvin::vscStoreCh_Change() {
  txtStoreCh.caption = freqdigits::channelNumber(std::to_string(vscStoreCh.value));
}
