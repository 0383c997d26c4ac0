// Frequency entry on the panel: the keypad, mouse stepping of the VFO and channel digits, the
// channel numbers and the four memory transfers.
#include <gtest/gtest.h>

#include "tests/panel/panel_table.h"

namespace {

using namespace panel_table;

void radioAt(Rig& rig, int freq) {
  rig.radio.state.freq = freq;
}

TEST(FrequencyEntry, KeypadStepsAndChannelTransfers) {
  const Scenario scenarios[] = {
      // Freq blanks the digit under the cursor for 0.3 s, then shows it for 0.3 s.
      {"1 click cmdFreq;1.001 see cmdF(0)= ;1.3 see cmdF(0)= ;1.302 see cmdF(0)=1;1.6 see "
       "cmdF(0)=1;1.602 see cmdF(0)= ",
       {}},
      // Keys overwrite from the 10 MHz digit on, one a blink cycle, and wrap round to it.
      {"1 click cmdFreq;1.5 keys 07150002;6.3 click cmdEnter;7 see cmdF=2715000",
       {"6.3 F2715000\n", "6.56 '0\n"}},
      // 1.6 and 29.99999 MHz are sent; just below 1.6 MHz is refused and the radio's frequency
      // shown again.
      {"1 click cmdFreq;1.5 keys 0160;3.9 click cmdEnter", {"3.9 F0160000\n", "4.16 '0\n"}},
      {"1 click cmdFreq;1.5 keys 2999999;5.7 click cmdEnter", {"5.7 F2999999\n", "5.96 '0\n"}},
      {"1 click cmdFreq;1.5 keys 0159999;5.7 click cmdEnter;6.5 see cmdF=1425000", {}},
      // Two keys in one cycle: the later is taken.
      {"1 click cmdFreq;1.3 click cmd2;1.5 click cmd0;2.3 click cmdEnter",
       {"2.3 F0425000\n", "2.56 '0\n"}},
      // Enter in the blank half ends the entry at once; the key in that half is not taken.
      {"1 click cmdFreq;1.3 click cmd0;1.7 click cmd7;1.8 click cmdEnter;2 see cmdF=0425000",
       {"1.8 F0425000\n", "2.06 '0\n"}},
      // A second entry without a key sends nothing, nor does a key between entries count;
      // Enter with no entry running does nothing.
      {"1 click cmdFreq;1.5 keys 07;2.9 click cmdEnter;3.5 click cmd1;4 click cmdFreq;5.5 click "
       "cmdEnter;6 click cmdEnter",
       {"2.9 F0725000\n"}},
      // A second entry starts again at the 10 MHz digit.
      {"1 click cmdFreq;1.5 keys 07;2.9 click cmdEnter;4 click cmdFreq;4.5 click cmd1;5.5 click "
       "cmdEnter",
       {"2.9 F0725000\n", "5.5 F1725000\n", "5.76 '0\n"}},
      // Mouse steps on the VFO digits: left up, right down, carries and borrows; what would
      // leave 1.6 to 29.99999 MHz resends the radio's frequency as it is.
      {"1.5 hold cmdF(3) R 0.1;2.5 see cmdF=1424000", {"1.600002 F1424000\n"}},
      {"1.5 hold cmdF(2) L 0.1;2.5 see cmdF=1005000",
       {"1.55 F1005000\n"},
       [](Rig& r) { radioAt(r, 995000); }},
      {"1.5 hold cmdF(6) R 0.1", {"1.55 F0999999\n"}, [](Rig& r) { radioAt(r, 1000000); }},
      {"1.5 hold cmdF(6) L 0.1", {"1.55 F2999999\n"}, [](Rig& r) { radioAt(r, 2999999); }},
      {"1.5 hold cmdF(1) R 0.1", {"1.55 F0165000\n"}, [](Rig& r) { radioAt(r, 165000); }},
      // Held, a step follows each answer, on the adaptive firmware 0.3 s later.
      {"1.5 hold cmdF(4) R 1.2;3 see cmdF=1424700",
       {"1.600002 F1424900\n", "2.039377 F1424800\n", "2.478752 F1424700\n"}},
      {"1.5 hold cmdF(4) R 0.45",
       {"1.600002 F1424900\n", "1.739377 F1424800\n", "1.878752 F1424700\n"},
       nullptr,
       1},
      // The middle button resends the radio's frequency while held.
      {"1.5 hold cmdF(2) M 1",
       {"1.600002 F1425000\n", "2.039377 F1425000\n", "2.478752 F1425000\n"}},
      // Nothing: released within the 0.05 s settle, the radio's frequency damaged, or during
      // a keypad entry.
      {"1.5 hold cmdF(4) L 0.03", {}},
      {"1.4 store gFreq F14:5000;1.5 hold cmdF(4) L 1", {}},
      {"1 click cmdFreq;1.5 hold cmdF(4) L 1;3 click cmdEnter", {}},
      // A step the radio neither obeys nor answers is sent again, never stepped past.
      {"1.5 hold cmdF(5) L 2.5;4.5 see cmdF=1425000",
       {"1.600002 F1425010\n", "2.750002 F1425010\n", "3.900002 F1425010\n"},
       [](Rig& r) { r.radio.faults.ignoredLetter = 'F'; }},
      // An error ends a run still held (the port goes away and comes back): the next press
      // steps again.
      {"1 hold cmdF(4) L 1;2.5 hold cmdF(4) L 0.1",
       {"1.05 F1425100\n", "2.55 F1425200\n"},
       [](Rig& r) {
         r.at(kReady + 1.06, [&r] { r.port.setPortOpen(false); });
         r.at(kReady + 1.5, [&r] { r.port.setPortOpen(true); });
       }},
      // The channel digits step alike within the range, and nothing goes to the radio; never
      // set, they start from 1.6 MHz.
      {"0.9 show cmdChanF 0000000;1 hold cmdChanF(2) L 0.1;2 see cmdChanF=0170000", {}},
      {"0.9 show cmdChanF 0000000;1 hold cmdChanF(6) R 0.1;2 see cmdChanF=0160000", {}},
      {"0.9 show cmdChanF 3100000;1 hold cmdChanF(6) R 0.1;2 see cmdChanF=2999998", {}},
      {"0.9 show cmdChanF 0995000;1 hold cmdChanF(2) L 0.1;2 see cmdChanF=1005000", {}},
      // Held: a step every 0.25 s until the release.
      {"0.9 show cmdChanF 1425000;1 hold cmdChanF(5) L 0.9;2 see cmdChanF=1425040", {}},
      // The channel numbers count from 00 to 99; their boxes pass the focus to the bars.
      {"1 set vscLoadCh -1;1 see txtLoadCh=00;1 set vscStoreCh 100;1 see txtStoreCh=99;1 focus "
       "txtLoadCh;1 see focus=vscLoadCh",
       {}},
      // Recalls: channel 7 to the VFO, channel 3 to the channel display.
      {"1 set vscLoadCh 7;1 click cmdM2V;2 see lblInfo=Channel 07;2 see cmdF=0705000",
       {"1 C07\n"},
       [](Rig& r) {
         r.radio.state.memory[7] = {705000, 4};
       }},
      {"1 set vscStoreCh 3;1 click cmdM2C;2 see cmdChanF=2125000;2 see cmbChMode=A",
       {"1 L03\n"},
       [](Rig& r) {
         r.radio.state.memory[3] = {2125000, 3};
       }},
      // Stores: the radio's 14.25 MHz LSB in channel 12, the channel display's in channel 3.
      {"1 set vscLoadCh 12;1 click cmdV2M",
       {"1 P1214250002\n"},
       [](Rig& r) { r.radio.state.mode = 2; }},
      {"1 set vscStoreCh 3;1 show cmdChanF 0705000;1 show cmbChMode C;1 click cmdC2M",
       {"1 P0307050004\n"}},
      {"1 set vscStoreCh 99;1 show cmdChanF 0160000;1 show cmbChMode A;1 click cmdC2M",
       {"1 P9901600003\n"}},
      // Nothing sound to store: never loaded, out of range, no mode, a damaged frequency or mode.
      {"1 show cmdChanF 0000000;1 show cmbChMode U;1 click cmdC2M", {}},
      {"1 show cmdChanF 3100000;1 show cmbChMode U;1 click cmdC2M", {}},
      {"1 show cmdChanF 0705000;1 show cmbChMode ;1 click cmdC2M", {}},
      {"1 store gFreq F14:5000;1 click cmdV2M", {}},
      {"1 store gMode M9;1 click cmdV2M", {}},
  };
  for (const Scenario& s : scenarios) run(s);
}

// A Freq click still waiting when the LOCAL set-up has locked the keypad (firmware 1 and 3)
// starts no entry, and ends one that an error abandoned: Enter could never end it, and the
// entry would hold the loop, which would then never see the radio handed back.
TEST(FrequencyEntry, AFreqClickLeftForALockedKeypadStartsNoEntry) {
  const struct {
    const char* when;
    std::string script;  // the radio goes LOCAL before Freq is served again
    std::function<void(Rig&)> lose;
    double back;  // the radio hands control back
  } kRows[] = {
      {"in the LOCAL set-up's wait", "1 local;1.2 click cmdFreq", [](Rig&) {}, 4},
      {"with the device gone", "1 local;2 click cmdFreq",
       [](Rig& r) {
         r.at(kReady + 1.1, [&r] { r.port.unplug(); });
         r.at(kReady + 3, [&r] { r.port.plug(); });
       },
       14},
      // The scan menu's band check meets the closed port inside the entry's wait.
      {"an entry an error abandoned", "0.5 click cmdFreq;1.5 force mnuScanFreqs",
       [](Rig& r) {
         r.at(kReady + 1, [&r] {
           r.port.setPortOpen(false);
           r.radio.switchRemote(false);
         });
       },
       6},
  };
  for (int firmware : {1, 3}) {
    for (const auto& row : kRows) {
      SCOPED_TRACE(std::string(row.when) + ", firmware " + std::to_string(firmware));
      Rig rig(firmware);
      row.lose(rig);
      std::string before = std::to_string(row.back - 0.5);
      schedule(rig, row.script + ";" + before + " see lblREMOTE=LOCAL;" + before +
                        " see cmdEnter.enabled=0");
      rig.at(kReady + row.back - 0.5, [&] { EXPECT_FALSE(rig.frm.keypadActive); });
      rig.at(kReady + row.back, [&] {
        for (const RadioReply& r : rig.radio.switchRemote(true)) rig.port.deliver(r);
      });
      rig.runFor(kReady + row.back + 8);
      EXPECT_EQ(look::of(rig.frm.form, "lblREMOTE"), "lblREMOTE=REMOTE");
      EXPECT_EQ(rig.link.gSyncChar, "U");
      EXPECT_FALSE(rig.frm.keypadActive);
    }
  }
}

}  // namespace
