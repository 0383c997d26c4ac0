#pragma once
#include <string>
#include <vector>

#include "link/DisplayZarvinStatus.h"
#include "link/fixed_text.h"
#include "link/front_panel.h"
#include "platform/platform.h"
#include "platform/ui/form.h"

/// The audio setup dialog: the audio source, PTT enable and audio input that the REMOTE
/// set-up brings the radio to. Save writes AudioSetup.txt and raises gAudioSetupChanged; the
/// main loop then runs the REMOTE set-up again, which reads the file. It never talks to the
/// radio.
///
/// Built afresh at each opening (reading the file again) and destroyed after it. The opener
/// has disabled the front panel; every way out enables it again. A group opens with the
/// option selected whose code the file names, or with none; Save then writes the default
/// line of a group left untouched.
class frmAudioSetup {
 public:
  frmAudioSetup(Platform& platform, DisplayZarvinStatus& link, FrontPanel& main);
  frmAudioSetup(const frmAudioSetup&) = delete;
  frmAudioSetup& operator=(const frmAudioSetup&) = delete;

  /// Loads the dialog and shows it modally; returns when it has closed.
  void showModal();

  /// The load event: the default lines, then the options that AudioSetup.txt names.
  void Form_Load();
  /// An option chosen: its group's line becomes the option's text. Other indexes do nothing.
  void Option1_Click(int index);
  void Option2_Click(int index);
  void Option3_Click(int index);
  /// Writes the three lines and raises gAudioSetupChanged. A failed write shows
  /// "AudioSetup.txt: Err N. text", keeps the old file and raises nothing. Stays open.
  void cmdSave_Click();
  /// Closes without saving.
  void cmdExit_Click();
  /// The close box: never refused, saves nothing.
  void Form_QueryUnload(bool& cancel);

  ui::Form form;
  // Added first, so that Save is first in the tab order and takes the focus.
  ui::Control& cmdSave;
  ui::Control& fraAudioSource;
  std::vector<ui::Control*> Option1;  // 0 "Mic", 1 "Audio 2", 2 "Patch"
  ui::Control& fraPTT;
  std::vector<ui::Control*> Option2;  // 0 "PTT Off", 1 "PTT On"
  ui::Control& frmAudio;
  std::vector<ui::Control*> Option3;  // 0 "Remote Audio" (lower), 1 "Local Audio" (upper)
  ui::Control& cmdExit;

  // ---- The dialog's state.
  std::string fileName;
  std::string srcLine;
  std::string pttLine;
  std::string inputLine;
  FixedText<2> srcCode;
  FixedText<2> pttCode;
  FixedText<2> inputCode;

 private:
  void layOut();
  void wireEvents();
  void readCodes();

  Platform& m_platform;
  DisplayZarvinStatus& m_link;
  FrontPanel& m_main;
};
