#pragma once
#include <vector>

#include "link/DisplayZarvinStatus.h"
#include "link/front_panel.h"
#include "platform/platform.h"
#include "platform/ui/form.h"

/// The port setup dialog: picks a serial port among those present, a baud and a handshake,
/// saves them to or loads them from PortSetup.txt, and hands them to the running program.
/// It never opens the port: Apply fills gPortNumber, gPortSettings and gHandshake and raises
/// gPortSetupChanged, and the main loop reopens the port with them.
///
/// Built afresh at each opening, from the serial port's current settings (not from the file),
/// and destroyed after it. The opener has disabled the front panel; every way out of the
/// dialog enables it again.
class frmPortSetup {
 public:
  frmPortSetup(Platform& platform, DisplayZarvinStatus& link, FrontPanel& main);
  frmPortSetup(const frmPortSetup&) = delete;
  frmPortSetup& operator=(const frmPortSetup&) = delete;

  /// Loads the dialog and shows it modally; returns when it has closed.
  void showModal();

  /// The load event: the port probe, then the serial port's current port, baud and handshake.
  void Form_Load();
  /// The port probe over ports 1 to 16: fills the port list and txtFound.
  void listCommPorts();
  /// Writes the six lines of PortSetup.txt; a failed write shows "PortSetup.txt: Err N. text"
  /// and keeps the old file. The dialog stays open.
  void cmdSavePortSettings_Click();
  /// Shows lines 1 to 3 of PortSetup.txt in the boxes; a missing file changes nothing.
  void cmdLoadPortSettings_Click();
  /// Hands the three settings to the main loop and closes the dialog.
  void cmdApply_Click();
  /// Closes the dialog, handing nothing over.
  void cmdCancel_Click();
  /// The close box: never refused, hands nothing over.
  void Form_QueryUnload(bool& cancel);

  ui::Form form;
  ui::Control& lblPort;
  ui::Control& cmbSelectPort;
  ui::Control& lblBaudRate;
  ui::Control& cmbSelectBaudRate;
  ui::Control& txtFound;
  ui::Control& Label1;
  ui::Control& txtDefaultSettings;
  ui::Control& fraHandShake;
  std::vector<ui::Control*> optHandShake;  // 0 "NONE", 1 "XON", 2 "RTS", 3 "RTS  XON"
  ui::Control& cmdSavePortSettings;
  ui::Control& cmdLoadPortSettings;
  ui::Control& cmdCancel;
  ui::Control& cmdApply;

 private:
  void layOut();
  void wireEvents();
  /// The handshaking value of the selected option (the first one selected; 0 when none is).
  int selectedHandshake() const;

  Platform& m_platform;
  DisplayZarvinStatus& m_link;
  FrontPanel& m_main;
};
