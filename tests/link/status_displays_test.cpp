// Status lines from the radio, through the parser and the display passes, onto the panel: the
// captions, colours, meter, amplifier group and channel display they leave.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/link/look.h"
#include "tests/support/link_rig.h"

namespace {

const std::string kDecibel = " -20       -10          0         +10 ";
const std::string kWatt = "0            25          50   100  150";
const std::string kSwr = "1               2             3      4";
const std::string kSUnits = "  S3    S6     S9      +30      +60   ";

std::string times(int n, const std::string& line) {
  std::string lines;
  for (int i = 0; i < n; ++i) lines += line;
  return lines;
}

/// What the rig shows for `expected`: panel controls, a few stored items and the port.
std::string actual(LinkRig& rig, const std::string& expected) {
  const DisplayZarvinStatus& l = rig.link;
  const std::pair<const char*, std::string> items[] = {{"gXmit", std::to_string(l.gXmit)},
                                                       {"gFreqValid", std::to_string(l.gFreqValid)},
                                                       {"gAGC", l.gAGC.str()},
                                                       {"gAmpTuning", std::to_string(l.gAmpTuning)},
                                                       {"gSyncChar", l.gSyncChar},
                                                       {"written", rig.port.written()}};
  for (const auto& [name, value] : items) {
    if (expected.rfind(std::string(name) + "=", 0) == 0) return name + ("=" + value);
  }
  return look::of(rig.panel.form, expected);
}

/// A ready tune cycle, keyed by the panel's TUNE: the amplifier's "Tuned" report ends it.
void tuneCycle(LinkRig& rig) {
  rig.link.gAmpTuning = true;
  rig.link.gSyncChar = "K";
  rig.panel.lblXMTRCV.caption = "Transmit";
  rig.panel.cmdXmit.caption = "&XMT ON";
  rig.panel.cmdTune.caption = "T&UNE ON";
}

TEST(StatusDisplays, LinesShowOnThePanel) {
  struct Row {
    std::string passes;  // status lines; each '|' ends a pass: parse, then one display dispatch
    std::vector<std::string> looks;
    std::function<void(LinkRig&)> prepare = nullptr;
  } rows[] = {
      // Each item stored at its width: the frequency cut to eight characters (shown, but not
      // valid for the band check), the channel line kept at eleven with its mode.
      {"F01425000\nP0714250001\n",
       {"cmdF=0142500", "gFreqValid=0", "cmdChanF=1425000", "cmbChMode=U"}},
      {"F0714500\n", {"cmdF=0714500", "gFreqValid=1"}},
      {"F0160000\n|F07a4500\n", {"cmdF=0160000", "gFreqValid=0"}},  // a letter: not shown
      {"A2:\na2\nX1\n", {"gAGC="}},  // a colon, a lower-case or unknown tag: dropped
      // The data box shows the buffer with each line's LF turned into a marker; a lone LF is
      // no line, and an unfinished K is no transmit answer.
      {"A1\nM2\n\nK",
       {"txtInData=A1<M2<\nK", "gXmit=0"},
       [](LinkRig& r) { r.panel.cmdViewInData.caption = "Hide Data"; }},
      // Captions by code, in one pass each; the last line of a kind wins.
      {"R0\nR1\nI0\n'1\n(0\nS1\nV2\n\"1\n",
       {"lblREMOTE=REMOTE", "lblClipping=OFF", "lblPTT=ON", "lblMute=OFF", "lblSideTone=ON",
        "lblVox=DATA", "lblInput=LOCAL", "cmdAudioSource.enabled=1"}},
      {"R0\nI1\n'0\n(1\nS0\nV1\n\"0\n",
       {"lblREMOTE=LOCAL", "lblClipping=ON", "lblPTT=OFF", "lblMute=ON", "lblSideTone=OFF",
        "lblVox=VOICE", "lblInput=REMOTE", "cmdAudioSource.enabled=0"}},
      {"R1\nV0\n|R\nV3\n",
       {"lblREMOTE=REMOTE", "lblREMOTE.fore=bright", "lblVox=OFF"}},  // unknown: kept
      // One state label bright for its code, the others dim; an unknown code dims them all,
      // except the audio source's, which it leaves.
      {"A2\n",
       {"lblAGCOff.fore=dim", "lblAGCSlow.fore=bright", "lblAGCMed.fore=dim",
        "lblAGCFast.fore=dim"}},
      {"A2\n|A5\n", {"lblAGCSlow.fore=dim"}},
      {"M4\n", {"lblUSB.fore=dim", "lblLSB.fore=dim", "lblAME.fore=dim", "lblCW.fore=bright"}},
      {"H1\n|H4\n", {"lblMIC.fore=bright", "lblAUDIO2.fore=dim"}},
      {"H2\n\"0\n", {"lblAUDIO2.fore=dim", "lblREMOTEAudio.fore=bright"}},  // remote audio
      {"H2\n\"1\n", {"lblAUDIO2.fore=bright", "lblREMOTEAudio.fore=dim"}},  // local audio
      // The meter: the peak holds for ten lower readings, the eleventh replaces it; a reading
      // beyond the bar's Max is a peak only; two characters after the tag, half to even.
      {"J12\nJ14\n" + times(10, "J03\n"), {"lblMeterPk= 14", "pbMeter.value=3"}},
      {"J12\nJ14\n" + times(11, "J03\n"), {"lblMeterPk= 3"}},
      {"J21\nJ30\n", {"lblMeterPk= 30", "pbMeter.value=21"}},
      {"J 9\n", {"lblMeterPk= 9", "pbMeter.value=9"}},
      {"J09\nJ-3\n", {"lblMeterPk= 9", "pbMeter.value=9"}},  // below the bar: kept
      {"J-3\n", {"lblMeterPk=-3"}},
      {"J.5\n", {"lblMeterPk= 0"}},
      {"J123\n", {"lblMeterPk= 12"}},
      {"J05\nJ06\n",
       {"txtInfo=gDisplayMeterData: Err 6. Overflow", "pbMeter.value=0"},
       [](LinkRig& r) { r.panel.lblMeterPk.caption = "99999999999"; }},
      // Meter functions: power scales follow the transmit state, level scales do not.
      {"K\nD1\n", {"lblMeter=Audio", "lblMeterScale=" + kDecibel}},
      {"D4\n", {"lblMeter=FWD", "lblMeterScale=" + kSUnits}},
      {"K\nD5\n", {"lblMeter=REF", "lblMeterScale=" + kWatt}},
      {"K\nD4\n|U\nD6\n", {"lblMeter=VSWR", "lblMeterScale=" + kSUnits}},
      {"K\nD6\n|D7\n", {"lblMeter=VSWR", "lblMeterScale=" + kSwr}},  // unknown: kept
      // The amplifier's states.
      {"O1\n",
       {"lblAmpPwr=OFF", "lblAmpPwr.back=white", "lblAmpOpStby=", "lblAmpOpStby.back=white"}},
      {"O2\n",
       {"lblAmpPwr=ON", "lblAmpPwr.back=red", "lblAmpOpStby=Warmup", "lblAmpOpStby.back=yellow"}},
      {"O3\n", {"lblAmpOpStby=Standby", "lblAmpOpStby.back=green", "cmdTuneAmp.enabled=0"}},
      {"O4\n",
       {"lblAmpOpStby=Operate", "lblAmpOpStby.back=red", "lblAmpTuned.back=yellow",
        "cmdTuneAmp.enabled=1"}},
      // The tuner label; a cycle in progress keeps "Tuning"; warming up withdraws the tune.
      {"O4\nT2\n", {"lblAmpTuned=Start Tune", "lblAmpTuned.back=green"}},
      {"O4\nT3\n", {"lblAmpTuned=Tuning", "lblAmpTuned.back=yellow"}},
      {"O4\nT1\n", {"lblAmpTuned=", "lblAmpTuned.back=white"}},
      {"O4\nT2\n|O9\n|T9\n", {"lblAmpTuned=Start Tune"}},
      {"O4\nT2\n|O2\n", {"lblAmpTuned=", "lblAmpTuned.back=white", "cmdTuneAmp.enabled=0"}},
      {"O4\nT3\n|T1\n", {"lblAmpTuned=Tuning"}, [](LinkRig& r) { r.link.gAmpTuning = true; }},
      {"O4\nT3\n|T2\n", {"lblAmpTuned=Tuning", "lblAmpTuned.back=yellow"}, tuneCycle},
      // "Tuned" ends the panel's tune cycle: the radio is unkeyed, and XMT, when it had keyed
      // the radio before, gets its off click.
      {"O4\nT4\n",
       {"lblAmpTuned=Tuned", "lblAmpTuned.back=red", "gAmpTuning=0", "gSyncChar=U", "written=U"},
       tuneCycle},
      {"O3\nT4\n", {"lblAmpTuned=", "gAmpTuning=1", "gSyncChar=K", "written="}, tuneCycle},
      {"O4\nT4\n",
       {"lblAmpTuned=Tuned", "gAmpTuning=0", "gSyncChar=U", "written=U", "cmdXmit=clicked"},
       [](LinkRig& r) {
         tuneCycle(r);
         r.panel.cmdXmit.caption = "&XMT OFF";
         r.panel.cmdXmit.onClick = [&r] { r.panel.cmdXmit.caption = "clicked"; };
       }},
      // The channel line: modes 1 to 4 name U, L, A and C, another leaves the list; the tag
      // and channel alone blank every digit, as does a flag raised with no line stored.
      {"P0007030004\n|P0714250005\n", {"cmdChanF=1425000", "cmbChMode=C"}},
      {"P0714250001\n|P07\n", {"cmdChanF=       ", "cmbChMode=U"}},
      {"",
       {"cmdChanF=       ", "txtInfo.visible=0"},
       [](LinkRig& r) { r.link.gChannelNew = true; }},
      // The band check's own PTT answer is shown in the same pass.
      {"F1420000\n",
       {"lblInBand=In Band", "lblPTT=ON"},
       [](LinkRig& r) {
         r.link.gFWType = 2;
         r.radio.state.pttEnable = false;
         r.link.gPTT = std::string("'0");
         r.panel.lblPTT.caption = "OFF";
       }},
      // A failing band check ends the pass after the frequency; the next pass shows the rest.
      {"R0\nA3\nM2\nF14A0000\nH3\nV2\nP0714250004\n",
       {"txtInfo=gUpdateDisplay: Err 13. Type mismatch", "lblLSB.fore=bright", "lblVox=OFF",
        "cmdChanF=0000000"}},
      {"R0\nA3\nM2\nF14A0000\nH3\nV2\nP0714250004\n|", {"lblVox=DATA", "cmdChanF=1425000"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.passes);
    LinkRig rig;
    rig.openPort();
    if (r.prepare) r.prepare(rig);
    std::string rest = r.passes;
    for (std::size_t bar = 0; bar != std::string::npos; rest = rest.substr(bar + 1)) {
      bar = rest.find('|');
      std::string lines = rest.substr(0, bar);
      rig.link.gParseInData(lines);
      rig.link.gUpdateDisplay();
    }
    for (const std::string& e : r.looks) EXPECT_EQ(actual(rig, e), e);
  }
}

TEST(Utilities, FileExistsEmptiesAndShowsTheInfoBoxOrTheErrorText) {
  LinkRig rig;
  rig.folder.write("AudioSetup.txt", "H1\r\n");
  rig.panel.txtInfo.caption = "old text";
  EXPECT_TRUE(rig.link.fileExists("AudioSetup.txt"));
  EXPECT_EQ(actual(rig, "txtInfo="), "txtInfo=");
  EXPECT_FALSE(rig.link.fileExists("Permissions.txt"));
  EXPECT_EQ(rig.panel.txtInfo.caption,
            "fileExists(Permissions.txt): Err 2. No such file or directory");
}

}  // namespace
