#include "setup/frmAudioSetup.h"

#include "platform/runtime_error.h"
#include "setup/audio_setup_file.h"
#include "setup/dialog_closing.h"
#include "setup/dialog_layout.h"

namespace {

template <int N>
void setLine(std::string& line, const char* const (&texts)[N], int index) {
  if (index >= 0 && index < N) line = texts[index];
}

/// Selects an option from the program's side; as there, its click runs too.
void selectAndClick(const std::vector<ui::Control*>& group, int index) {
  dialog::selectOption(group, index);
  if (group[index]->onClick) group[index]->onClick();
}

}  // namespace

frmAudioSetup::frmAudioSetup(Platform& platform, DisplayZarvinStatus& link, FrontPanel& main)
    : form(platform.ui, "frmAudioSetup"),
      cmdSave(form.add(ui::Kind::Button, "cmdSave")),
      fraAudioSource(form.add(ui::Kind::Frame, "fraAudioSource")),
      Option1(dialog::addOptions(form, "Option1", fraAudioSource, 3)),
      fraPTT(form.add(ui::Kind::Frame, "fraPTT")),
      Option2(dialog::addOptions(form, "Option2", fraPTT, 2)),
      frmAudio(form.add(ui::Kind::Frame, "frmAudio")),
      Option3(dialog::addOptions(form, "Option3", frmAudio, 2)),
      cmdExit(form.add(ui::Kind::Button, "cmdExit")),
      m_platform(platform),
      m_link(link),
      m_main(main) {
  layOut();
  wireEvents();
}

void frmAudioSetup::layOut() {
  using dialog::place;
  form.caption = "Audio Setup";
  form.width = 3408;
  form.height = 6228;
  place(fraAudioSource, 720, 240, 1935, 1575, "Audio Source");
  place(*Option1[0], 240, 360, 1455, 300, "Mic");
  place(*Option1[1], 240, 720, 1455, 300, "Audio 2");
  place(*Option1[2], 240, 1080, 1455, 300, "Patch");
  place(fraPTT, 720, 2040, 1935, 1215, "PTT");
  place(*Option2[0], 240, 360, 1455, 300, "PTT Off");
  place(*Option2[1], 240, 720, 1455, 300, "PTT On");
  place(frmAudio, 720, 3480, 1935, 1215, "Audio");
  place(*Option3[1], 240, 360, 1455, 300, "Local Audio");
  place(*Option3[0], 240, 720, 1455, 300, "Remote Audio");
  place(cmdSave, 360, 5160, 975, 495, "Save");
  place(cmdExit, 2040, 5160, 855, 495, "Exit");
  form.setFocus(cmdSave);
  dialog::styleDialog(form);
  dialog::centreOnScreen(form);
}

void frmAudioSetup::wireEvents() {
  for (int i = 0; i < 3; ++i) Option1[i]->onClick = [this, i] { Option1_Click(i); };
  for (int i = 0; i < 2; ++i) Option2[i]->onClick = [this, i] { Option2_Click(i); };
  for (int i = 0; i < 2; ++i) Option3[i]->onClick = [this, i] { Option3_Click(i); };
  cmdSave.onClick = [this] { cmdSave_Click(); };
  cmdExit.onClick = [this] { cmdExit_Click(); };
  form.onQueryUnload = [this](bool& cancel) { Form_QueryUnload(cancel); };
}

void frmAudioSetup::showModal() {
  Form_Load();
  form.showModal();
}

void frmAudioSetup::Form_Load() {
  fileName = kAudioSetupFileName;
  // What Save writes for a group in which the user picks nothing.
  srcLine = kAudioSourceLines[0];
  pttLine = kPttLines[0];
  inputLine = kAudioInputLines[1];
  if (m_link.fileExists(fileName)) readCodes();
}

void frmAudioSetup::readCodes() {
  std::vector<std::string> lines;
  try {
    lines = m_platform.files.readLines(fileName);
  } catch (const RuntimeError& e) {
    m_platform.ui.messageBox(errorText(fileName, e));
    return;
  }
  // A file with fewer fields sets what it has; the other groups keep their defaults.
  std::vector<std::string> fields = readDelimitedFields(lines, 3);
  FixedText<2>* codes[] = {&srcCode, &pttCode, &inputCode};
  for (size_t i = 0; i < fields.size(); ++i) *codes[i] = fields[i];
  // Selecting an option runs its click, which sets the group's line; a code that matches
  // nothing leaves the group unselected.
  int src = elementForCode(kAudioSourceLines, 3, srcCode);
  int ptt = elementForCode(kPttLines, 2, pttCode);
  int input = elementForCode(kAudioInputLines, 2, inputCode);
  if (src >= 0) selectAndClick(Option1, src);
  if (ptt >= 0) selectAndClick(Option2, ptt);
  if (input >= 0) selectAndClick(Option3, input);
}

void frmAudioSetup::Option1_Click(int index) {
  setLine(srcLine, kAudioSourceLines, index);
}

void frmAudioSetup::Option2_Click(int index) {
  setLine(pttLine, kPttLines, index);
}

void frmAudioSetup::Option3_Click(int index) {
  setLine(inputLine, kAudioInputLines, index);
}

void frmAudioSetup::cmdSave_Click() {
  try {
    m_platform.files.writeLines(fileName, {srcLine, pttLine, inputLine});
  } catch (const RuntimeError& e) {
    m_platform.ui.messageBox(errorText(fileName, e));
    return;
  }
  m_link.gAudioSetupChanged = true;
}

void frmAudioSetup::cmdExit_Click() {
  dialog::unloadDialog(form, m_main.form);
}

void frmAudioSetup::Form_QueryUnload(bool& cancel) {
  cancel = false;
  m_main.form.enabled = true;
}
