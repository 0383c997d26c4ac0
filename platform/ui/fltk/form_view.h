#pragma once
#include <FL/Fl_Double_Window.H>

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ui/fltk/control_view.h"
#include "platform/ui/fltk/menu_bar_view.h"
#include "platform/ui/fltk/timer_view.h"
#include "platform/ui/fltk/widgets.h"
#include "platform/ui/form.h"

namespace ui::fltk {

/// The window of one form. It is built when the form is first shown, with a widget for each
/// control (added later ones included) and a menu bar above the client area when the form
/// has menus.
class FormView {
 public:
  FormView(Form& form, EventQueue& events);
  ~FormView();
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;

  Form& form() const { return m_form; }
  /// Builds, updates, shows or hides the window to match the form.
  void sync();
  /// nullptr until the form is first shown.
  Fl_Double_Window* window() const { return m_window.get(); }
  Fl_Widget* widgetOf(const Control& control) const;
  int menuBarHeight() const { return m_menuHeight; }

 private:
  using Window = PlacedWindow;

  void build();
  void addNewControls();
  void addControl(Control& control);
  void syncWindow();
  void syncControls();
  /// Gives the widget of the control that the program last gave the focus the real focus.
  void moveFocus();
  void onWindowEvent(int event);
  void showWhereAsked();
  void onPlaced();
  static void onCloseBox(Fl_Widget*, void* view);
  void requestClose();

  Form& m_form;
  EventQueue& m_events;
  PressedButton m_press;
  ViewContext m_context;
  std::unique_ptr<Window> m_window;
  std::unique_ptr<MenuBarView> m_menuBar;
  int m_menuHeight = 0;
  std::vector<std::unique_ptr<ControlView>> m_views;
  std::unordered_map<const Control*, ControlView*> m_viewOf;
  std::vector<std::unique_ptr<TimerView>> m_timers;
  std::size_t m_controlsSeen = 0;

  struct Shown {
    std::string caption;
    bool enabled = true;
    Color back = 0;
    PixelRect rect;
  };
  Shown m_shown;
  bool m_fresh = true;
};

}  // namespace ui::fltk
