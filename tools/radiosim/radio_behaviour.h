#pragma once

/// How the radio behaves when it works as intended.
struct RadioBehaviour {
  /// Seconds from the end of a command to the start of its answer.
  double replyDelay = 0.02;
  /// Seconds the amplifier takes from O2 (warming up) to O3 (standby).
  double ampWarmupSeconds = 2.0;
  /// Seconds the amplifier's tune cycle takes from T3 to T4; negative: it never finishes.
  double ampTuneSeconds = 3.0;
  /// A mode change switches the PTT enable off (the oldest firmware does this; the program
  /// switches it back).
  bool modeChangeClearsPtt = false;
};
