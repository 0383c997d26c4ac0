#pragma once
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Item.H>

#include <string>
#include <vector>

#include "platform/ui/fltk/event_queue.h"
#include "platform/ui/form.h"

namespace ui::fltk {

/// A form's menu bar: it opens nothing while its window takes no input (a disabled form, or
/// one behind a message box). FLTK hands it access keys typed into another window, through the
/// widget under the pointer, whatever its window's state.
class FormMenuBar : public Fl_Menu_Bar {
 public:
  using Fl_Menu_Bar::Fl_Menu_Bar;
  int handle(int event) override;
};

/// The menu bar of a form: its Menu controls, each with the MenuItem controls inside it.
/// Rebuilt whenever a caption, enabled or visible state of one of them changes, once no pop-up
/// menu is open: FLTK's open pop-up points into the item array.
class MenuBarView {
 public:
  static constexpr int kHeight = 24;

  MenuBarView(Form& form, EventQueue& events, Fl_Menu_Bar* bar);
  MenuBarView(const MenuBarView&) = delete;
  MenuBarView& operator=(const MenuBarView&) = delete;

  static bool hasMenus(const Form& form);
  Fl_Menu_Bar& bar() const { return *m_bar; }
  /// Rebuilds the menus when a menu or menu item changed since the last call.
  void sync();

 private:
  struct Entry {
    Control* control;
    std::string caption;
    bool enabled;
    bool visible;
    bool operator==(const Entry& o) const {
      return control == o.control && caption == o.caption && enabled == o.enabled &&
             visible == o.visible;
    }
  };

  std::vector<Entry> currentEntries() const;
  void rebuild();
  void addEntries(const Control* container);
  static void onPick(Fl_Widget* bar, void* view);

  Form& m_form;
  EventQueue& m_events;
  Fl_Menu_Bar* m_bar;
  std::vector<Entry> m_shown;
  bool m_fresh = true;
  bool m_changePending = false;      // a change seen while a pop-up was open
  std::vector<std::string> m_texts;  // the texts that m_items point to
  std::vector<Fl_Menu_Item> m_items;
};

}  // namespace ui::fltk
