#pragma once
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "platform/serial/parmrk_decoder.h"
#include "platform/serial/port_naming.h"
#include "platform/serial/serial_port.h"

/// The serial port on a POSIX terminal device. Port numbers name devices as PortNames says,
/// relative to the working folder given at construction; an open port is held exclusively. The
/// descriptor is non-blocking throughout: output that the driver cannot take at once waits in a
/// small queue that later calls (and waits) push on; input is taken whenever the program looks at
/// the port. A read error or hang-up counts as the device going away.
class TermiosSerialPort : public SerialPort {
 public:
  explicit TermiosSerialPort(std::string folder);
  ~TermiosSerialPort() override;
  TermiosSerialPort(const TermiosSerialPort&) = delete;
  TermiosSerialPort& operator=(const TermiosSerialPort&) = delete;

  /// Opens the device of that number without changing its settings and closes it at once.
  /// A serial node with no UART behind it counts as absent.
  bool portExists(int portNumber) override;
  int fileDescriptor() const override { return m_fd; }
  /// Told the descriptor after each opening and each time its input has been read to the end,
  /// so that a window loop watching it wakes for whatever arrives after the program's last
  /// look; told -1 just before it is closed (so that it never watches a closed one).
  std::function<void(int fd)> onDescriptorToWatch;

 protected:
  /// Takes bytes as the terminal marks them, as if just read from the device. The tests use
  /// it for line errors, which a pseudo-terminal cannot carry.
  void takeMarkedInput(std::string_view bytes);

  void openDevice(int portNumber, const SerialSettings& settings, int handshaking) override;
  void closeDevice() override;
  void writeDevice(const std::string& bytes) override;
  int pendingOutput() override;
  void pumpInput() override;
  void waitDevice(double seconds) override;
  void setRts(bool on) override;

 private:
  enum class ReadResult { Drained, Lost };
  /// Hands queued output to the driver as far as it takes it; false when the device failed.
  bool flushPending();
  ReadResult readAvailable();
  void deliverDecoded();
  /// Waits for input (or room for queued output) until the deadline; false on time-out.
  bool pollOnce(double secondsLeft);

  PortNames m_names;
  int m_fd = -1;
  unsigned m_openings = 0;  // tells a pump apart from one that began before a reopen
  std::string m_pending;
  ParmrkDecoder m_decoder;
  std::deque<ParmrkItem> m_decoded;
};
