#pragma once
#include <functional>
#include <string>

/// Parsed form of a settings text such as "9600,O,7,1" (blanks around fields are ignored).
struct SerialSettings {
  int baud = 9600;
  char parity = 'O';  // N, O, E, M or S
  int dataBits = 7;   // 5 to 8
  int stopBits = 1;   // 1 or 2
};

/// Parses a settings text; throws RuntimeError(kErrInvalidProperty) when it is not one.
SerialSettings parseSerialSettings(const std::string& text);

/// The serial communications control the program drives (the port it calls MSComm1): the
/// properties it sets and reads, the waiting input, line events and a byte-wait without window
/// events. The property bookkeeping, the receive buffer and the event are common; a device
/// layer (termios, or the simulated line of the tests) supplies the hooks below.
///
/// Properties that cannot be applied raise RuntimeError, as the control did: an operation that
/// needs an open port raises kErrPortNotOpen, a bad value kErrInvalidProperty, a device that
/// cannot be opened its errno.
class SerialPort {
 public:
  virtual ~SerialPort() = default;

  void setCommPort(int portNumber);
  int commPort() const { return m_commPort; }
  void setHandshaking(int value);  // 0 none, 1 XON/XOFF, 2 RTS, 3 RTS and XON/XOFF
  int handshaking() const { return m_handshaking; }
  void setSettings(const std::string& text);
  const std::string& settings() const { return m_settingsText; }
  void setInputLen(int n) { m_inputLen = n; }
  void setInputMode(int mode);
  void setInBufferSize(int n);
  void setOutBufferSize(int n);
  void setRThreshold(int n) { m_rThreshold = n; }
  void setSThreshold(int n) { m_sThreshold = n; }
  void setNullDiscard(bool on) { m_nullDiscard = on; }
  void setParityReplace(const std::string& text) { m_parityReplace = text; }

  /// True opens the device of commPort() with the current settings; False closes it.
  void setPortOpen(bool open);
  bool portOpen() const { return m_open; }
  /// How many times the port has been opened: what was received before the last opening
  /// belongs to another session of the line.
  int openings() const { return m_openings; }
  /// Open, but its device went away: nothing reaches the radio until it is reopened.
  bool deviceGone() const { return m_open && m_lost; }
  void setRTSEnable(bool on);

  /// Queues text for sending and returns at once.
  void output(const std::string& text);
  /// Characters not yet sent.
  int outBufferCount();
  /// Characters received and not yet taken.
  int inBufferCount();
  /// Setting InBufferCount to 0: discards what is waiting.
  void clearInBuffer();
  /// Everything waiting, removed from the buffer in the same step.
  std::string input();
  /// Code of the last line event (1001 break, 1004 framing, 1006 overrun, 1008 overflow,
  /// 1009 parity, 1010 transmit buffer full, 1011 settings error).
  int commEvent() const { return m_commEvent; }
  /// Raised for each line event, with CommEvent set to its code. Handed to postEvent when
  /// there is one, so that it arrives as a window event at the next yield, after the read
  /// that noticed it; otherwise raised from inside that call.
  std::function<void()> onComm;
  std::function<void(std::function<void()>)> postEvent;
  /// Seconds one character takes on the line at the current settings.
  double charSeconds() const;

  /// Returns when more than `beyond` characters are waiting or `seconds` have passed. Runs no
  /// window event and never spins. Returns at once when the port is closed.
  void waitForInput(double seconds, int beyond = 0);

  /// Whether port number n can be opened right now; keeps nothing open.
  virtual bool portExists(int portNumber) = 0;
  /// A descriptor that becomes readable when input arrives, or -1.
  virtual int fileDescriptor() const { return -1; }

 protected:
  virtual void openDevice(int portNumber, const SerialSettings& settings, int handshaking) = 0;
  virtual void closeDevice() = 0;
  virtual void writeDevice(const std::string& bytes) = 0;
  virtual int pendingOutput() = 0;
  /// Moves what the device has received into the buffer through received()/lineEvent().
  virtual void pumpInput() = 0;
  /// Blocks (or advances virtual time) until new input may have arrived or `seconds` pass;
  /// also called after deviceLost(), when it must simply sleep.
  virtual void waitDevice(double seconds) = 0;
  virtual void setRts(bool on) { (void)on; }

  /// One received character; parityError marks a parity or framing error on it, which also
  /// raises event 1009.
  void received(char c, bool parityError = false);
  /// Characters the receive buffer can still take: a device layer takes no more than that
  /// from the driver, so that the rest waits there rather than being lost.
  int inBufferRoom() const { return m_inBufferSize - static_cast<int>(m_in.size()); }
  /// A line event: sets CommEvent and raises onComm.
  void lineEvent(int code);
  /// A device that went away while open: releases it and reports a break, so that the
  /// program reopens the port. The port still counts as open until the program closes it;
  /// meanwhile nothing is read and output is dropped.
  void deviceLost();

 private:
  void requireOpen() const;
  void pump();
  void requireClosed() const;

  int m_commPort = 1;
  int m_handshaking = 0;
  std::string m_settingsText = "9600,N,8,1";
  SerialSettings m_settings{9600, 'N', 8, 1};
  int m_inputLen = 0;
  int m_inBufferSize = 1024;
  int m_outBufferSize = 512;
  int m_rThreshold = 0;
  int m_sThreshold = 0;
  bool m_nullDiscard = false;
  std::string m_parityReplace = "?";
  bool m_open = false;
  int m_openings = 0;
  bool m_lost = false;
  int m_commEvent = 0;
  std::string m_in;
};

constexpr int kCommEventBreak = 1001;
constexpr int kCommEventFrame = 1004;
constexpr int kCommEventOverrun = 1006;
constexpr int kCommEventRxOver = 1008;
constexpr int kCommEventRxParity = 1009;
constexpr int kCommEventTxFull = 1010;
constexpr int kCommEventDcb = 1011;
