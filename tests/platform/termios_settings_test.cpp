#include "platform/serial/termios_settings.h"

#include <gtest/gtest.h>

#include "platform/runtime_error.h"

namespace {

// Present on every line whatever the settings: receiver on, modem status ignored, lines
// dropped on close; input always marked.
constexpr tcflag_t kBaseC = CREAD | CLOCAL | HUPCL;
constexpr tcflag_t kBaseI = PARMRK;

struct Row {
  const char* settings;
  int handshaking;
  speed_t speed;
  tcflag_t cflag;  // besides kBaseC
  tcflag_t iflag;  // besides kBaseI
};

const Row kRows[] = {
    // The radio's own framing at each baud the port dialog offers.
    {"19200,O,7,1", 0, B19200, CS7 | PARENB | PARODD, INPCK},
    {"9600,O,7,1", 0, B9600, CS7 | PARENB | PARODD, INPCK},
    {"4800,O,7,1", 0, B4800, CS7 | PARENB | PARODD, INPCK},
    {"2400,O,7,1", 0, B2400, CS7 | PARENB | PARODD, INPCK},
    {"600,O,7,1", 0, B600, CS7 | PARENB | PARODD, INPCK},
    {"300,O,7,1", 0, B300, CS7 | PARENB | PARODD, INPCK},
    // Other common rates.
    {"1200,N,8,1", 0, B1200, CS8, 0},
    {"38400,N,8,1", 0, B38400, CS8, 0},
    {"57600,N,8,1", 0, B57600, CS8, 0},
    {"115200,N,8,1", 0, B115200, CS8, 0},
    // Each parity; no parity means no parity check.
    {"9600,N,7,1", 0, B9600, CS7, 0},
    {"9600,E,7,1", 0, B9600, CS7 | PARENB, INPCK},
    {"9600,M,7,1", 0, B9600, CS7 | PARENB | CMSPAR | PARODD, INPCK},
    {"9600,S,7,1", 0, B9600, CS7 | PARENB | CMSPAR, INPCK},
    {"9600,O,8,1", 0, B9600, CS8 | PARENB | PARODD, INPCK},
    // Character sizes below 7.
    {"9600,N,6,1", 0, B9600, CS6, 0},
    {"9600,N,5,1", 0, B9600, CS5, 0},
    // Two stop bits.
    {"9600,O,7,2", 0, B9600, CS7 | PARENB | PARODD | CSTOPB, INPCK},
    {"9600,N,8,2", 0, B9600, CS8 | CSTOPB, 0},
    // The four handshakes.
    {"9600,O,7,1", 1, B9600, CS7 | PARENB | PARODD, INPCK | IXON | IXOFF},
    {"9600,O,7,1", 2, B9600, CS7 | PARENB | PARODD | CRTSCTS, INPCK},
    {"9600,O,7,1", 3, B9600, CS7 | PARENB | PARODD | CRTSCTS, INPCK | IXON | IXOFF},
    {"9600,N,8,1", 3, B9600, CS8 | CRTSCTS, IXON | IXOFF},
};

TEST(TermiosSettings, TranslatesSettingsAndHandshake) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(std::string(row.settings) + " handshaking " + std::to_string(row.handshaking));
    TermiosFields f = termiosFields(parseSerialSettings(row.settings), row.handshaking);
    EXPECT_EQ(f.speed, row.speed);
    EXPECT_EQ(f.cflag, kBaseC | row.cflag);
    EXPECT_EQ(f.iflag, kBaseI | row.iflag);
    EXPECT_EQ(f.oflag, 0u);
    EXPECT_EQ(f.lflag, 0u);
    EXPECT_EQ(f.vmin, 1);
    EXPECT_EQ(f.vtime, 0);
  }
}

TEST(TermiosSettings, RefusesWhatTermiosCannotDo) {
  const struct {
    SerialSettings settings;
    int handshaking;
  } kRefused[] = {
      {{14400, 'O', 7, 1}, 0},  // a rate with no termios constant
      {{0, 'N', 8, 1}, 0},      // no rate at all
      {{9600, 'X', 7, 1}, 0},   // no such parity
      {{9600, 'O', 9, 1}, 0},   // too many data bits
      {{9600, 'O', 4, 1}, 0},   // too few data bits
      {{9600, 'O', 7, 3}, 0},   // no such stop-bit count
      {{9600, 'O', 7, 1}, -1},  // no such handshake
      {{9600, 'O', 7, 1}, 4},   //
  };
  for (const auto& r : kRefused) {
    const SerialSettings& s = r.settings;
    SCOPED_TRACE(std::to_string(s.baud) + s.parity + std::to_string(s.dataBits) +
                 std::to_string(s.stopBits) + " handshaking " + std::to_string(r.handshaking));
    try {
      termiosFields(s, r.handshaking);
      ADD_FAILURE() << "accepted";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), kErrInvalidProperty);
      EXPECT_EQ(e.description(), "Invalid property value");
    }
  }
}

TEST(TermiosSettings, ApplyReplacesFlagsAndSetsBothSpeeds) {
  termios t{};
  t.c_iflag = ICRNL | IGNBRK | BRKINT | ISTRIP;
  t.c_oflag = OPOST | ONLCR;
  t.c_lflag = ICANON | ECHO | ISIG;
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 5;
  TermiosFields f = termiosFields(parseSerialSettings("2400,O,7,1"), 2);
  applyTermiosFields(f, t);
  EXPECT_EQ(cfgetispeed(&t), B2400);
  EXPECT_EQ(cfgetospeed(&t), B2400);
  EXPECT_EQ(t.c_cflag & ~CBAUD, f.cflag);
  EXPECT_EQ(t.c_iflag, f.iflag);
  EXPECT_EQ(t.c_oflag, 0u);
  EXPECT_EQ(t.c_lflag, 0u);
  EXPECT_EQ(t.c_cc[VMIN], 1);
  EXPECT_EQ(t.c_cc[VTIME], 0);
}

}  // namespace
