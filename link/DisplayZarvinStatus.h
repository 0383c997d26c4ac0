#pragma once
#include <functional>
#include <string>

#include "link/fixed_text.h"
#include "link/front_panel.h"
#include "link/transmitter.h"
#include "platform/platform.h"

/// The radio link and status module: the status store and every shared variable of the
/// program, the serial transport, the status-line parser, the display procedures that bring
/// the store onto the front panel, the firmware-dependent command senders and the band check.
/// Each test builds a fresh one; the program has exactly one.
class DisplayZarvinStatus {
 public:
  DisplayZarvinStatus(Platform& platform, FrontPanel& panel);

  Platform& platform;
  FrontPanel& frm;
  SerialPort& MSComm1;
  /// Keying and unkeying, and where the transmitter may be keyed.
  Transmitter transmitter{*this, frm};

  // ---- Status items: the whole line, tag included, at a fixed width, and its new-flag.
  FixedText<8> gFreq;
  bool gFreqNew = false;
  bool gFreqValid = false;  // the last F line was "F" and exactly seven digits
  FixedText<2> gAGC;
  bool gAGCNew = false;
  FixedText<2> gMode;
  bool gModeNew = false;
  FixedText<2> gMeterFunc;
  bool gMeterFuncNew = false;
  FixedText<2> gAudioSource;
  bool gAudioSourceNew = false;
  FixedText<2> gAudioInput;
  bool gAudioInputNew = false;
  FixedText<2> gPTT;
  bool gPTTNew = false;
  FixedText<2> gSpeaker;
  bool gSpeakerNew = false;
  FixedText<2> gRemote;
  bool gRemoteNew = false;
  FixedText<2> gAmp;
  bool gAmpNew = false;
  FixedText<2> gAmpTune;
  bool gAmpTuneNew = false;
  FixedText<2> gClipping;
  bool gClippingNew = false;
  FixedText<2> gSideTone;
  bool gSideToneNew = false;
  FixedText<2> gVOX;
  bool gVOXNew = false;
  FixedText<11> gChannel;
  bool gChannelNew = false;

  // ---- Answer markers.
  bool gXmitNew = false;  // a K or U line arrived
  bool gXmit = false;     // the radio last reported transmit
  bool gGotBang = false;  // a "!" line was ever seen
  bool gGotQ = false;     // a "Q" line was ever seen
  bool gGotHash = false;
  bool gGotDot = false;
  bool gGotHashDot = false;  // the last response read was a full answer

  // ---- Other shared variables.
  int gFWType = 0;  // 0 unknown, 1 "F/W: v601C", 2 "F/W: v604M Adapt", 3 "F/W: v604M NonAdapt"
  std::string gTitle;
  std::string gSyncChar;  // keep-alive character: "U", "K" while keyed, " " in LOCAL
  int gSyncCount = 0;     // keep-alive characters without a K/U answer
  double gLastSyncTime = 0.0;
  bool gComBreak = false;
  std::string gInData;
  std::string gPTTSetting;
  bool gAmpTuning = false;
  double gAmpTuneStart = 0.0;
  bool gScanning = false;
  bool gAllBands = false;
  std::string gBand;
  std::string gKeypadFreq;
  FixedText<3> gBFOOffset;
  std::string gPortNumber;
  std::string gPortSettings;
  std::string gHandshake;
  bool gPortSetupChanged = false;
  bool gAudioSetupChanged = false;

  // ---- Time and transport.
  /// Seconds since midnight.
  double now() const { return platform.clock.now(); }
  /// Seconds from start to now; moves start back by a day when midnight has passed.
  double elapsedSince(double& start) const;
  /// Waits at least `seconds`, yielding to window events throughout.
  void gDelay(double seconds);
  /// Sends cmd (plus LF when addLF) after at most ten 0.01 s waits for a busy output buffer
  /// (dropped silently when it stays busy), then waits delaySeconds.
  void gSendCommand(const std::string& cmd, bool addLF, double delaySeconds);
  /// Reads one response: up to 0.8 s for the first character, then until 0.06 s pass without
  /// a new one (at most 4096 characters, or the time of 128 characters at the port's speed
  /// but at least 1.5 s), parses it. A read cut short by that bound hands its unfinished
  /// last line on to the next read. Never yields.
  void gReadResponse();
  /// Takes and parses whatever is waiting.
  void gFlushInput();
  /// The child windows' read, and a keying's before its "K": a response only once one has begun
  /// to arrive, so that a timer tick never stalls for the first-character wait. With nothing
  /// waiting, a K or U keep-alive unanswered for longer than that wait shows "No Com", as a read
  /// would have.
  void readWaitingResponse();
  /// The keep-alive: sends syncChar every 2.0 s, or at once when it changes the transmit
  /// state the panel shows.
  void gSendSync(const std::string& syncChar);
  /// Sends a keep-alive character now, whatever its period: as gSendCommand without LF, then
  /// counted and shown on lblU. `stillWanted`, when given, is asked once the output buffer has
  /// emptied: a "K" whose keying ended during that wait is not written.
  void putKeepAlive(const std::string& syncChar, double settle,
                    const std::function<bool()>& stillWanted = nullptr);
  /// Seconds until gSendSync(syncChar) next has something to do (send, or blank lblU); 0 when
  /// it has now. A waiting loop sleeps this long at most, so it neither spins nor sends late.
  double secondsToSyncDue(const std::string& syncChar) const;
  /// The serial port's line event.
  void MSComm1_OnComm();

  // ---- Parser.
  /// Stores each LF-ended line of buffer by its tag and turns each such LF into "<".
  void gParseInData(std::string& buffer);

  // ---- Displays.
  void gUpdateDisplay();
  /// Whether gUpdateDisplay has a new status item to show.
  bool hasStatusToShow() const;
  /// Shows REMOTE or LOCAL. A radio handed back (from LOCAL, or saying it transmits while the
  /// panel keys nothing) goes back to receive as Transmitter::unkeyOnHandOver has it.
  void gShowRemote();
  void gShowAGC();
  void gShowMode();
  void gShowFrequency();
  void gShowAudioSource();
  void gShowAudioInput();
  void gShowClipping();
  void gShowPTT();
  void gShowSpeaker();
  void gShowSideTone();
  void gShowVOX();
  void gShowMeterFunction();
  void gDisplayMeterData(const std::string& line);
  void gShowAmpState();
  void gShowAmpTune();
  bool gIsInBand();
  /// gIsInBand for the frequency item `freq` rather than gFreq.
  bool isInBandAt(const std::string& freq) const;
  void gShowInBand(bool& inBand);

  // ---- Firmware-dependent senders.
  void gSetFrequency(const std::string& digits);
  void gNextAGC();
  int gModeIndex(const std::string& mode) const;
  void gSetMode(const std::string& newMode);
  void gNextMode();
  void gTogglePTT();

  // ---- Utilities.
  void gShowInfo(const std::string& text);
  bool fileExists(const std::string& fileName);
  bool gPortExists(int portNumber);

 private:
  void storeLine(const std::string& line);
  /// The line a cut read left unfinished, followed by everything waiting.
  std::string takeInput();
  /// Waits for the output buffer as gSendCommand does: at most ten 0.01 s waits; false when
  /// it stayed busy.
  bool awaitOutputBuffer();
  /// Writes text to the port (its errors passed over), then waits `settle` unless it is 0.
  void writeThenSettle(const std::string& text, double settle);

  std::string m_unfinishedLine;
  int m_unfinishedOpening = 0;  // the port's opening that the unfinished line came in

  bool m_keepAliveUnanswered = false;  // no K or U line since the last K or U keep-alive

  // Meter state kept from one reading to the next.
  int m_meterValue = 0;
  int m_meterPeak = 0;
  int m_peakHoldCount = 0;
};
