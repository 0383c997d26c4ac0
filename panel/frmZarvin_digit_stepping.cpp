// Mouse digit stepping: a press on a frequency or channel digit steps that digit's place up
// (left button) or down (right button), carrying across the other places, and repeats while
// the button is held. The whole run happens inside the press event; the release arrives
// through the run's own yields.
#include "panel/frequency_digits.h"
#include "panel/frmZarvin.h"

namespace {

constexpr double kFreqReleaseWindow = 0.05;  // a click released this soon sends nothing
constexpr double kFreqAnswerWait = 0.5;
constexpr double kAdaptiveExtraWait = 0.3;  // the adaptive firmware needs time after a retune
constexpr double kChanRepeat = 0.25;

/// Clears a run's busy flag however the run ends, so that an error inside it cannot leave
/// the digits dead to every later press.
class BusyRun {
 public:
  explicit BusyRun(bool& busy) : m_busy(busy) { m_busy = true; }
  ~BusyRun() { m_busy = false; }
  BusyRun(const BusyRun&) = delete;
  BusyRun& operator=(const BusyRun&) = delete;

 private:
  bool& m_busy;
};

/// value moved one step by the mouse button: 1 up, 2 down, any other button not at all.
int stepped(int value, int step, int button) {
  if (button == ui::kLeftButton) return value + step;
  if (button == ui::kRightButton) return value - step;
  return value;
}

void showDigits(const std::vector<ui::Control*>& buttons, const std::string& digits) {
  for (size_t i = 0; i < buttons.size() && i < digits.size(); ++i) {
    buttons[i]->caption = digits.substr(i, 1);
  }
}

/// Waits for the radio's frequency answer: reads until an "F" line has been parsed or the
/// wait has passed (tested before each read, so one read may overrun it). Never yields.
void awaitFrequencyAnswer(DisplayZarvinStatus& link) {
  link.gFreqNew = false;
  double start = link.now();
  while (link.elapsedSince(start) < kFreqAnswerWait && !link.gFreqNew) link.gReadResponse();
}

}  // namespace

void frmZarvin::cmdF_MouseDown(int index, int button, int shift) {
  (void)shift;
  if (freqBusy || keypadActive) return;
  BusyRun run(freqBusy);
  freqButtonDown = true;
  freqDigit = index;
  freqStep = freqdigits::stepOfDigit(index);
  freqMouseButton = button;
  lblInfo.caption = "";
  platform.ui.doEvents(0);
  while (freqButtonDown) {
    // Each pass steps from what the radio last reported, not from what was sent: a step the
    // radio has not confirmed is sent again rather than stepped past.
    freqText = freqdigits::digitsOfFreqItem(link.gFreq);
    if (freqText.empty()) {
      // Nothing sound to step from (no frequency reported yet, or a garbled one).
      link.gDelay(kFreqReleaseWindow);
      continue;
    }
    freqValue = freqdigits::valueOfSeven(freqText);
    int target = stepped(freqValue, freqStep, freqMouseButton);
    if (freqdigits::inRange(target)) {
      freqValue = target;
      freqText = freqdigits::sevenDigits(freqValue);
    }
    link.gDelay(kFreqReleaseWindow);
    if (!freqButtonDown) return;
    showDigits(cmdF, freqText);
    link.transmitter.unkeyBeforeRetune(freqText);
    freqText = "F" + freqText;
    link.gSendCommand(freqText, true, 0);
    awaitFrequencyAnswer(link);
    link.gShowFrequency();
    if (link.gFWType == 2) link.gDelay(kAdaptiveExtraWait);
  }
}

void frmZarvin::cmdF_MouseUp(int index, int button, int shift) {
  (void)index;
  (void)button;
  (void)shift;
  freqButtonDown = false;
}

void frmZarvin::cmdChanF_MouseDown(int index, int button, int shift) {
  (void)shift;
  if (chanBusy) return;
  BusyRun run(chanBusy);
  chanButtonDown = true;
  chanDigit = index;
  chanStep = freqdigits::stepOfDigit(index);
  chanMouseButton = button;
  while (chanButtonDown) {
    chanText.clear();
    for (ui::Control* digit : cmdChanF) chanText += digit->caption;
    // Digits never set ("0000000") or left out of range by a channel status line are put to
    // the nearest limit first, so that the first step starts from a frequency the radio takes.
    chanValue = freqdigits::valueOfSeven(chanText);
    if (chanValue < freqdigits::kLowest) {
      chanValue = freqdigits::kLowest;
      chanText = freqdigits::sevenDigits(chanValue);
      showDigits(cmdChanF, chanText);
    } else if (chanValue > freqdigits::kHighest) {
      chanValue = freqdigits::kHighest;
      chanText = freqdigits::sevenDigits(chanValue);
      showDigits(cmdChanF, chanText);
    }
    int target = stepped(chanValue, chanStep, chanMouseButton);
    if (freqdigits::inRange(target)) {
      chanValue = target;
      chanText = freqdigits::sevenDigits(chanValue);
    }
    showDigits(cmdChanF, chanText);
    link.gDelay(kChanRepeat);
    platform.ui.doEvents(0);
  }
}

void frmZarvin::cmdChanF_MouseUp(int index, int button, int shift) {
  (void)index;
  (void)button;
  (void)shift;
  chanButtonDown = false;
}
