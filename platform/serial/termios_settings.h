#pragma once
#include <termios.h>

#include "platform/serial/serial_port.h"

/// The termios values that put a serial line into raw mode with given settings. Everything
/// the line discipline could change in the data is off: no echo, no canonical lines, no
/// signals, no CR/LF translation, no output processing.
struct TermiosFields {
  speed_t speed = B9600;
  tcflag_t cflag = 0;
  tcflag_t iflag = 0;
  tcflag_t oflag = 0;
  tcflag_t lflag = 0;
  cc_t vmin = 1;
  cc_t vtime = 0;
};

/// The speed constant for a baud rate; false when termios has none for it.
bool baudSpeed(int baud, speed_t& speed);

/// Translates settings and a handshaking value (0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both).
/// Input is always marked (PARMRK): a literal 0xFF arrives doubled, a break as 0xFF 0 0 and,
/// when parity is on, a character with a parity or framing error as 0xFF 0 c. Reads return at
/// once with what is waiting (VMIN 1, VTIME 0 on a non-blocking descriptor), so that a read of
/// 0 bytes only ever means a hang-up. Throws RuntimeError(kErrInvalidProperty) for a baud rate,
/// parity, data-bit count, stop-bit count or handshaking value that cannot be applied.
TermiosFields termiosFields(const SerialSettings& settings, int handshaking);

/// Writes the fields into t: the four flag words replaced, both speeds set, VMIN and VTIME.
void applyTermiosFields(const TermiosFields& fields, termios& t);
