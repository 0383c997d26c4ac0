#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <vector>

#include "platform/serial/termios_port.h"
#include "tests/support/temp_folder.h"

namespace {

/// The termios port on a pseudo-terminal, fed marked input directly.
class MarkedPort : public TermiosSerialPort {
 public:
  using TermiosSerialPort::takeMarkedInput;
  using TermiosSerialPort::TermiosSerialPort;
};

class LineErrors : public ::testing::Test {
 protected:
  LineErrors() : port(folder.path()) {
    master = posix_openpt(O_RDWR | O_NOCTTY);
    grantpt(master);
    unlockpt(master);
    symlink(ptsname(master), folder.file("COM1").c_str());
    port.onComm = [this] { events.push_back(port.commEvent()); };
    port.setCommPort(1);
    port.setSettings("9600,O,7,1");
    port.setNullDiscard(true);
    port.setParityReplace(":");
    port.setPortOpen(true);
  }
  ~LineErrors() override {
    port.setPortOpen(false);
    close(master);
  }
  TempFolder folder;
  int master = -1;
  MarkedPort port;
  std::vector<int> events;
};

TEST_F(LineErrors, ParityErrorBecomesTheReplaceCharacterAndAnEvent) {
  port.takeMarkedInput(std::string("A1\377\0B\n", 6));
  EXPECT_EQ(port.input(), "A1:\n");
  EXPECT_EQ(events, std::vector<int>{kCommEventRxParity});
}

TEST_F(LineErrors, BreakIsEvent1001AndNoCharacter) {
  port.takeMarkedInput(std::string("K\377\0\0U", 5));
  EXPECT_EQ(port.input(), "KU");
  EXPECT_EQ(events, std::vector<int>{kCommEventBreak});
}

TEST_F(LineErrors, NulCharactersAreDroppedWhenAsked) {
  port.takeMarkedInput(std::string("R\0001\n", 4));
  EXPECT_EQ(port.input(), "R1\n");
  EXPECT_TRUE(events.empty());
}

}  // namespace
