#include "tests/support/sim_serial_port.h"

#include <algorithm>
#include <cerrno>
#include <cmath>

#include "platform/runtime_error.h"

void SimSerialPort::openDevice(int portNumber, const SerialSettings&, int) {
  if (m_present.count(portNumber) == 0) throw errnoError(ENOENT);
  m_charSeconds = charSeconds();
  // The radio talks at whatever rate the port is set to. Bytes still on their way to an
  // earlier opening are dropped when they come (arrive), so they hold the line no longer:
  // at a rate far too slow, they would hold it for minutes after the right rate is applied.
  m_lineFreeAt = 0.0;
  ++m_generation;
  ++m_opens;
}

void SimSerialPort::writeDevice(const std::string& bytes) {
  m_writes.push_back({std::fmod(m_scheduler.time(), 86400.0), bytes});
  for (const RadioReply& reply : m_radio.receive(bytes)) deliver(reply);
}

void SimSerialPort::deliver(const RadioReply& reply) {
  unsigned generation = m_generation;
  double start = std::max(m_scheduler.time() + reply.delay, m_lineFreeAt);
  if (reply.lineBreak) {
    m_scheduler.atDevice(start, [this, generation] {
      if (generation == m_generation && portOpen()) lineEvent(kCommEventBreak);
    });
  }
  double t = start;
  for (char c : reply.text) {
    t += m_charSeconds;
    m_scheduler.atDevice(t, [this, c, generation] { arrive(c, generation); });
  }
  m_lineFreeAt = t;
}

void SimSerialPort::arrive(char c, unsigned generation) {
  // Nothing comes through a device that has gone away.
  if (generation != m_generation || !portOpen() || deviceGone()) return;
  // The radio sends ":" only where it garbles a character, as a parity error leaves it.
  received(c, c == ':');
  ++m_arrivals;
}

void SimSerialPort::waitDevice(double seconds) {
  double deadline = m_scheduler.time() + std::max(seconds, Scheduler::kMinStep);
  int before = m_arrivals;
  while (m_arrivals == before && m_scheduler.advanceToNextDeviceEvent(deadline)) {
  }
}

void SimSerialPort::unplug() {
  m_present.erase(commPort());
  deviceLost();
}

std::string SimSerialPort::written() const {
  std::string all;
  for (const Write& w : m_writes) all += w.bytes;
  return all;
}
