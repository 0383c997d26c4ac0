#include "platform/serial/termios_settings.h"

#include "platform/runtime_error.h"

namespace {

struct BaudSpeed {
  int baud;
  speed_t speed;
};

constexpr BaudSpeed kBaudSpeeds[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},     {150, B150},
    {200, B200},       {300, B300},       {600, B600},       {1200, B1200},   {1800, B1800},
    {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200}, {38400, B38400},
    {57600, B57600},   {115200, B115200}, {230400, B230400},
#ifdef B460800
    {460800, B460800},
#endif
#ifdef B921600
    {921600, B921600},
#endif
};

[[noreturn]] void invalidProperty() {
  throw RuntimeError(kErrInvalidProperty, "Invalid property value");
}

tcflag_t characterSize(int dataBits) {
  switch (dataBits) {
    case 5:
      return CS5;
    case 6:
      return CS6;
    case 7:
      return CS7;
    case 8:
      return CS8;
  }
  invalidProperty();
}

tcflag_t parityBits(char parity) {
  switch (parity) {
    case 'N':
      return 0;
    case 'O':
      return PARENB | PARODD;
    case 'E':
      return PARENB;
#ifdef CMSPAR
    // Stick parity: PARODD picks a parity bit that is always 1 (mark) rather than 0 (space).
    case 'M':
      return PARENB | CMSPAR | PARODD;
    case 'S':
      return PARENB | CMSPAR;
#endif
  }
  invalidProperty();
}

tcflag_t controlFlags(const SerialSettings& s, int handshaking) {
  if (s.stopBits != 1 && s.stopBits != 2) invalidProperty();
  // HUPCL drops the modem lines when the port is closed, so the radio sees the panel go.
  tcflag_t c = CREAD | CLOCAL | HUPCL | characterSize(s.dataBits) | parityBits(s.parity);
  if (s.stopBits == 2) c |= CSTOPB;
  if (handshaking == 2 || handshaking == 3) c |= CRTSCTS;
  return c;
}

tcflag_t inputFlags(const SerialSettings& s, int handshaking) {
  // IGNBRK and BRKINT stay off, so that PARMRK turns a break into 0xFF 0 0 rather than a
  // signal or nothing.
  tcflag_t i = PARMRK;
  if (s.parity != 'N') i |= INPCK;
  if (handshaking == 1 || handshaking == 3) i |= IXON | IXOFF;
  return i;
}

}  // namespace

bool baudSpeed(int baud, speed_t& speed) {
  for (const BaudSpeed& b : kBaudSpeeds) {
    if (b.baud == baud) {
      speed = b.speed;
      return true;
    }
  }
  return false;
}

TermiosFields termiosFields(const SerialSettings& settings, int handshaking) {
  if (handshaking < 0 || handshaking > 3) invalidProperty();
  TermiosFields f;
  if (!baudSpeed(settings.baud, f.speed)) invalidProperty();
  f.cflag = controlFlags(settings, handshaking);
  f.iflag = inputFlags(settings, handshaking);
  f.oflag = 0;
  f.lflag = 0;
  f.vmin = 1;
  f.vtime = 0;
  return f;
}

void applyTermiosFields(const TermiosFields& fields, termios& t) {
  t.c_cflag = fields.cflag;
  t.c_iflag = fields.iflag;
  t.c_oflag = fields.oflag;
  t.c_lflag = fields.lflag;
  cfsetispeed(&t, fields.speed);
  cfsetospeed(&t, fields.speed);
  t.c_cc[VMIN] = fields.vmin;
  t.c_cc[VTIME] = fields.vtime;
}
