#pragma once
#include <string>
#include <vector>

#include "lists/list_file.h"
#include "platform/platform.h"
#include "platform/ui/form.h"

class DisplayZarvinStatus;
class FrontPanel;

/// The band list: a modal window over the right-hand part of the front panel with the 14 rows
/// of the band named by gBand. Choosing a row tunes the radio; Get Freq copies the radio's
/// frequency into the last row; Sort orders the rows; Write File saves them. While it is open
/// the main loop waits inside the modal show, so the window's own 100 ms timer keeps the link
/// alive and the front panel in step with the radio.
///
/// Created afresh for each opening and destroyed after showModal() has returned. A close
/// (Exit or the close box) while one of its handlers waits hides the window and marks it
/// closing at once; the handler stops after its wait and touches the radio no further.
class frmBandSelect {
 public:
  frmBandSelect(Platform& platform, DisplayZarvinStatus& link, FrontPanel& frm);
  frmBandSelect(const frmBandSelect&) = delete;
  frmBandSelect& operator=(const frmBandSelect&) = delete;

  /// Loads the window (placement, captions, rows, row 13, timer) and shows it modally;
  /// returns when it has been unloaded. The front panel is enabled again by then.
  void showModal();

  ui::Form form;
  ui::Control& fraBand;
  std::vector<ui::Control*> Option1;  // row k's option button
  std::vector<ui::Control*> txtFreq;
  std::vector<ui::Control*> txtMode;
  std::vector<ui::Control*> txtInfo;
  ui::Control& lblError;
  ui::Control& cmdGetFreq;
  ui::Control& cmdSort;
  ui::Control& cmdWriteFile;
  ui::Control& cmdExit;
  ui::Control& SyncTimer;

  std::string listFileName;
  int syncTicks = 0;

  // ---- Event procedures.
  void Form_Load();
  /// Every tick: the keep-alive on every 31st, then the radio's answer if one waits, then
  /// the front panel's update.
  void SyncTimer_Timer();
  /// Row 13 takes the radio's frequency and mode; nothing is sent.
  void cmdGetFreq_Click();
  /// Tunes the radio to row Index (frequency, then mode), or shows the error state.
  void Option1_Click(int Index);
  void cmdSort_Click();
  /// Saves the rows; a failure shows a message box and leaves the old file whole.
  void cmdWriteFile_Click();
  void cmdExit_Click();
  void Form_QueryUnload(bool& cancel);
  void Form_Unload();

  /// The rows as the boxes show them.
  std::vector<lists::ListRow> rows() const;
  void setRows(const std::vector<lists::ListRow>& rows);

 private:
  /// Adds a control outside the rows and places it.
  ui::Control& add(ui::Kind kind, const std::string& name, int left, int top, int width, int height,
                   const std::string& caption = "");
  void addRow(int k);
  void wireEvents();
  void placeOverPanel();
  void showError(int Index);
  void clearError(int Index);
  /// Tunes to an accepted row; false when the window closed during a wait.
  bool tuneToRow(int Index, const std::string& digits, const std::string& modeCode);

  Platform& m_platform;
  DisplayZarvinStatus& m_link;
  FrontPanel& m_frm;
  bool m_closing = false;
};
