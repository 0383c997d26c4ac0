#pragma once
#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/form.h"

/// Small helpers that the settings dialogs and the about box share: placing controls, their
/// common look, and option groups.
namespace dialog {

/// Sets a control's place (twips, inside its container) and caption; returns it.
ui::Control& place(ui::Control& c, int left, int top, int width, int height,
                   const std::string& caption);

/// The dialogs' look: a plain 8-point sans face on button-face grey; text and combo boxes
/// white with window text. Call it after every control has been added.
void styleDialog(ui::Form& form);

/// Puts the form in the middle of the screen.
void centreOnScreen(ui::Form& form);

/// Adds the option buttons name(0) to name(count - 1) inside `frame`, in that order.
std::vector<ui::Control*> addOptions(ui::Form& form, const std::string& name, ui::Control& frame,
                                     int count);

/// Marks option `index` of a group as selected and clears the others, as the program does it:
/// no click event runs. An index outside the group clears them all.
void selectOption(const std::vector<ui::Control*>& group, int index);

/// The first selected option of a group, or -1 when none is.
int selectedOption(const std::vector<ui::Control*>& group);

}  // namespace dialog
