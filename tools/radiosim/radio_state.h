#pragma once
#include <array>

/// One memory channel of the radio: a frequency and the digit of its mode.
struct MemoryChannel {
  int freq = 1425000;  // units of 10 Hz
  int mode = 1;        // 1 USB, 2 LSB, 3 AME, 4 CW
};

/// Everything the simulated radio remembers. Tests set it before a scenario and read it
/// afterwards; the radio reports it in status lines. The power-on values are the ones the
/// program's REMOTE set-up aims for, so that a default radio needs no correction.
struct RadioState {
  bool remote = true;     // REMOTE (R1): the program has control; LOCAL (R0): the front panel has
  int freq = 1425000;     // units of 10 Hz: 160000 (1.6 MHz) to 2999999 (29.99999 MHz)
  int mode = 1;           // M1 USB, M2 LSB, M3 AME, M4 CW
  int agc = 2;            // A1 OFF, A2 SLOW, A3 MED, A4 FAST
  int audioSource = 1;    // H1 MIC, H2 AUDIO2, H3 PATCH
  int audioInput = 1;     // double-quote tag: 0 remote audio, 1 local audio
  bool pttEnable = true;  // '0 / '1
  bool speaker = true;    // (0 / (1
  bool clipping = false;  // I0 / I1
  bool sidetone = false;  // S0 / S1
  int vox = 0;            // V0 OFF, V1 VOICE, V2 DATA
  int meterFunction = 1;  // D1 .. D6
  int meterReading = 0;   // the two digits of a J line
  int amp = 1;            // O1 off, O2 warming up, O3 standby, O4 operate
  int ampTune = 1;        // T1 idle, T2 ready to tune, T3 tuning, T4 tuned
  bool transmitting = false;  // keyed by K, back to receive by U
  int rfGain = 0;             // G00 (full gain) .. G63
  int bfo = 100;              // B000 .. B200, 100 = no offset
  int channel = 0;            // memory channel recalled or stored last
  std::array<MemoryChannel, 100> memory{};
};
