// The band sweep in the whole program: its limit boxes, steps and rates, the wait at the top,
// pause, stop and the ways the window closes ('@' stands for "frmScanBands/").
#include <gtest/gtest.h>

#include "tests/panel/panel_table.h"

namespace {

using namespace panel_table;

Scenario sweep(const std::string& script, std::vector<std::string> writes,
               std::function<void(Rig&)> prepare = nullptr, bool keepAlives = false) {
  return {inWindow("frmScanBands", "0 force mnuScanBands;" + script), writes, prepare, 2,
          keepAlives};
}

TEST(ScanBands, SweepsPausesStopsAndRefusesLimits) {
  const Scenario scenarios[] = {
      // 1 kHz slow: a step is the 0.1 s settle, the read's 0.06 s and 1.5 s; the top beeps
      // and waits 2.0 s before the next pass from the lower limit; no mode is sent.
      sweep("0.5 text @txtScanLow 1.800;0.5 text @txtScanHi 1.802;0.5 choose @Option1(4);0.5 "
            "choose @Option2(1);0.5 click @cmdScanUp;0.55 see @txtFreq=F01800000;0.55 see "
            "@cmdScanUp.enabled=0;9 close frmScanBands",
            {"0 '0\n", "0.5 F0180000\n", "2.16 F0180100\n", "3.82 F0180200\n",
             "7.480001 F0180000\n"}),
      // The 20 m preset at 10 Hz and the opening rate; a new step and rate from the next step.
      sweep("0.5 click @cmd20M;0.5 choose @Option1(0);0.5 click @cmdScanUp;1.5 choose "
            "@Option1(3);1.5 choose @Option2(1);5 close frmScanBands",
            {"0 '0\n", "0.5 F1400000\n", "1.06 F1400001\n", "1.62 F1400002\n",
             "3.280001 F1400052\n", "4.940001 F1400102\n", "5.100001 '1\n"}),
      // Paused, only the link is kept alive; continued, the sweep goes on from the next step.
      sweep("0.5 click @cmd20M;0.5 click @cmdScanUp;1.5 click @cmdPauseCont;1.5 see "
            "@cmdPauseCont=Con't;1.5 see @cmdStop.enabled=0;6.5 click @cmdPauseCont;6.5 see "
            "@cmdPauseCont=Pause;7.5 close frmScanBands",
            {"0 '0\n", "0.5 F1400000\n", "1.06 F1400010\n", "1.92 U", "4.180001 U", "6.440001 U",
             "6.600001 F1400020\n", "7.160001 F1400030\n", "7.720001 '1\n"},
            nullptr, true),
      // Stopped in the wait at the top: ended before the next pass.
      sweep("0.5 text @txtScanLow 7.100;0.5 text @txtScanHi 7.100;0.5 click @cmdScanUp;1.5 click "
            "@cmdStop;3.5 see @cmdScanUp.enabled=1;4 close frmScanBands",
            {"0 '0\n", "0.5 F0710000\n", "4 '1\n"}),
      // Limits outside the radio's range show "Error" in red, the lower tested first; a
      // preset puts both boxes back in black. An empty lower limit ends silently.
      sweep("0.5 text @txtScanLow 1.500;0.5 text @txtScanHi 35.000;0.5 click @cmdScanUp;0.5 see "
            "@txtScanLow=Error;0.5 see @txtScanLow.fore=red;0.5 see @txtScanHi=35.000;0.5 click "
            "@cmd20M;0.5 see @txtScanLow.fore=black;0.5 see @txtScanHi.fore=black",
            {"0 '0\n"}),
      sweep("0.5 text @txtScanLow 14.000;0.5 text @txtScanHi 35.000;0.5 click @cmdScanUp;0.5 see "
            "@txtScanHi=Error;0.5 see @txtScanHi.fore=red",
            {"0 '0\n"}),
      sweep("0.5 text @txtScanLow 14.000;0.5 text @txtScanHi ;0.5 click @cmdScanUp;0.5 see "
            "@txtScanHi=Error",
            {"0 '0\n"}),
      sweep("0.5 text @txtScanLow 14.3x0;0.5 click @cmdScanUp;0.5 see @txtScanLow=Error",
            {"0 '0\n"}),
      sweep("0.5 text @txtScanLow ;0.5 click @cmdScanUp;0.5 see @txtScanLow=;0.5 see "
            "@txtScanHi.fore=black",
            {"0 '0\n"}),
      // Open, the information box replaces the label; closed while paused, the label returns.
      // Paused, a radio gone silent shows "No Com" 1.0 s after the unanswered keep-alive.
      sweep("0.5 see txtInfo.visible=1;0.5 see lblInfo.visible=0;0.5 click @cmd20M;0.5 click "
            "@cmdPauseCont;0.5 click @cmdScanUp;1 silent;2.399 see lblComStat=Com OK;2.401 see "
            "lblComStat=No Com;2.5 close frmScanBands;3.5 see txtInfo.visible=0;3.5 see "
            "lblInfo.visible=1",
            {"0 '0\n", "2.7 '1\n"}),
  };
  for (const Scenario& s : scenarios) run(s);
}

TEST(ScanBands, EndsWhenLocal) {
  // The radio going LOCAL closes the window, sweeping or paused; so does the panel already
  // showing LOCAL at Scan, and the main loop then takes up the radio's state again.
  const Scenario scenarios[] = {
      sweep("0.5 click @cmd40M;0.5 click @cmdScanUp;2.5 local;3.5 see form=1;5 see lblREMOTE=LOCAL",
            {"0 '0\n", "0.5 F0700000\n", "1.06 F0700010\n", "1.62 F0700020\n",
             "2.180001 F0700030\n", "2.740001 F0700040\n", "3.300001 '1\n", "4.460001 ?\n"}),
      sweep(
          "0.5 click @cmd40M;0.5 click @cmdScanUp;1.5 click @cmdPauseCont;2.5 local;3.5 see form=1",
          {"0 '0\n", "0.5 F0700000\n", "1.06 F0700010\n", "2.740001 '1\n", "3.740001 ?\n"}),
      sweep("0.5 show lblREMOTE LOCAL;0.5 click @cmd40M;0.5 click @cmdScanUp;3.5 see "
            "lblREMOTE=REMOTE",
            {"0 '0\n", "0.5 ?\n", "1.16 '1\n", "1.42 ?\n", "2.080001 G00\n", "2.180001 B100\n",
             "2.290001 ?\n"}),
  };
  for (const Scenario& s : scenarios) {
    run(s, [](Rig& r) { EXPECT_EQ(r.ui.findForm("frmScanBands"), nullptr); });
  }
  // Lower above upper: a beep every 2 s until Stop, which ends the run after its wait.
  run(sweep("0.5 text @txtScanLow 14.300;0.5 text @txtScanHi 14.200;0.5 click @cmdScanUp;7.5 click "
            "@cmdStop;9 see @cmdScanUp.enabled=1;9.5 close frmScanBands",
            {"0 '0\n", "9.5 '1\n"}),
      [](Rig& r) { EXPECT_EQ(r.ui.beeps(), 4); });
}

}  // namespace
