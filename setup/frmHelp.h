#pragma once
#include "link/DisplayZarvinStatus.h"
#include "link/front_panel.h"
#include "platform/platform.h"
#include "platform/ui/form.h"

/// The about box: a dedication line, the project's credits and the program's title with its
/// version and build stamp (gTitle). No buttons; the user closes it with the close box, which
/// enables the front panel again. Built afresh at each opening and destroyed after it.
class frmHelp {
 public:
  frmHelp(Platform& platform, DisplayZarvinStatus& link, FrontPanel& main);
  frmHelp(const frmHelp&) = delete;
  frmHelp& operator=(const frmHelp&) = delete;

  /// Loads the window and shows it modally; returns when it has closed.
  void showModal();

  /// The load event: caption, credits and title.
  void Form_Load();
  /// The close box: enables the front panel; never refused.
  void Form_QueryUnload(bool& cancel);

  ui::Form form;
  ui::Control& Label2;  // the dedication, top
  ui::Control& label1;  // the credits, middle
  ui::Control& Label3;  // gTitle, bottom

 private:
  DisplayZarvinStatus& m_link;
  FrontPanel& m_main;
};
