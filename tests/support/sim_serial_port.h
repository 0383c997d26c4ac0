#pragma once
#include <set>
#include <string>
#include <vector>

#include "platform/serial/serial_port.h"
#include "tests/support/scheduler.h"
#include "tools/radiosim/sim_radio.h"

/// The serial line of the tests: what the program writes is handed to the simulated radio at
/// the current virtual time, and the radio's replies arrive byte by byte at the line's speed
/// as device events.
class SimSerialPort final : public SerialPort {
 public:
  struct Write {
    double time;  // seconds since midnight
    std::string bytes;
  };

  SimSerialPort(Scheduler& scheduler, SimRadio& radio) : m_scheduler(scheduler), m_radio(radio) {}

  bool portExists(int portNumber) override { return m_present.count(portNumber) > 0; }

  // ---- Test controls.
  /// The port numbers that exist (1 only, at first).
  void setPresentPorts(std::set<int> ports) { m_present = std::move(ports); }
  /// The device goes away (as an unplugged adapter): the program sees a hang-up.
  void unplug();
  /// The device is back.
  void plug() { m_present.insert(commPort()); }
  /// Characters the output buffer reports as not yet sent (a stuck line).
  void setStuckOutput(int count) { m_stuckOutput = count; }
  /// Delivers an unsolicited reply from the radio (a report, a break).
  void deliver(const RadioReply& reply);
  /// When the replies scheduled so far have all arrived.
  double quietAt() const { return m_lineFreeAt; }
  /// Number of times the device was opened.
  int opens() const { return m_opens; }

  // ---- What the program did.
  const std::vector<Write>& writes() const { return m_writes; }
  /// Everything written, joined.
  std::string written() const;
  void clearWrites() { m_writes.clear(); }

 protected:
  void openDevice(int portNumber, const SerialSettings& settings, int handshaking) override;
  void closeDevice() override { ++m_generation; }
  void writeDevice(const std::string& bytes) override;
  int pendingOutput() override { return m_stuckOutput; }
  void pumpInput() override {}
  void waitDevice(double seconds) override;

 private:
  void arrive(char c, unsigned generation);

  Scheduler& m_scheduler;
  SimRadio& m_radio;
  std::set<int> m_present{1};
  std::vector<Write> m_writes;
  int m_stuckOutput = 0;
  int m_opens = 0;
  unsigned m_generation = 0;  // replies scheduled before a close are dropped
  double m_charSeconds = 10.0 / 9600;
  double m_lineFreeAt = 0.0;  // the radio sends one reply after the other
  int m_arrivals = 0;
};
