#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/fltk/event_queue.h"
#include "platform/ui/ui.h"

class Fl_Help_Dialog;
class Fl_Widget;
class Fl_Window;

namespace ui {
class Control;
}

namespace ui::fltk {

class FormView;

/// The window services on FLTK: one window per form, one widget per control.
///
/// Model changes reach the widgets when doEvents syncs them (before and after it waits), and
/// only what changed is passed on, so an idle program redraws nothing. Whatever the user does
/// is queued by the widget callbacks and handed to the program (through user_actions.h) after
/// FLTK's wait has returned, never from inside an FLTK callback: an event procedure may wait
/// for further events, and its exceptions leave doEvents as they are.
class FltkUi : public Ui {
 public:
  /// programTitle is the title of message boxes.
  explicit FltkUi(std::string programTitle = {});
  ~FltkUi() override;
  FltkUi(const FltkUi&) = delete;
  FltkUi& operator=(const FltkUi&) = delete;

  void doEvents(double maxSeconds) override;
  void post(std::function<void()> action) override { m_events.post(std::move(action)); }
  void messageBox(const std::string& text) override;
  void beep() override;
  int screenWidth() override;
  int screenHeight() override;
  std::string currentFolder() override;
  /// Shows the same-named .html file of the working folder in a help window; otherwise hands
  /// the file to the desktop's opener in the background.
  void showHelp(const std::string& fileName) override;
  /// Also closes a menu that is open, whose own wait would otherwise hold the request until
  /// the user closes it.
  void requestEnd() override;

  /// Makes doEvents return as soon as the descriptor (the serial port) has input that arrived
  /// after this call, without reading it. Call it again each time the input has been read to
  /// the end, so that input arriving before the next wait still ends it. A new descriptor
  /// replaces the previous one; a negative one stops watching. Call it with -1 before closing
  /// the descriptor.
  void watchFileDescriptor(int fd);

  /// Saves what a form's window shows (its client area and menu bar) as a PNG file. False when
  /// the window is not shown or the file cannot be written.
  bool saveScreenshot(const Form& form, const std::string& pngPath);

  /// The FLTK window of a form, nullptr until the form was first shown.
  Fl_Window* windowOf(const Form& form) const;
  /// The widget of a control (the menu bar for menus and menu items), nullptr if it has none.
  Fl_Widget* widgetOf(const Control& control) const;
  /// Height in pixels of the menu bar above a form's client area (0 without menus).
  int menuBarHeight(const Form& form) const;

 protected:
  void formAdded(Form& form) override;
  void formRemoved(Form& form) override;

 private:
  void syncForms();
  FormView* viewOf(const Form& form) const;
  static void onInputReady(int fd, void* ui);
  static void beforeSleep(void* ui);
  void armInputWatch();
  void addInputWatch();
  void disarmInputWatch();

  std::string m_title;
  EventQueue m_events;
  bool m_wakeQueued = false;  // a zero timeout already ends the sleep for the queued events
  std::vector<std::unique_ptr<FormView>> m_views;
  std::unique_ptr<Fl_Help_Dialog> m_help;
  int m_watchedFd = -1;
  bool m_watchArmed = false;
};

}  // namespace ui::fltk
