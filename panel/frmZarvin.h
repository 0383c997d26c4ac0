#pragma once
#include <functional>
#include <string>

#include "link/DisplayZarvinStatus.h"
#include "link/fixed_text.h"
#include "link/front_panel.h"
#include "platform/platform.h"
#include "platform/runtime_error.h"

/// How the main window opens its child windows. Each is called after the front panel has been
/// disabled, shows its window modally and returns when the window has closed (the window
/// enables the front panel again on every way out). The program wires the real windows; a
/// window left unset opens an empty placeholder of its name.
struct ChildWindows {
  std::function<void()> bandSelect;
  std::function<void()> scanFreqs;
  std::function<void()> scanBands;
  std::function<void()> portSetup;
  std::function<void()> audioSetup;
  std::function<void()> about;
};

/// The main window: the front panel's controls, the start-up, the two set-ups, the main loop
/// with its request flags and every front-panel action.
class frmZarvin : public FrontPanel {
 public:
  explicit frmZarvin(Platform& platform);
  ~frmZarvin();
  frmZarvin(const frmZarvin&) = delete;
  frmZarvin& operator=(const frmZarvin&) = delete;

  Platform& platform;
  /// The link and status module, with every shared variable.
  DisplayZarvinStatus link;
  ChildWindows childWindows;

  /// The load event: start-up, set-ups and the main loop. Never returns; the program ends
  /// by ProgramEnd from the shutdown.
  void Form_Load();
  /// The window's close request: the shutdown. Never cancels.
  void Form_QueryUnload(bool& cancel);
  /// The shutdown's steps on the line (as endLink), for when the windows are gone: it waits
  /// without running window events. The caller then ends the program.
  void endWithoutWindows();

  // ---- Fields of the window.
  std::string panelMode;  // "REMOTE", "LOCAL", or empty before the first set-up
  int pendingInCount = 0;
  bool localFreqEnabled = false;

  // Keypad entry.
  bool keypadActive = false;
  bool keypadDone = true;
  int keypadPos = 0;
  FixedText<1> keyDigit;
  bool keyDigitFlag = false;
  bool keypadSent = false;  // the last entry's Enter sent a frequency

  // Mouse digit stepping.
  bool freqButtonDown = false;
  int freqDigit = 0;
  int freqMouseButton = 0;
  int freqValue = 0;
  int freqStep = 0;
  std::string freqText;
  bool freqBusy = false;
  bool chanButtonDown = false;
  int chanDigit = 0;
  int chanMouseButton = 0;
  int chanValue = 0;
  int chanStep = 0;
  std::string chanText;
  bool chanBusy = false;

  // BFO.
  bool bfoOn = false;

  // Tune: the state saved at its start, restored at its end.
  FixedText<2> savedMode;
  FixedText<2> savedSideTone;
  FixedText<2> savedPTT;
  FixedText<2> savedAudioSource;

  // REMOTE set-up: the wanted audio settings, kept from one run to the next.
  FixedText<2> wantedAudioSource;
  FixedText<2> wantedPTT;
  FixedText<2> wantedAudioInput;

  // ---- The 36 request flags, in the main loop's order (a keyed transmitter's off clicks
  // are served first).
  bool audioSourceFlag = false;
  bool agcFlag = false;
  bool audioFlag = false;
  bool bfoFlag = false;
  bool bfo100Flag = false;
  bool clippingFlag = false;
  bool band160MFlag = false;
  bool band75MFlag = false;
  bool band60MFlag = false;
  bool band40MFlag = false;
  bool band30MFlag = false;
  bool band20MFlag = false;
  bool band17MFlag = false;
  bool band15MFlag = false;
  bool band12MFlag = false;
  bool band10MFlag = false;
  bool bandWWVFlag = false;
  bool bandMARSFlag = false;
  bool meterFlag = false;
  bool freqFlag = false;
  bool modeFlag = false;
  bool muteFlag = false;
  bool pttFlag = false;
  bool sideToneFlag = false;
  bool tuneFlag = false;
  bool viewInDataFlag = false;
  bool voxFlag = false;
  bool xmitFlag = false;
  bool ampPwrFlag = false;
  bool ampOprFlag = false;
  bool tuneAmpFlag = false;
  bool m2vFlag = false;
  bool v2mFlag = false;
  bool m2cFlag = false;
  bool c2mFlag = false;
  bool getStatusFlag = false;

  // ---- Click procedures of the flag buttons: each raises its flag (cmdFreq_Click beeps first).
  void cmdAudioSource_Click();
  void cmdAGC_Click();
  void cmdAudio_Click();
  void cmdBFO_Click();
  void cmdBFO100_Click();
  void cmdClipping_Click();
  void cmd160M_Click();
  void cmd75M_Click();
  void cmd60M_Click();
  void cmd40M_Click();
  void cmd30M_Click();
  void cmd20M_Click();
  void cmd17M_Click();
  void cmd15M_Click();
  void cmd12M_Click();
  void cmd10M_Click();
  void cmdWWV_Click();
  void cmdMARS_Click();
  void cmdMeter_Click();
  void cmdFreq_Click();
  void cmdMode_Click();
  void cmdMute_Click();
  void cmdPTT_Click();
  void cmdSideTone_Click();
  void cmdTune_Click();
  void cmdViewInData_Click();
  void cmdVOX_Click();
  void cmdXmit_Click();
  void cmdAmpPwr_Click();
  void cmdAmpOpr_Click();
  void cmdTuneAmp_Click();
  void cmdM2V_Click();
  void cmdV2M_Click();
  void cmdM2C_Click();
  void cmdC2M_Click();
  void cmdGetStatus_Click();

  // ---- Actions, called by the main loop while their flag is raised; each lowers its own
  // flag as its last step, but XMT, TUNE and TUN lower it before the waits of their keying.
  void audioSourceCmd();
  void agcCmd();
  void audioCmd();
  void bfoCmd();
  void bfo100Cmd();
  void clippingCmd();
  void band160MCmd();
  void band75MCmd();
  void band60MCmd();
  void band40MCmd();
  void band30MCmd();
  void band20MCmd();
  void band17MCmd();
  void band15MCmd();
  void band12MCmd();
  void band10MCmd();
  void bandWWVCmd();
  void bandMARSCmd();
  void meterCmd();
  void freqCmd();
  void modeCmd();
  void muteCmd();
  void pttCmd();
  void sideToneCmd();
  void tuneCmd();
  void viewInDataCmd();
  void voxCmd();
  void xmitCmd();
  void ampPwrCmd();
  void ampOprCmd();
  void tuneAmpCmd();
  void m2vCmd();
  void v2mCmd();
  void m2cCmd();
  void c2mCmd();
  void getStatusCmd();

  // ---- Controls that act at once.
  void cmd0_Click();
  void cmd1_Click();
  void cmd2_Click();
  void cmd3_Click();
  void cmd4_Click();
  void cmd5_Click();
  void cmd6_Click();
  void cmd7_Click();
  void cmd8_Click();
  void cmd9_Click();
  void cmdEnter_Click();
  void cmdF_MouseDown(int index, int button, int shift);
  void cmdF_MouseUp(int index, int button, int shift);
  void cmdChanF_MouseDown(int index, int button, int shift);
  void cmdChanF_MouseUp(int index, int button, int shift);
  void txtLoadCh_GotFocus();
  void vscLoadCh_Change();
  void txtStoreCh_GotFocus();
  void vscStoreCh_Change();
  void sliBFO_Scroll();
  void sliRFGain_Scroll();

  // ---- Menus.
  void mnuFileExit_Click();
  void mnuScanBands_Click();
  void mnuScanFreqs_Click();
  void mnuPortSetup_Click();
  void mnuAudioSetup_Click();
  void mnuHelpAbout_Click();
  void mnuHelpZarvin_Click();

  /// Whether the transmitter transmits, or is about to: the panel shows "Transmit", the radio
  /// reported it, or the panel has keyed it.
  bool transmitting() const;
  /// Ends a keypad entry without sending: the radio's digits come back on the buttons.
  void endKeypadEntry();

  // ---- Start-up steps that the set-ups and the main loop use.
  /// Sets gFWType and lblFWType from the markers of every answer seen so far.
  void detectFirmware();

 private:
  /// "U" when keyed or the radio's last word was "K", "G00", and the port closed, with `wait`
  /// for the pauses between them. A port its device left is opened afresh first, and so is a
  /// closed one while a "U" may be owed.
  void endLink(const std::function<void(double)>& wait);
  /// Where the load event goes next. Each step returns the next one, so switching between
  /// the set-ups and the loop never grows the stack.
  enum class Entry {
    PortSetupFull,
    PortSetupReopen,
    Synchronise,
    RemoteSetup,
    LocalSetup,
    LoopEntry
  };

  void wireEvents();
  Entry startUp();
  Entry runEntry(Entry entry);
  /// Where a run-time error leads: the loop entry while the port is open, else the port's
  /// reopening, so that no error leaves the loop throwing again on every pass.
  Entry entryAfterError();
  /// Shows why a PortSetup.txt that opened cannot be read, then asks as without one.
  Entry settingsUnreadable(const RuntimeError& e);
  /// Opens Port Setup; the settings applied there, or the synchronisation waiting for them.
  Entry askForPortSetup();
  Entry portSetupFull();
  Entry portSetupReopen();
  Entry synchronise();
  Entry remoteSetup();
  Entry localSetup();
  Entry mainLoop();
  /// One pass of the main loop; returns LoopEntry to go on with the next pass.
  Entry mainLoopPass();
  /// Seconds until something of a pass is due; the pass yields that long at most.
  double secondsToNextDue() const;
  /// Whether a pass has something to do now, before any time-out.
  bool passHasWork() const;
  /// Whether "Receive"/"Transmit" shows a state the radio has left.
  bool transmitIndicatorBehind() const;
  void showTransmitState();
  void serveRequestFlags();
  /// Lowers the XMT, TUNE and TUN requests that would key the transmitter; those that would
  /// end a transmission stay.
  void lowerKeyingFlags();
  /// Closes the port if open, dropping what waits, and opens it with the current settings;
  /// a transmitter still counted keyed (its "U" owed since the device went) goes back to
  /// receive at once. A port that cannot be opened shows "Com Error" and the reason.
  void openPort();
  /// Characters waiting, or 0 when the port cannot tell.
  int waitingChars();
  /// Sends "?" and waits its 0.6 s.
  void sendStatusRequest();
  /// Polls with "?" until a full answer, yielding between polls; false after ten polls
  /// without one, or as soon as gPortSetupChanged is raised.
  bool waitForFullAnswer();
  // ---- REMOTE and LOCAL set-up helpers (panel/frmZarvin_setups.cpp).
  /// Where a set-up goes when its wait for a full answer failed: the port set-up when new
  /// settings were applied, otherwise the synchronisation with "No Com" shown.
  Entry giveUpWaiting();
  /// Calls action up to `attempts` times, waiting `settle` seconds after each, until item
  /// equals target; nothing when it already does.
  void stepRadioTo(const std::string& target, const FixedText<2>& item, int attempts,
                   void (frmZarvin::*action)(), double settle);
  /// Audio input, audio source, clipping, PTT enable and VOX to their targets, each shown.
  void stepRadioToWantedAudio();
  /// Shows the radio's frequency; sets a fallback (after a message) while it reports none
  /// that is valid, three times at most.
  void makeFrequencyValid();
  // ---- End of the set-up helpers.
  /// Runs one statement of the start-up: a run-time error skips it until the main loop has
  /// been reached once; from then on errors go back to the loop entry.
  template <class F>
  void step(F&& statement);
  /// Shows a child window through childWindows (or a placeholder) over a disabled panel.
  void openChild(const std::function<void()>& open, const std::string& formName);

  bool m_loopArmed = false;  // the main loop has been reached once
  double m_lastOpenTry = 0;  // when the synchronisation last tried to open a closed port
  int m_handshaking = 0;     // derived at the last full port set-up, reused on reopen
  /// Why the port last failed to open, as txtInfo showed it.
  std::string m_portFailureShown;
};

template <class F>
void frmZarvin::step(F&& statement) {
  try {
    statement();
  } catch (const RuntimeError&) {
    if (m_loopArmed) throw;
  }
}
