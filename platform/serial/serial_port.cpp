#include "platform/serial/serial_port.h"

#include <cctype>

#include "platform/runtime_error.h"

namespace {

std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}

[[noreturn]] void invalidProperty() {
  throw RuntimeError(kErrInvalidProperty, "Invalid property value");
}

int wholeNumber(const std::string& field) {
  std::string t = trim(field);
  if (t.empty() || t.size() > 7) invalidProperty();
  for (char c : t) {
    if (!std::isdigit(static_cast<unsigned char>(c))) invalidProperty();
  }
  return std::stoi(t);
}

}  // namespace

SerialSettings parseSerialSettings(const std::string& text) {
  std::string fields[4];
  size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    size_t comma = text.find(',', start);
    if ((i < 3) == (comma == std::string::npos)) invalidProperty();
    fields[i] = text.substr(start, i < 3 ? comma - start : std::string::npos);
    start = comma + 1;
  }
  SerialSettings s;
  s.baud = wholeNumber(fields[0]);
  std::string parity = trim(fields[1]);
  if (parity.size() != 1) invalidProperty();
  s.parity = static_cast<char>(std::toupper(static_cast<unsigned char>(parity[0])));
  if (std::string("NOEMS").find(s.parity) == std::string::npos) invalidProperty();
  s.dataBits = wholeNumber(fields[2]);
  s.stopBits = wholeNumber(fields[3]);
  if (s.baud <= 0 || s.dataBits < 5 || s.dataBits > 8 || (s.stopBits != 1 && s.stopBits != 2)) {
    invalidProperty();
  }
  return s;
}

void SerialPort::requireOpen() const {
  if (!m_open) throw RuntimeError(kErrPortNotOpen, "Operation valid only when the port is open");
}

void SerialPort::requireClosed() const {
  if (m_open) throw RuntimeError(kErrPortAlreadyOpen, "Port already open");
}

void SerialPort::setCommPort(int portNumber) {
  requireClosed();
  if (portNumber < 1 || portNumber > 16) {
    throw RuntimeError(kErrPortOpenFailed, "Invalid port number " + std::to_string(portNumber));
  }
  m_commPort = portNumber;
}

void SerialPort::setHandshaking(int value) {
  if (value < 0 || value > 3) invalidProperty();
  m_handshaking = value;
}

void SerialPort::setSettings(const std::string& text) {
  m_settings = parseSerialSettings(text);
  m_settingsText = text;
}

void SerialPort::setInputMode(int mode) {
  if (mode != 0 && mode != 1) invalidProperty();
}

void SerialPort::setInBufferSize(int n) {
  requireClosed();
  if (n <= 0) invalidProperty();
  m_inBufferSize = n;
}

void SerialPort::setOutBufferSize(int n) {
  requireClosed();
  if (n <= 0) invalidProperty();
  m_outBufferSize = n;
}

void SerialPort::setPortOpen(bool open) {
  if (open == m_open) {
    if (open) requireClosed();
    return;
  }
  if (open) {
    openDevice(m_commPort, m_settings, m_handshaking);
    m_in.clear();
    m_open = true;
    ++m_openings;
  } else {
    m_open = false;
    if (!m_lost) closeDevice();
    m_lost = false;
  }
}

void SerialPort::setRTSEnable(bool on) {
  if (m_open) setRts(on);
}

void SerialPort::output(const std::string& text) {
  requireOpen();
  if (m_lost) return;
  if (static_cast<int>(text.size()) + pendingOutput() > m_outBufferSize) {
    lineEvent(kCommEventTxFull);
    return;
  }
  writeDevice(text);
}

int SerialPort::outBufferCount() {
  requireOpen();
  return m_lost ? 0 : pendingOutput();
}

int SerialPort::inBufferCount() {
  requireOpen();
  pump();
  return static_cast<int>(m_in.size());
}

void SerialPort::clearInBuffer() {
  requireOpen();
  pump();
  m_in.clear();
}

std::string SerialPort::input() {
  requireOpen();
  pump();
  std::string taken;
  taken.swap(m_in);
  return taken;
}

void SerialPort::pump() {
  if (!m_lost) pumpInput();
}

void SerialPort::waitForInput(double seconds, int beyond) {
  if (!m_open) return;
  pump();
  if (static_cast<int>(m_in.size()) > beyond || seconds <= 0) return;
  waitDevice(seconds);
  pump();
}

double SerialPort::charSeconds() const {
  // Start bit, data bits, parity bit and stop bits.
  int bits = 1 + m_settings.dataBits + (m_settings.parity == 'N' ? 0 : 1) + m_settings.stopBits;
  return static_cast<double>(bits) / m_settings.baud;
}

void SerialPort::received(char c, bool parityError) {
  if (parityError) {
    lineEvent(kCommEventRxParity);
    if (m_parityReplace.empty()) return;
    c = m_parityReplace[0];
  }
  if (c == '\0' && m_nullDiscard) return;
  if (static_cast<int>(m_in.size()) >= m_inBufferSize) {
    lineEvent(kCommEventRxOver);
    return;
  }
  m_in.push_back(c);
}

void SerialPort::lineEvent(int code) {
  auto raise = [this, code] {
    m_commEvent = code;
    if (onComm) onComm();
  };
  if (postEvent) {
    postEvent(raise);
  } else {
    raise();
  }
}

void SerialPort::deviceLost() {
  if (!m_open || m_lost) return;
  m_lost = true;
  closeDevice();
  lineEvent(kCommEventBreak);
}
