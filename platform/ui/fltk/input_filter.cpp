#include "platform/ui/fltk/input_filter.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Light_Button.H>
#include <FL/Fl_Menu_Window.H>

#include "platform/ui/fltk/widgets.h"

namespace ui::fltk {
namespace {

// How far in from a pop-up window's edges the pointer is surely on one of its items (the
// border is narrower), so that FLTK has taken that item as its current one.
constexpr int kItemInset = 4;
constexpr int kBackTab = 0xFE20;  // Shift+Tab as some keyboards report it

bool isPopup(const Fl_Window& w) {
  auto* menu = dynamic_cast<const Fl_Menu_Window*>(&w);
  return menu != nullptr && !menu->tooltip_window();
}

Fl_Window* openPopup() {
  Fl_Window* grab = Fl::grab();
  return grab != nullptr && isPopup(*grab) ? grab : nullptr;
}

bool inside(const Fl_Window& w, int x, int y, int inset) {
  return x >= w.x() + inset && x < w.x() + w.w() - inset && y >= w.y() + inset &&
         y < w.y() + w.h() - inset;
}

bool overShownPopup(int x, int y, int inset) {
  for (Fl_Window* w = Fl::first_window(); w != nullptr; w = Fl::next_window(w)) {
    if (isPopup(*w) && inside(*w, x, y, inset)) return true;
  }
  return false;
}

// The open pop-up carries the mark "the pointer has left its menus" in its user data: FLTK's
// menus leave that field unused, and each pop-up is a new window that starts without it.
bool pointerLeft(const Fl_Window& popup) {
  return popup.user_data() != nullptr;
}

// FLTK's menu loop looks at the pointer on each move, drag and click: outside all of its menus
// it keeps "no menu" as the current one; on an item it takes that item's menu; elsewhere it
// keeps what it had. A menu bar's strip counts as a menu only on a title, where the open menu's
// title is a pop-up of its own: the rest of the strip is outside.
void notePointer(int event, Fl_Window& popup) {
  if (event != FL_MOVE && event != FL_DRAG && event != FL_PUSH) return;
  int x = Fl::event_x_root(), y = Fl::event_y_root();
  if (!overShownPopup(x, y, 0)) {
    popup.user_data(&popup);
  } else if (overShownPopup(x, y, kItemInset)) {
    popup.user_data(nullptr);
  }
}

bool movesThroughMenu(int key) {
  return key == FL_BackSpace || key == FL_Tab || key == kBackTab || key == FL_Up ||
         key == FL_Down || key == FL_Left || key == FL_Right;
}

// A message box holds the windows behind it; it takes the keys typed into them, as the desktop
// may have left its keyboard focus there.
bool heldBehind(const Fl_Window& window) {
  const Fl_Window* modal = Fl::modal();
  return modal != nullptr && modal != &window && !isPopup(*modal);
}

bool isUserInput(int event) {
  return event == FL_PUSH || event == FL_KEYBOARD || event == FL_SHORTCUT || event == FL_MOUSEWHEEL;
}

bool isCommandButton(Fl_Widget* w) {
  auto* button = dynamic_cast<Fl_Button*>(w);
  return button != nullptr && button->type() == FL_NORMAL_BUTTON &&
         dynamic_cast<Fl_Light_Button*>(w) == nullptr;
}

// FLTK moves the focus on Return; here a focused command button takes it as Space, and any
// other control drops it.
int pressFocusedButton(Fl_Window* window) {
  bool plain = Fl::event_state(FL_SHIFT | FL_CTRL | FL_ALT | FL_META) == 0;
  if (!plain || !isCommandButton(Fl::focus())) return 1;
  int key = Fl::e_keysym;
  Fl::e_keysym = ' ';
  int handled = Fl::handle_(FL_KEYBOARD, window);
  Fl::e_keysym = key;
  return handled;
}

int filter(int event, Fl_Window* window) {
  if (Fl_Window* popup = openPopup()) {
    notePointer(event, *popup);
    bool lost = event == FL_KEYBOARD && pointerLeft(*popup) && movesThroughMenu(Fl::event_key());
    return lost ? 1 : Fl::handle_(event, window);
  }
  if (window == nullptr) return Fl::handle_(event, window);
  if (event == FL_KEYBOARD && heldBehind(*window)) return Fl::handle_(event, Fl::modal());
  if (isUserInput(event) && !takesInput(*window)) return 0;
  bool isReturn = Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter;
  if (event == FL_KEYBOARD && isReturn && dynamic_cast<PlacedWindow*>(window) != nullptr) {
    return pressFocusedButton(window);
  }
  return Fl::handle_(event, window);
}

}  // namespace

void installInputFilter() {
  Fl::event_dispatch(&filter);
}

void removeInputFilter() {
  if (Fl::event_dispatch() == &filter) Fl::event_dispatch(nullptr);
}

bool popupOpen() {
  return openPopup() != nullptr;
}

bool takesInput(const Fl_Window& window) {
  return window.active() && !heldBehind(window);
}

}  // namespace ui::fltk
