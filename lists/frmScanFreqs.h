#pragma once
#include <string>
#include <vector>

#include "link/DisplayZarvinStatus.h"
#include "link/front_panel.h"
#include "platform/platform.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"

/// The frequency scanner: 13 rows of check box, frequency, mode word and free text, kept in
/// "ScanFreqs.txt" with a dwell line. Scan tunes the radio to every checked row in turn, over
/// and over, and stays on each for the dwell, until Stop or the close box. While it is open
/// the main loop does not run: the scan keeps the link alive itself.
///
/// Created afresh for each opening and destroyed after it. Closing while the scan waits is
/// safe: the close box hides and unloads the window at once and raises the stop request; the
/// scan stops at its next test, and the window lives until showModal() has returned.
class frmScanFreqs {
 public:
  static constexpr int kRows = 13;

  frmScanFreqs(Platform& platform, DisplayZarvinStatus& link, FrontPanel& frm);

  /// Loads the window and shows it modally; returns when it has closed. On every way out the
  /// front panel is enabled again.
  void showModal();

  Platform& platform;
  DisplayZarvinStatus& link;
  FrontPanel& frm;

  ui::Form form;
  ui::Control& fraBand;
  std::vector<ui::Control*> Check1;
  std::vector<ui::Control*> txtFreq;
  std::vector<ui::Control*> txtMode;
  std::vector<ui::Control*> txtInfo;
  ui::Control& lblDelay;
  ui::Control& txtDelay;
  ui::Control& lblError;
  ui::Control& cmdWriteFile;
  ui::Control& cmdScan;
  ui::Control& cmdStop;

  // ---- Fields of the window.
  const std::string listFileName = "ScanFreqs.txt";
  int dwellSecs = 3;  // the dwell in force: the file's, then each pass's
  bool stopScan = false;

  // ---- Event procedures.
  /// Places the window beside the front panel's band frame and reads "ScanFreqs.txt".
  void Form_Load();
  /// Runs the scan until Stop, the close box, no checked row, a checked row without a
  /// frequency, or an invalid frequency ("Frequency Error"). Does not return meanwhile.
  void cmdScan_Click();
  /// Shows the dwell in force in the delay box and raises the stop request.
  void cmdStop_Click();
  /// Replaces "ScanFreqs.txt" with the 13 rows and the delay box's text as it shows it, or
  /// during a scan the dwell in force; a failure shows "ScanFreqs.txt: Err N. text" and the
  /// window stays open.
  void cmdWriteFile_Click();
  /// The close box: the stop request; never cancels.
  void Form_QueryUnload(bool& cancel);
  /// Enables the front panel again.
  void Form_Unload();

 private:
  void layOut();
  void wireEvents();
  /// One pass after the other; returns when the scan finishes.
  void scanPasses();
  /// Tunes one checked row and dwells on it; false when the scan finishes there.
  bool scanRow(int row);
  /// Waits dwellSecs, showing the seconds elapsed and keeping the link alive; false on Stop.
  bool dwell();
  int checkedRows() const;
  /// The dwell that the delay box asks for, after the check each pass makes.
  int dwellFromBox() const;

  bool m_scanning = false;
};
