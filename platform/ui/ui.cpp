#include "platform/ui/ui.h"

#include <algorithm>

#include "platform/runtime_error.h"
#include "platform/ui/form.h"

namespace ui {

void Ui::endProgram(int exitCode) { throw ProgramEnd{exitCode}; }

void Ui::serveEndRequest() {
  if (!m_endRequested || m_endServed) return;
  m_endServed = true;
  try {
    if (onEndRequest) onEndRequest();
  } catch (const RuntimeError&) {
    // The end is not put off by an error on its way.
  }
  endProgram(0);
}

void Ui::registerForm(Form& form) {
  m_forms.push_back(&form);
  formAdded(form);
}

void Ui::unregisterForm(Form& form) {
  formRemoved(form);
  m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), &form), m_forms.end());
}

Form* Ui::findForm(const std::string& name) const {
  for (Form* f : m_forms) {
    if (f->name() == name) return f;
  }
  return nullptr;
}

}  // namespace ui
