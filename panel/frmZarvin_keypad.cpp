// Keypad frequency entry: "Freq" starts a blinking cursor over the seven frequency digits,
// each digit key overwrites the digit under it, "Enter" sends what the buttons show.
#include "panel/frequency_digits.h"
#include "panel/frmZarvin.h"

namespace {

constexpr double kBlinkHalf = 0.3;  // blanked for this long, then shown for as long
constexpr double kEnterSettle = 0.2;

/// Waits up to `seconds`, yielding to window events, and ends early once Enter has ended the
/// entry, so that Enter takes effect at once rather than at the end of the blink cycle.
void waitUnlessEntered(frmZarvin& frm, double seconds) {
  double start = frm.link.now();
  for (;;) {
    double elapsed = frm.link.elapsedSince(start);
    if (frm.keypadDone || elapsed >= seconds) return;
    frm.platform.ui.doEvents(seconds - elapsed);
  }
}

/// Takes the digit key pressed during the cycle just ended into the blinking place.
void takeKeyedDigit(frmZarvin& frm) {
  frm.cmdF[frm.keypadPos]->caption = frm.keyDigit;
  frm.keypadPos = frm.keypadPos + 1 == 7 ? 0 : frm.keypadPos + 1;
  frm.keyDigitFlag = false;
  std::string keyed = "F";
  for (ui::Control* digit : frm.cmdF) keyed += digit->caption;
  frm.link.gKeypadFreq = keyed;
}

/// Every digit rewritten from a frequency item ("F" and seven digits), the one the blink has
/// blanked included.
void showDigitsOf(frmZarvin& frm, const std::string& shown) {
  for (size_t i = 0; i < frm.cmdF.size(); ++i) {
    frm.cmdF[i]->caption = shown.size() > i + 1 ? shown.substr(i + 1, 1) : "";
  }
}

/// The entry loop: one blink cycle after the other until Enter ends it, or until the radio
/// transmits (a report read inside the loop's waits), which ends it unsent.
void runKeypadEntry(frmZarvin& frm) {
  frm.keypadActive = true;
  frm.lblInfo.caption = "";
  frm.keypadDone = false;
  frm.keyDigitFlag = false;  // a key pressed before the entry began is not part of it
  frm.keypadPos = 0;
  // Only digits keyed in this entry may be sent: an Enter with none keyed must not resend
  // the frequency of an earlier entry.
  frm.link.gKeypadFreq = "";
  while (!frm.keypadDone) {
    ui::Control& digit = *frm.cmdF[frm.keypadPos];
    std::string kept = digit.caption;
    digit.caption = " ";
    waitUnlessEntered(frm, kBlinkHalf);
    // Enter rewrites every digit itself; only a blank still standing is ours to undo.
    if (digit.caption == " ") digit.caption = kept;
    if (frm.keypadDone) break;
    waitUnlessEntered(frm, kBlinkHalf);
    if (frm.keypadDone) break;
    if (frm.keyDigitFlag) takeKeyedDigit(frm);
    frm.platform.ui.doEvents(0);
    if (frm.transmitting()) frm.endKeypadEntry();
  }
}

}  // namespace

void frmZarvin::freqCmd() {
  // Never while transmitting, nor for a click made before the LOCAL set-up locked the keypad:
  // the entry could end only by Enter, which is locked, and it holds the main loop, with the
  // off click that would unkey and the report of the radio handed back.
  if (!transmitting() && cmdEnter.enabled) {
    runKeypadEntry(*this);
  } else if (!keypadDone) {
    endKeypadEntry();  // one that an error abandoned, before the lock
  }
  // The radio's answer to the frequency sent is shown before any later flag is served: a keying
  // click made during the entry must find the transmit buttons as the band check leaves them
  // on the new frequency, rather than begin a keying there that the band check then refuses.
  if (keypadSent) {
    keypadSent = false;
    link.gReadResponse();
    link.gUpdateDisplay();
  }
  freqFlag = false;
}

bool frmZarvin::transmitting() const {
  return lblXMTRCV.caption == "Transmit" || link.gXmit || link.transmitter.keyed();
}

void frmZarvin::endKeypadEntry() {
  keypadDone = true;
  keypadActive = false;
  showDigitsOf(*this, link.gFreq.str());
}

namespace {

void keyDigitPressed(frmZarvin& frm, const char* digit) {
  frm.keyDigit = digit;
  frm.keyDigitFlag = true;
}

}  // namespace

void frmZarvin::cmd0_Click() {
  keyDigitPressed(*this, "0");
}
void frmZarvin::cmd1_Click() {
  keyDigitPressed(*this, "1");
}
void frmZarvin::cmd2_Click() {
  keyDigitPressed(*this, "2");
}
void frmZarvin::cmd3_Click() {
  keyDigitPressed(*this, "3");
}
void frmZarvin::cmd4_Click() {
  keyDigitPressed(*this, "4");
}
void frmZarvin::cmd5_Click() {
  keyDigitPressed(*this, "5");
}
void frmZarvin::cmd6_Click() {
  keyDigitPressed(*this, "6");
}
void frmZarvin::cmd7_Click() {
  keyDigitPressed(*this, "7");
}
void frmZarvin::cmd8_Click() {
  keyDigitPressed(*this, "8");
}
void frmZarvin::cmd9_Click() {
  keyDigitPressed(*this, "9");
}

void frmZarvin::cmdEnter_Click() {
  if (keypadDone) return;
  // Ended before the send, whose settle wait yields: a second Enter meanwhile sends nothing.
  keypadDone = true;
  std::string keyed = link.gKeypadFreq;
  bool send = keyed.size() == 8 && keyed[0] == 'F' &&
              freqdigits::inRange(freqdigits::valueOfSeven(keyed.substr(1)));
  // The keyed frequency until the main loop shows the radio's answer, or the radio's own when
  // refused.
  showDigitsOf(*this, send ? keyed : link.gFreq.str());
  if (send) {
    link.transmitter.unkeyBeforeRetune(keyed.substr(1));
    link.gSendCommand(keyed, true, kEnterSettle);
  }
  keypadSent = send;
  keypadActive = false;
}
