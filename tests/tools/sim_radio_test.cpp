#include "tools/radiosim/sim_radio.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Everything the radio sends back, in order, as one text.
std::string allText(const std::vector<RadioReply>& replies) {
  std::string text;
  for (const RadioReply& reply : replies) text += reply.text;
  return text;
}

std::string answerOf(int firmware, const std::string& sent) {
  SimRadio radio(firmware);
  return allText(radio.receive(sent));
}

// A radio at its power-on state: 14.25 MHz USB, AGC slow, MIC, local audio, PTT enable on,
// speaker on, clipping, sidetone and VOX off, meter D1, amplifier off.
TEST(SimRadio, AnswersEachCommand) {
  const struct {
    int firmware;  // 0: every firmware
    std::string sent;
    std::string answer;
  } cases[] = {
      {1, "M\n", "M2\n'0\n"},               // Steps the mode; this firmware drops the PTT enable.
      {1, "MMM\n", "M4\n'0\n"},             // Three steps in one line.
      {1, "A\n\n", "A3\n"},                 // Steps the AGC; the empty line asks nothing.
      {1, "m\n", ""},                       // Lower-case step belongs to generation 3.
      {1, "M2\nF1425000\n", "F1425000\n"},  // No absolute mode codes here.
      {1, "'", "'0\n"},                     // PTT toggle without a line feed.
      {1, "\"\n", "\"0\n"},                 // Audio input toggle.
      {1, "\"0\n", ""},                     // Absolute audio input is not this firmware's.
      {2, "M2\nF0715000\n", "M2\nF0715000\n"},    // Mode code line, then frequency line.
      {2, "A4\nF1425000\n\n", "A4\nF1425000\n"},  // AGC code, frequency, empty line.
      {2, "M1\nF1425000\n", "M1\nF1425000\n"},    // Same mode again is still answered.
      {2, "M\n", ""},                             // Step commands mean nothing here.
      {2, "a\n\n", ""},                           // Nor lower-case ones.
      {2, "'0\n", "'0\n"},                        // Absolute PTT enable.
      {2, "'\n", ""},                             // A bare tag is no PTT command here.
      {2, "\"0\n", "\"0\n"},                      // Absolute audio input.
      {3, "m\n", "M2\n"},                         // Steps the mode; the PTT enable stays.
      {3, "mm\n", "M3\n"},                        // Two steps in one line.
      {3, "a\n\n", "A3\n"},                       // Steps the AGC.
      {3, "M\n", ""},                             // Upper-case step belongs to generation 1.
      {3, "'1\n", "'1\n"},                        // Absolute PTT enable.
      {3, "\"1\n", "\"1\n"},                      // Absolute audio input.
      {0, "H\n", "H2\n"},                         // Audio source steps MIC -> AUDIO2.
      {0, "I\n", "I1\n"},                         // Clipping toggles on.
      {0, "S\n", "S1\n"},                         // Sidetone toggles on.
      {0, "V\n", "V1\n"},                         // VOX steps OFF -> VOICE.
      {0, "D\n", "D2\n"},                         // Meter function steps.
      {0, "(0\n", "(0\n"},                        // Speaker off.
      {0, "F0715000\n", "F0715000\n"},            // New frequency.
      {0, "F0150000\n", "F1425000\n"},            // Below 1.6 MHz: refused, current one reported.
      {0, "F123\n", "F1425000\n"},                // Malformed: refused.
      {0, "B150\n", "B150\n"},                    // BFO echo.
      {0, "B201\n", ""},                          // BFO beyond its range.
      {0, "G09\n", "G09\n"},                      // RF gain echo.
      {0, "G00\n", "G00\n"},                      // Full gain, as sent at shutdown.
      {0, "K", "K\n"},                            // Keys.
      {0, "U", "U\n"},                            // Unkeys.
      {0, " ", ""},                               // The blank keep-alive asks nothing.
      {0, "L07\n", "P0714250001\n"},              // Channel 7 to the channel display.
      {0, "P0307050004\n", "P0307050004\n"},      // Stores channel 3: 7.05 MHz CW.
      {0, "P0307050009\n", ""},                   // Mode digit out of range: refused.
      {0, "C05\n", "F1425000\nM1\n"},             // Channel 5 to the VFO.
      {0, "O3\n", "O1\n"},                        // Standby needs the amplifier on.
      {0, "Z9\n", ""},                            // Unknown command.
      {0, "\n", ""},                              // Empty line.
  };
  for (const auto& c : cases) {
    for (int firmware = 1; firmware <= 3; ++firmware) {
      if (c.firmware != 0 && c.firmware != firmware) continue;
      EXPECT_EQ(answerOf(firmware, c.sent), c.answer)
          << "firmware " << firmware << " sent " << c.sent;
    }
  }
}

TEST(SimRadio, FullAnswerCarriesTheFirmwaresMarkers) {
  struct {
    int firmware;
    bool bang;
    bool q;
  } cases[] = {
      {1, true, false},   // Oldest: "!" without "Q".
      {2, false, false},  // Adaptive: neither.
      {3, true, true},    // Non-adaptive: both.
  };
  for (const auto& c : cases) {
    const std::string text = "\n" + answerOf(c.firmware, "?\n");
    EXPECT_NE(text.find("\n#\n"), std::string::npos) << c.firmware;
    EXPECT_NE(text.find("\n.\n"), std::string::npos) << c.firmware;
    EXPECT_EQ(text.find("\n!\n") != std::string::npos, c.bang) << c.firmware;
    EXPECT_EQ(text.find("\nQ\n") != std::string::npos, c.q) << c.firmware;
  }
}

TEST(SimRadio, FullAnswerReportsEveryItem) {
  SimRadio radio(2);
  radio.state.freq = 715000;
  radio.state.mode = 2;
  radio.state.vox = 2;
  radio.state.pttEnable = false;
  const std::string text = "\n" + allText(radio.receive("?\n"));
  const char* lines[] = {"R1", "F0715000", "M2", "A2", "H1", "\"1", "'0",   "(1",
                         "I0", "S0",       "V2", "D1", "O1", "T1",  "B100", "G00"};
  for (const char* line : lines) {
    EXPECT_NE(text.find("\n" + std::string(line) + "\n"), std::string::npos) << line;
  }
}

TEST(SimRadio, CommandsChangeTheState) {
  SimRadio radio(3);
  radio.receive("F0715000\nH\nI\nS\nV\nV\nD\n(0\nB050\nG63\n'0\n\"0\nmmm\na\n\nK");
  EXPECT_EQ(radio.state.freq, 715000);
  EXPECT_EQ(radio.state.audioSource, 2);
  EXPECT_TRUE(radio.state.clipping);
  EXPECT_TRUE(radio.state.sidetone);
  EXPECT_EQ(radio.state.vox, 2);
  EXPECT_EQ(radio.state.meterFunction, 2);
  EXPECT_FALSE(radio.state.speaker);
  EXPECT_EQ(radio.state.bfo, 50);
  EXPECT_EQ(radio.state.rfGain, 63);
  EXPECT_FALSE(radio.state.pttEnable);
  EXPECT_EQ(radio.state.audioInput, 0);
  EXPECT_EQ(radio.state.mode, 4);
  EXPECT_EQ(radio.state.agc, 3);
  EXPECT_TRUE(radio.state.transmitting);
}

TEST(SimRadio, MemoryChannelsStoreAndRecall) {
  SimRadio radio(2);
  radio.receive("P4207050004\n");
  EXPECT_EQ(radio.state.memory[42].freq, 705000);
  EXPECT_EQ(radio.state.memory[42].mode, 4);
  EXPECT_EQ(allText(radio.receive("L42\n")), "P4207050004\n");
  EXPECT_EQ(allText(radio.receive("C42\n")), "F0705000\nM4\n");
  EXPECT_EQ(radio.state.freq, 705000);
  EXPECT_EQ(radio.state.mode, 4);
  EXPECT_EQ(radio.state.channel, 42);
}

TEST(SimRadio, BuffersPartialLines) {
  SimRadio radio(2);
  EXPECT_TRUE(radio.receive("F07").empty());
  EXPECT_TRUE(radio.receive("15000").empty());
  EXPECT_EQ(allText(radio.receive("\nH")), "F0715000\n");
  EXPECT_EQ(allText(radio.receive("\r\n")), "H2\n");  // CR LF ends one command.
  EXPECT_EQ(radio.commandLog, (std::vector<std::string>{"F0715000", "H"}));
}

TEST(SimRadio, RejectsAFirmwareOutsideOneToThree) {
  EXPECT_THROW(SimRadio(0), std::invalid_argument);
  EXPECT_THROW(SimRadio(4), std::invalid_argument);
}

TEST(SimRadio, RepliesComeAfterTheReplyDelayAndAnyExtraDelay) {
  SimRadio radio(2);
  radio.behaviour.replyDelay = 0.05;
  std::vector<RadioReply> replies = radio.receive("H\n");
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_DOUBLE_EQ(replies[0].delay, 0.05);
  EXPECT_FALSE(replies[0].lineBreak);
  radio.faults.extraDelay = 1.5;
  replies = radio.receive("H\n");
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_DOUBLE_EQ(replies[0].delay, 1.55);
}

TEST(SimRadio, AmplifierWarmsUpAndTunes) {
  SimRadio radio(2);
  radio.behaviour.replyDelay = 0.02;
  radio.behaviour.ampWarmupSeconds = 2.0;
  radio.behaviour.ampTuneSeconds = 3.0;
  // Power on: O2 at once, O3 once warm.
  std::vector<RadioReply> replies = radio.receive("O2\n");
  ASSERT_EQ(replies.size(), 2u);
  EXPECT_EQ(replies[0].text, "O2\n");
  EXPECT_EQ(replies[1].text, "O3\n");
  EXPECT_DOUBLE_EQ(replies[1].delay, 2.02);
  // Operate: the tuner is ready to tune.
  EXPECT_EQ(allText(radio.receive("O4\n")), "O4\nT2\n");
  // Keying starts the tune cycle; it reports tuned later.
  replies = radio.receive("K");
  ASSERT_EQ(replies.size(), 2u);
  EXPECT_EQ(replies[0].text, "K\nT3\n");
  EXPECT_EQ(replies[1].text, "T4\n");
  EXPECT_DOUBLE_EQ(replies[1].delay, 3.02);
  EXPECT_EQ(allText(radio.receive("U")), "U\n");
  // A new frequency asks for tuning again.
  EXPECT_EQ(allText(radio.receive("F0715000\n")), "F0715000\nT2\n");
  // Standby, then off.
  EXPECT_EQ(allText(radio.receive("O3\n")), "O3\nT1\n");
  EXPECT_EQ(allText(radio.receive("O1\n")), "O1\n");
  EXPECT_EQ(radio.state.amp, 1);
}

TEST(SimRadio, LocalStateAnswersStatusButIgnoresSettings) {
  struct {
    int firmware;
    std::string sent;
    std::string answer;
  } cases[] = {
      {2, "H\n", ""},                           // Settings are the front panel's now.
      {2, "K", "U\n"},                          // Keying is refused; the state is reported.
      {2, "F0715000\n", "F0715000\n"},          // The adaptive firmware still takes frequencies...
      {2, "M3\nF1425000\n", "M3\nF1425000\n"},  // ...and absolute modes.
      {3, "F0715000\n", ""},                    // The others do not.
      {1, "M\n", ""},                           // Nor mode steps.
      {3, "?\n", "R0\n"},  // The status request is answered (first line shown).
  };
  for (const auto& c : cases) {
    SimRadio radio(c.firmware);
    EXPECT_EQ(allText(radio.switchRemote(false)), "R0\n");
    const std::string answer = allText(radio.receive(c.sent));
    EXPECT_EQ(answer.substr(0, c.answer.size()), c.answer) << c.sent;
    if (c.sent != "?\n") {
      EXPECT_EQ(answer, c.answer) << c.sent;
    }
    EXPECT_FALSE(radio.state.transmitting);
    EXPECT_EQ(radio.state.audioSource, 1);
  }
}

TEST(SimRadio, SwitchesBackToRemote) {
  SimRadio radio(2);
  radio.switchRemote(false);
  EXPECT_EQ(allText(radio.switchRemote(true)), "R1\n");
  EXPECT_EQ(allText(radio.receive("H\n")), "H2\n");
}

// Each fault, set on a fresh generation-2 radio, then one command; `after` checks what else
// holds once it is answered.
struct FaultCase {
  const char* name;
  void (*arm)(SimRadio&);
  std::string sent;
  std::string answer;
  bool (*after)(SimRadio&);
};

bool fullAnswerEndsWith(SimRadio& r, const std::string& end) {
  std::string text = allText(r.receive("?\n"));
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

TEST(SimRadio, Faults) {
  const FaultCase cases[] = {
      {"silent, still obeying", [](SimRadio& r) { r.faults.silent = true; }, "H\nK", "",
       [](SimRadio& r) {
         return r.state.audioSource == 2 && r.state.transmitting && r.switchRemote(false).empty();
       }},
      {"ignored letter, logged", [](SimRadio& r) { r.faults.ignoredLetter = 'H'; }, "H\nI\n",
       "I1\n",
       [](SimRadio& r) {
         return r.state.audioSource == 1 && r.commandLog == std::vector<std::string>{"H", "I"};
       }},
      {"dropped K answer, still keyed", [](SimRadio& r) { r.faults.dropKeyAnswers = true; }, "K",
       "", [](SimRadio& r) { return r.state.transmitting; }},
      {"dropped U answer", [](SimRadio& r) { r.faults.dropKeyAnswers = true; }, "UH\n", "H2\n",
       nullptr},
      {"partial last line, the full answer left open",
       [](SimRadio& r) { r.faults.partialLastLine = true; }, "H\n", "H2",
       [](SimRadio& r) { return fullAnswerEndsWith(r, "\n#\n."); }},
      {"garbled AGC", [](SimRadio& r) { r.faults.garbleTags = "A"; }, "A3\nF1425000\n",
       "A:\nF1425000\n", nullptr},
      {"garbled markers spoil the full answer", [](SimRadio& r) { r.faults.garbleTags = "#."; },
       "H\n", "H2\n",
       [](SimRadio& r) {
         std::string text = "\n" + allText(r.receive("?\n"));
         return text.find("\n#\n") == text.npos && text.find("\n.\n") == text.npos &&
                text.find("\n:\n") != text.npos;
       }},
      {"other frequency, only reported", [](SimRadio& r) { r.faults.freqReportOffset = -100; },
       "F0715000\n", "F0714900\n",
       [](SimRadio& r) {
         return r.state.freq == 715000 &&
                allText(r.receive("?\n")).find("\nF0714900\n") != std::string::npos;
       }},
      {"R line only, once", [](SimRadio& r) { r.faults.nextQueryROnly = true; }, "?\n", "R1\n",
       [](SimRadio& r) { return fullAnswerEndsWith(r, "\n#\n.\n"); }},
  };
  for (const FaultCase& c : cases) {
    SimRadio radio(2);
    c.arm(radio);
    EXPECT_EQ(allText(radio.receive(c.sent)), c.answer) << c.name;
    if (c.after != nullptr) {
      EXPECT_TRUE(c.after(radio)) << c.name;
    }
  }
}

}  // namespace
