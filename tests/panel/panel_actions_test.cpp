// The panel's buttons, sliders and menus on the simulated radio: what each sends for each
// firmware generation and when, how long it holds the main loop (a status request clicked
// with it goes out once it is done), and what the panel shows.
#include <gtest/gtest.h>

#include <regex>

#include "tests/panel/panel_table.h"

namespace {

using namespace panel_table;

/// A click on `button` and on the status request at once: the request is served last.
std::string withStatus(const std::string& button) {
  return "0 click " + button + ";0 click cmdGetStatus";
}

TEST(PanelActions, ReceiverSettings) {
  const Scenario scenarios[] = {
      // AGC: the sender's step (each generation's is a row of the senders' own table).
      {withStatus("cmdAGC"), {"0 A3\nF1425000\n\n", "0.16 ?\n"}},
      // Mode: the oldest firmware loses the PTT enable on a step and toggles it back; the
      // adaptive one is sent the mode after CW with its frequency; none or an unknown: nothing.
      {withStatus("cmdMode"), {"0 M\n", "0.36 '", "0.62 ?\n"}, nullptr, 1},
      {withStatus("cmdMode"), {"0 M2\nF1425000\n", "0.36 ?\n"}},
      {withStatus("cmdMode"), {"0 m\n", "0.36 ?\n"}, nullptr, 3},
      {"0 store gMode M4;" + withStatus("cmdMode"), {"0 M1\nF1425000\n", "0.36 ?\n"}},
      {"0 store gMode;" + withStatus("cmdMode"), {"0 ?\n"}},
      {"0 store gMode M9;" + withStatus("cmdMode"), {"0 ?\n"}, nullptr, 1},
      // PTT enable: a toggle, or switched off; the status shows it off in band, so it is
      // switched on again.
      {withStatus("cmdPTT"), {"0 '", "0.26 ?\n", "0.92 '"}, nullptr, 1},
      {withStatus("cmdPTT"), {"0 '0\n", "0.26 ?\n", "0.92 '1\n"}},
      // Audio input: a toggle, or local to remote; none reported: a lone LF, unanswered.
      {withStatus("cmdAudio"), {"0 \"\n", "0.26 ?\n"}, nullptr, 1},
      {withStatus("cmdAudio"), {"0 \"0\n", "0.26 ?\n"}},
      {"0 store gAudioInput;" + withStatus("cmdAudio") + ";1.5 see form=1", {"0 \n", "1 ?\n"}},
      // The speaker: OFF switches it on, ON off, neither does nothing.
      {"0 show lblMute OFF;" + withStatus("cmdMute"), {"0 (1\n", "0.2 ?\n"}},
      {withStatus("cmdMute"), {"0 (0\n", "0.2 ?\n"}},
      {"0 show lblMute ;" + withStatus("cmdMute"), {"0 ?\n"}},
      // The meter function: the main loop reads the answer.
      {withStatus("cmdMeter"), {"0 D\n", "0.1 ?\n"}},
      // Four steps served in the flags' order; the side tone shows its answer itself.
      {"0 click cmdAudioSource;0 click cmdClipping;0 click cmdSideTone;0.79 see lblSideTone=ON;0 "
       "click cmdVOX;0 click cmdGetStatus",
       {"0 H\n", "0.26 I\n", "0.52 S\n", "0.780001 V\n", "1.040001 ?\n"}},
  };
  for (const Scenario& s : scenarios) run(s);
}

TEST(PanelActions, BfoAndRfGain) {
  const Scenario scenarios[] = {
      // Switched on, the BFO slider sends its position at once: the lowest is -1000 Hz, the
      // centre no offset, a step above it +10 Hz.
      {"0 click cmdBFO;0.5 set sliBFO 0;0.5 see lblPorM=-;0.5 see lblBFOslider=-1000;1 set sliBFO "
       "100;1 see lblPorM=;1 see lblBFOslider=000;1.5 set sliBFO 101;1.5 see lblPorM=+;1.5 see "
       "lblBFOslider=+10",
       {"0 B100\n", "0.5 B000\n", "1 B100\n", "1.550002 B101\n"}},
      // The RF gain slider sends the gain inverted and shows it in percent.
      {"0 set sliRFGain 54;0 see lblRFGain=86%;0.5 set sliRFGain 0;0.5 see lblRFGain=0%",
       {"0 G09\n", "0.5 G63\n"}},
      // "00" centres the slider and keeps the BFO on; switching it off centres and locks it,
      // and on again sends the centre.
      {"0 click cmdBFO;0.5 set sliBFO 150;0.5 click cmdBFO100;1 see sliBFO.value=100;1 see "
       "lblBFOState=ON;1 set sliBFO 150;1 click cmdBFO;1.5 see sliBFO.value=100;1.5 see "
       "sliBFO.enabled=0;1.5 see lblBFOState=OFF;1.5 see lblBFOOn=;1.5 click cmdBFO;2 see "
       "sliBFO.enabled=1;2 see lblBFOOn=BFO",
       {"0 B100\n", "0.5 B150\n", "0.5 B100\n", "1 B150\n", "1 B100\n", "1.550002 B100\n"}},
  };
  for (const Scenario& s : scenarios) run(s);
  // The REMOTE set-up sends the slider's gain and zeroes the BFO.
  run({"0 see lblRFGain=86%",
       {},
       [](Rig& r) {
         r.control("sliRFGain").value = 54;
         r.radio.state.bfo = 150;
       }},
      [](Rig& r) {
        EXPECT_EQ(r.radio.state.rfGain, 9);
        EXPECT_EQ(r.radio.state.bfo, 100);
      });
}

/// The amplifier operating, its tuner ready and never finishing.
void endlessTune(Rig& r) {
  r.radio.state.amp = 4;
  r.radio.state.ampTune = 2;
  r.radio.behaviour.ampTuneSeconds = -1;
}

void ampIgnored(Rig& r) {
  r.radio.faults.ignoredLetter = 'O';
}

TEST(PanelActions, Amplifier) {
  const Scenario scenarios[] = {
      // Each button shows its request until the answer, which never comes here.
      {"0 show lblAmpPwr OFF;0 force cmdAmpPwr;1 see lblAmpPwr= >> ", {"0 O2\n"}, ampIgnored},
      {"0 show lblAmpPwr ON;0 force cmdAmpPwr;1 see lblAmpPwr= << ", {"0 O1\n"}, ampIgnored},
      {"0 show lblAmpPwr  >> ;0 force cmdAmpPwr", {}, ampIgnored},  // on its way: nothing
      {"0 show lblAmpOpStby Standby;0 force cmdAmpOpr;1 see lblAmpOpStby= >> ",
       {"0 O4\n"},
       ampIgnored},
      {"0 show lblAmpOpStby Operate;0 force cmdAmpOpr;1 see lblAmpOpStby= << ",
       {"0 O3\n"},
       ampIgnored},
      {"0 show lblAmpOpStby Warmup;0 force cmdAmpOpr", {}, ampIgnored},  // not yet
      {"0 show lblAmpTuned Tuned;0 force cmdTuneAmp", {}, ampIgnored},   // no "Start Tune"
      // Out of band (14.4 MHz) the cycle keys nothing.
      {"0 force cmdTuneAmp", {}, [](Rig& r) { endlessTune(r), r.radio.state.freq = 1440000; }},
      // Switched on, operating once warm, and a tune keyed within the click until "Tuned".
      {"0 force cmdAmpPwr;4 force cmdAmpOpr;5 click cmdTuneAmp;5.5 see lblAmpTuned=Tuning;5.5 see "
       "lblU.back=red;10 see lblAmpTuned=Tuned;10 see lblU.back=green",
       {"0 O2\n", "4 O4\n", "5 K", "5.26 K", "7.36 K"}},
      // A second TUN stops the cycle whatever the label shows.
      {"0 force cmdTuneAmp;2 force cmdTuneAmp;3 see lblAmpTuned=Start Tune",
       {"0 K", "0.26 K"},
       endlessTune},
  };
  for (const Scenario& s : scenarios) run(s);
  // The watchdog unkeys before "Tune Cancelled", which the user is slow to answer; then the
  // status is asked for.
  run({"0 force cmdTuneAmp;30 see form=1",
       {"0 K", "0.26 K", "2.36 K", "4.460001 K", "6.560001 K", "8.660001 K", "10.760001 K",
        "12.860001 K", "14.960002 K", "17.060002 K", "19.160002 K", "25.1 ?\n"},
       [](Rig& r) {
         endlessTune(r);
         r.ui.holdMessageBoxes(5.0);
         r.ui.onMessageBox = [&r](const std::string&) { EXPECT_FALSE(r.radio.state.transmitting); };
       }},
      [](Rig& r) { EXPECT_EQ(r.ui.messageBoxes(), std::vector<std::string>{"Tune Cancelled"}); });
}

TEST(PanelActions, BandsMenusAndDataBox) {
  const Scenario scenarios[] = {
      // A band list holds the main loop: a second click opens nothing, the panel takes no
      // clicks, a raised request waits until the close.
      {"0 force cmd20M;0 force cmd20M;1 click cmd40M;1 see form=0;6 close frmBandSelect;7 see "
       "form=1",
       {"6 ?\n"},
       [](Rig& r) { r.at(kReady + 1, [&r] { r.frm.getStatusFlag = true; }); }},
      // The set-up and help windows open over a disabled panel and give it back. The about
      // box: the title, then a line break, the title line and four credits each led by a line
      // break and a blank, all centred.
      {"0 force mnuPortSetup;1 see form=0;1 close frmPortSetup;2 force mnuAudioSetup;3 see "
       "form=0;3 close frmAudioSetup;4 force mnuHelpAbout;4.5 see frmHelp/caption=About ;4.5 see "
       "frmHelp/Label3=Zarvin 0.930 : 4-29-15:1618;5 close frmHelp;6 see form=1;6 see "
       "lblInBand=In Band",
       {},
       [](Rig& r) {
         r.at(kReady + 4.5, [&r] {
           EXPECT_TRUE(
               std::regex_match(r.ui.control("frmHelp", "label1").caption.get(),
                                std::regex("\r\nThe Zarvin Software project:(\r\n [^\r\n]+){4}")));
           for (const char* label : {"Label2", "label1", "Label3"})
             EXPECT_EQ(r.ui.control("frmHelp", label).alignment.get(), ui::Alignment::Center);
         });
       }},
      // Save in the audio setup runs the REMOTE set-up again, which reads the file afresh,
      // once the dialog has closed.
      {"0 force mnuAudioSetup;0.5 choose frmAudioSetup/Option1(1);0.5 click "
       "frmAudioSetup/cmdSave;1 click frmAudioSetup/cmdExit;3 see form=1",
       {"1 ?\n", "1.66 H\n", "2.12 '0\n", "2.380001 '1\n", "2.640001 G00\n", "2.740001 B100\n",
        "2.850001 ?\n"}},
      // The scan windows show "Scanning" and lock transmitting while open; the band check is
      // made afresh after, also of a frequency damaged meanwhile.
      {"0 force mnuScanBands;1 see lblInBand=Scanning;1 see shaInBand.fill=red;1 see "
       "cmdPTT.enabled=0;1 see cmdXmit.enabled=0;1 see cmdTune.enabled=0;1 close frmScanBands;2 "
       "see lblInBand=In Band;2 see shaInBand.fill=green;2 see cmdXmit.enabled=1",
       {"0 '0\n", "1 '1\n"}},
      {"0 force mnuScanFreqs;1 close frmScanFreqs;2 see lblInBand=Out Of Band;2 see "
       "cmdXmit.enabled=0",
       {},
       [](Rig& r) { r.radio.state.freq = 1000000; }},
      {"0 force mnuScanFreqs;1 store gFreq F12:4567;1 close frmScanFreqs;2 see lblInBand=Out Of "
       "Band",
       {"0 '0\n"}},
      // The data box: hidden, it is not written; shown again, it starts empty.
      {"0 force cmdViewInData;0.5 see txtInData.visible=0;0.5 see cmdViewInData=Show Data;0.5 show "
       "txtInData kept;5 see txtInData=kept;5 force cmdViewInData;5.5 see txtInData=;5.5 see "
       "cmdViewInData=Hide Data;9 see txtInData=U<",
       {}},
  };
  for (const Scenario& s : scenarios) run(s);
  run({"0 force mnuHelpZarvin;0.5 see form=1", {}},
      [](Rig& r) { EXPECT_EQ(r.ui.helpShown(), std::vector<std::string>{"ZarvinV093.hlp"}); });
  // Each band button opens the band list with its band's key ("60" without a blank).
  for (std::string band :
       {"160", "75", "60", "40", "30", "20", "17", "15", "12", "10", "WWV", "MARS"}) {
    std::string button = "cmd" + band + (band[0] <= '9' ? "M" : "");
    run({"0 force " + button + ";0.5 close frmBandSelect", {}},
        [band](Rig& r) { EXPECT_EQ(r.link.gBand, band); });
  }
}

void local(Rig& r) {
  r.radio.state.remote = false;
  r.radio.state.vox = 1;  // not as the REMOTE set-up would want it: left alone
}

TEST(PanelActions, LocalOperation) {
  // The buttons that act on the radio's settings are locked whatever the firmware; frequency
  // entry and scanning stay usable with the adaptive firmware only, which locks the meter.
  std::string locked = "2 see cmdViewInData.enabled=1";
  for (const char* name : {"cmdMute", "cmdBFO", "cmdAGC", "cmdMode", "cmdSideTone", "cmdAudio",
                           "cmdVOX", "cmdClipping", "cmdPTT", "cmdTune", "cmdXmit", "sliRFGain"}) {
    locked += std::string(";2 see ") + name + ".enabled=0";
  }
  // The title and the firmware generation, told apart by the first answer, are shown.
  const char* kFirmware[] = {"F/W: v601C", "F/W: v604M Adapt", "F/W: v604M NonAdapt"};
  for (int firmware : {1, 2, 3}) {
    std::string script = locked + ";2 see cmdMeter.enabled=" + (firmware == 2 ? "0" : "1") +
                         ";2 see lblFWType=" + kFirmware[firmware - 1] +
                         ";2 see caption=Zarvin 0.930 : 4-29-15:1618";
    for (const char* name : {"cmdFreq", "cmdEnter", "mnuScanFreqs", "mnuScanBands", "cmdF(6)"}) {
      script += std::string(";2 see ") + name + ".enabled=" + (firmware == 2 ? "1" : "0");
    }
    run({script, {}, local, firmware}, [](Rig& r) {
      EXPECT_EQ(r.commands(), std::vector<std::string>(r.commands().size(), "?"));
      EXPECT_EQ(r.link.gSyncChar, " ");
      EXPECT_EQ(r.radio.state.vox, 1);
    });
  }
  // Transmit keyed at the radio is shown and locks the digits until it ends, also in LOCAL
  // on generation 1; REMOTE unkeys it, its keep-alive's "U" going unanswered here.
  auto keyed = [](const std::string& u) {
    return "0 line K;0.5 see lblXMTRCV=Transmit;0.5 see lblXMTRCV.back=red;0.5 see lblU.back=" + u +
           ";0.5 see cmdFreq.enabled=0;0.5 see cmdF(3).enabled=0;0.5 line U;1 see "
           "lblXMTRCV=Receive;1 see lblXMTRCV.back=green;1 see cmdFreq.enabled=1;1 see "
           "cmdEnter.enabled=1;1 see cmdF(0).enabled=1";
  };
  auto unanswered = [](Rig& r) { r.at(kReady, [&r] { r.radio.faults.dropKeyAnswers = true; }); };
  const Scenario scenarios[] = {
      {keyed("red"), {}, local},
      {keyed("red"), {}, local, 1},
      {keyed("white"), {}, unanswered},
      // Going LOCAL after REMOTE keeps the amplifier and shows the BFO off, sending nothing.
      {"0 click cmdBFO;0.5 set sliBFO 150;0.5 local;6 see lblREMOTE=LOCAL;6 see "
       "cmdAmpPwr.enabled=1;6 see cmdBFO.enabled=0;6 see txtInData=;6 see lblBFOOn=;6 see "
       "lblBFOslider=000;6 see sliBFO.value=100;6 see sliBFO.enabled=0",
       {"0 B100\n", "0.5 B150\n", "0.588334 ?\n"}},
  };
  for (const Scenario& s : scenarios) run(s);
  // Without a full answer to the LOCAL set-up ("." arrives spoilt) it synchronises again
  // until the answer comes whole.
  run({"8 see lblREMOTE=LOCAL",
       {"0.760003 ?\n", "1.420003 ?\n", "2.080004 ?\n"},
       [](Rig& r) {
         local(r);
         r.radio.faults.garbleTags = ".";
         r.at(kReady + 2, [&r] {
           EXPECT_NE(r.link.gSyncChar, " ");
           r.radio.faults.garbleTags = "";
         });
       }},
      [](Rig& r) { EXPECT_EQ(r.link.gSyncChar, " "); });
}

}  // namespace
