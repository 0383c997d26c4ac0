#pragma once
#include <string>
#include <vector>

#include "link/DisplayZarvinStatus.h"
#include "link/front_panel.h"
#include "platform/platform.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"

/// The band sweep: tunes the radio from a lower to an upper limit in equal steps, one step
/// per rate interval, each frequency confirmed by the tune handshake; at the top it beeps,
/// waits 2.0 s and starts again from the lower limit, until Stop, the close box, or the
/// radio in LOCAL. It can be paused and continued, and never changes the mode.
///
/// Created afresh for each opening and destroyed after it. Closing while the sweep waits is
/// safe: the close box hides and unloads the window at once and marks it closing; the sweep
/// stops at its next test, and the window lives until showModal() has returned.
class frmScanBands {
 public:
  frmScanBands(Platform& platform, DisplayZarvinStatus& link, FrontPanel& frm);

  /// Loads the window and shows it modally; returns when it has closed. On every way out the
  /// front panel is enabled again and its information box and label are as they were.
  void showModal();

  Platform& platform;
  DisplayZarvinStatus& link;
  FrontPanel& frm;

  ui::Form form;
  ui::Control& cmd160M;
  ui::Control& cmd75M;
  ui::Control& cmd40M;
  ui::Control& cmd30M;
  ui::Control& cmd20M;
  ui::Control& cmd17M;
  ui::Control& cmd15M;
  ui::Control& cmd12M;
  ui::Control& cmd10M;
  ui::Control& Frame1;
  std::vector<ui::Control*> Option1;  // step: 10Hz, 50Hz, 100Hz, 500Hz, 1KHz
  ui::Control& Frame2;
  std::vector<ui::Control*> Option2;  // rate: Fast Scan, Slow Scan
  ui::Control& Label1;
  ui::Control& Label2;
  ui::Control& txtScanLow;
  ui::Control& txtScanHi;
  std::vector<ui::Control*> Label3;
  ui::Control& cmdScanUp;
  ui::Control& cmdStop;
  ui::Control& cmdPauseCont;
  ui::Control& txtFreq;

  // ---- Fields of the window.
  bool stopScan = false;
  bool closing = false;
  bool paused = false;
  int stepUnits = 10;     // units of 10 Hz
  double stepSecs = 0.4;  // until a rate button is clicked
  bool infoWasVisible = false;
  bool infoLabelWasVisible = false;

  // ---- Event procedures.
  /// Places the window, sets the defaults, shows the front panel's information box in place
  /// of its label and puts the in-band display into its scanning state.
  void Form_Load();
  /// Band presets: both limit texts, in black.
  void cmd160M_Click();
  void cmd75M_Click();
  void cmd40M_Click();
  void cmd30M_Click();
  void cmd20M_Click();
  void cmd17M_Click();
  void cmd15M_Click();
  void cmd12M_Click();
  void cmd10M_Click();
  /// The step: 1, 5, 10, 50 or 100 units of 10 Hz, taken at the next step.
  void Option1_Click(int index);
  /// The rate: 0.5 s (Fast Scan) or 1.5 s (Slow Scan) per step, taken at the next step.
  void Option2_Click(int index);
  /// Runs the sweep until it ends; does not return meanwhile.
  void cmdScanUp_Click();
  /// Pauses ("Con't", Stop disabled) or continues ("Pause").
  void cmdPauseCont_Click();
  void cmdStop_Click();
  /// The close box: stop request, closing, the window hidden; never cancels.
  void Form_QueryUnload(bool& cancel);
  /// Enables the front panel again.
  void Form_Unload();

 private:
  void layOut();
  void wireEvents();
  void setLimits(const std::string& lower, const std::string& upper);
  /// Hides the window and gives the front panel's information box and label back the
  /// visibility they had when the window opened.
  void closeScanBands();
  /// Runs one pass from the lower limit up; true when the top was reached and the next pass
  /// begins, false when the sweep ends.
  bool sweepPass();
  /// A limit outside the radio's range shows "Error" in red in its box.
  bool limitInRange(ui::Control& box, long units);
  /// Waits while paused, keeping the link alive; false when the sweep ends there.
  bool waitWhilePaused();
  /// The front panel shows LOCAL, or the radio has reported it since.
  bool radioIsLocal() const;
};
