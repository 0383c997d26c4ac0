// The program on the headless platform, its load event not run, with a setup dialog opened
// over a disabled panel as the menu does it.
#pragma once
#include <memory>

#include "tests/support/program_rig.h"

template <typename Dialog>
std::unique_ptr<Dialog> openDialog(ProgramRig& rig) {
  rig.frm.form.enabled = false;
  auto dialog = std::make_unique<Dialog>(rig.platform, rig.link, rig.frm);
  dialog->Form_Load();
  dialog->form.show();
  return dialog;
}
