// The band list window in the whole program: opened by a band button in REMOTE operation and
// driven through its controls ('@' stands for "frmBandSelect/").
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/panel/panel_table.h"

namespace {

using namespace panel_table;

const char kFortyList[] =
    "7.150 LSB Net control\r\n35.000 USB too high\r\n7.200 xyz unknown mode\r\n14.25 USB later "
    "equal\r\n";

void fortyList(Rig& r) {
  r.folder.write("M40List.txt", kFortyList);
}

Scenario list(const char* script, std::vector<std::string> writes, int firmware = 2,
              std::function<void(Rig&)> prepare = fortyList) {
  return {inWindow("frmBandSelect", script), writes, prepare, firmware};
}

TEST(BandList, OpensChoosesSortsAndCloses) {
  const Scenario scenarios[] = {
      // The list of the band's file, and the radio's frequency and mode in the last row.
      list("0 click cmd40M;0.5 see @fraBand=40 Meters;0.5 see @txtInfo(0)=Net control;0.5 see "
           "@txtFreq(13)=14.25000;0.5 see @txtMode(13)=USB",
           {}),
      list("0 click cmd40M;0.5 see @caption=Frequency Select;0.5 see @txtFreq(0)=", {}, 2, nullptr),
      list("0 click cmdWWV;0.5 see @fraBand=WWV;0.5 see @txtFreq(0)=10.000", {}, 2,
           [](Rig& r) { r.folder.write("WWVList.txt", "10.000 AME WWV\r\n"); }),
      // A row chosen tunes, then sets the mode as each firmware does, then shows the info.
      list("0 click cmd40M;0.5 choose @Option1(0);4 see lblInfo=Net control;4 see "
           "@SyncTimer.enabled=1",
           {"0.5 F0715000\n", "1.01 M\n", "1.37 '"}, 1),
      // The last read finds nothing more: the link that just answered stays "Com OK".
      list("0 click cmd40M;0.5 choose @Option1(0);1.3 see lblInfo=;1.4 see lblInfo=Net control;3 "
           "see lblComStat=Com OK",
           {"0.5 F0715000\n", "1.01 M2\nF0715000\n"}),
      list("0 click cmd40M;0.4 silent;0.5 choose @Option1(0);3 see lblComStat=No Com",
           {"0.5 F0715000\n", "1.75 M2\nF1425000\n"}),  // a silent radio stays "No Com"
      list("0 click cmd40M;0.5 choose @Option1(0)", {"0.5 F0715000\n", "1.01 m\n"}, 3),
      list("0 click cmd40M;0.5 choose @Option1(2);4 see lblInfo=unknown mode",
           {"0.5 F0720000\n"}),  // no mode
      // An empty row does nothing, but its choice restarts the timer: the 31st tick comes later.
      list("0 click cmd40M;3.05 choose @Option1(5);3.22 see lblU.back=green;3.27 see "
           "lblU.back=white",
           {}),
      // A refused row shows the error state until a valid choice.
      list("0 click cmd40M;0.5 choose @Option1(1);0.5 see @lblError.visible=1;0.5 see "
           "@txtFreq(1).fore=red;0.5 see @Option1(1).value=0;0.5 see @cmdWriteFile.enabled=0;1 "
           "text @txtFreq(1) 7.100;1 choose @Option1(1);1 see @lblError.visible=0;1 see "
           "@cmdWriteFile.enabled=1;1 see @txtFreq(1).fore=text",
           {"1 F0710000\n"}),
      // Get Freq copies only a valid frequency, and the mode text of a known mode.
      list("0 click cmd40M;0.5 store gFreq F0180000;0.5 store gMode M4;0.5 click @cmdGetFreq;0.5 "
           "see @txtFreq(13)=1.80000;0.5 see @txtMode(13)=CW;1 store gFreq F14250: ;1 store gMode "
           "M9;1 click @cmdGetFreq;1 see @txtFreq(13)=1.80000;1 see @txtMode(13)=CW",
           {}),
      // Sorted, the later of equal rows first; Exit leaves the file as it was.
      list("0 click cmd40M;0.5 click @cmdSort;0.5 see @txtFreq(1)=7.200;0.5 see "
           "@txtFreq(2)=14.25000;0.5 see @txtFreq(3)=14.25;0.5 see @txtFreq(4)=35.000;0.5 see "
           "@txtFreq(13)=;0.5 click @cmdExit;2 click cmd40M;2.5 see @txtFreq(1)=35.000",
           {}),
      // Closed while a choice waits: the frequency went out, the mode and info do not follow.
      list("0 click cmd40M;0.5 choose @Option1(0);0.7 close frmBandSelect;4 see lblInfo=",
           {"0.5 F0715000\n"}),
  };
  for (const Scenario& s : scenarios) run(s);
}

TEST(BandList, WindowFileAndTimer) {
  // Opened: named after its file and pulled back onto the screen.
  run(list("0.5 see @fraBand=40 Meters", {}, 2, [](Rig& r) {
    fortyList(r);
    r.at(kReady - 1, [&r] {
      r.ui.setScreenSize(800 * 15, 600 * 15);
      r.frm.form.left = 9000;
      r.frm.form.top = 3000;
      r.click("cmd40M");
    });
    r.at(kReady, [&r] {
      ui::Form* w = r.ui.findForm("frmBandSelect");
      EXPECT_EQ(w->caption, r.folder.file("M40List.txt"));
      EXPECT_EQ(w->left, 800 * 15 - 4860);  // right edge on the screen
      EXPECT_EQ(w->top, 600 * 15 - 8196);   // bottom edge on the screen
    });
  }));
  // Write File saves the fourteen rows: as typed, as read, empty, the radio's; a failed write
  // keeps the old file whole, and no temporary file is left either way.
  std::string written = "7.074 USB FT8 calling\r\n" + std::string(kFortyList).substr(23);
  for (int k = 4; k < 13; ++k) written += "  \r\n";
  written += "14.25000 USB \r\n";
  for (bool readOnly : {false, true}) {
    run(list("0 click cmd40M;0.5 text @txtFreq(0) 7.074;0.5 text @txtMode(0) USB;0.5 text "
             "@txtInfo(0) FT8 calling;0.5 click @cmdWriteFile",
             {}, 2,
             [readOnly](Rig& r) {
               fortyList(r);
               if (readOnly) ::chmod(r.folder.file("M40List.txt").c_str(), 0444);
             }),
        [&](Rig& r) {
          EXPECT_EQ(r.folder.read("M40List.txt"), readOnly ? kFortyList : written);
          EXPECT_EQ(r.folder.list().size(), 2u);  // PortSetup.txt and the list
          std::vector<std::string> said{"M40List.txt: Err 13. Permission denied"};
          EXPECT_EQ(r.ui.messageBoxes(), readOnly ? said : std::vector<std::string>{});
        });
  }
  // The timer keeps the link alive every 31 ticks of 0.1 s (and the read of the answer in
  // REMOTE operation) and brings the radio's reports onto the panel; a radio gone silent shows
  // "No Com" 1.0 s after the unanswered keep-alive.
  run(
      {"0 click cmd40M;0.5 line F0710000;0.7 see cmdF(1)=7;7 silent;10.419 see lblComStat=Com "
       "OK;10.421 see lblComStat=No Com;12 close frmBandSelect",
       {"3.1 U", "6.26 U", "9.42 U", "12 U"},
       nullptr,
       2,
       true});
  // Open for 30 s against a radio that answers every keep-alive: "Com OK" throughout.
  run(list("0 click cmd40M;30 close frmBandSelect", {}, 2, [](Rig& r) {
    fortyList(r);
    r.ui.onDoEvents = [&r](double) {
      bool open = r.ui.findForm("frmBandSelect") != nullptr;
      ASSERT_EQ(open ? r.control("lblComStat").caption.get() : "Com OK", "Com OK");
    };
  }));
  // In LOCAL operation the keep-alive is a blank, which the radio leaves unanswered: the link
  // stays "Com OK".
  run(
      {"0 click cmd40M;0.5 line F0710000;0.7 see cmdF(1)=7;7.5 see lblComStat=Com OK;10.5 see "
       "lblComStat=Com OK;12 close frmBandSelect",
       {"6.2  ", "9.3  "},
       [](Rig& r) { r.radio.state.remote = false; },
       2,
       true});
}

}  // namespace
