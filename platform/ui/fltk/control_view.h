#pragma once
#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

#include <functional>
#include <string>

#include "platform/ui/control.h"
#include "platform/ui/fltk/event_queue.h"
#include "platform/ui/fltk/font_map.h"

namespace ui::fltk {

/// The mouse press a button reported last, so that its release is reported even when the
/// button has lost the mouse meanwhile (disabled or hidden by the program).
struct PressedButton {
  Control* control = nullptr;
};

/// What the views of one form share.
struct ViewContext {
  EventQueue& events;
  PressedButton& press;
};

struct PixelRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool operator==(const PixelRect& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
  bool operator!=(const PixelRect& o) const { return !(*this == o); }
};

/// One control's widget. sync() looks at a control only when its change mark is set (or its
/// container moved), and then passes on only what differs from what the widget was last
/// given, so an unchanged panel costs nothing and is never redrawn. Widget callbacks queue the
/// user's action; it runs later, from doEvents, and marks what it changes.
class ControlView {
 public:
  ControlView(Control& control, ViewContext& context, Fl_Widget* widget);
  virtual ~ControlView() = default;
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  Control& control() const { return m_control; }
  Fl_Widget& widget() const { return *m_widget; }
  /// The group that holds the widgets of the controls inside this one, if any.
  virtual Fl_Group* group() { return nullptr; }
  /// The control's top-left corner in window pixels, as last placed.
  int windowX() const { return m_shown.rect.x; }
  int windowY() const { return m_shown.rect.y; }

  /// Brings the widget up to the model when the control changed since the last call or the
  /// container's corner (originX, originY, window pixels) moved.
  void sync(int originX, int originY);

 protected:
  virtual void showCaption(const std::string& caption);
  virtual void showColours(const Control& c);
  virtual void showFont(const FlFont& font);
  virtual void showRange(const Control&) {}
  /// Called on every sync for what the comparison above does not cover: state the user can
  /// change (compared with the widget itself) and properties of one kind of control.
  virtual void syncDetails(const Control&) {}
  virtual void place(const PixelRect& r);
  /// The widget's callback: queue the user's action.
  virtual void onCallback() {}

  /// Queues an action of the program for doEvents.
  void post(std::function<void()> action);
  /// Reports FL_FOCUS to the control's onGotFocus, through the queue.
  void postFocus();
  ViewContext& context() const { return m_context; }

 private:
  struct Shown {
    std::string caption;
    bool enabled = true, visible = true, tabStop = true;
    Color fore = 0, back = 0, fill = 0;
    FlFont font{};
    int min = 0, max = 0, smallChange = 0, largeChange = 0;
    PixelRect rect;
  };

  static void callbackTrampoline(Fl_Widget*, void* view);
  void syncGeometry(int originX, int originY);
  void syncLook();
  void syncState();

  Control& m_control;
  ViewContext& m_context;
  Fl_Widget* m_widget;
  Shown m_shown;
  int m_originX = 0;
  int m_originY = 0;
  bool m_fresh = true;
};

/// Creates a widget outside of any open group; its container adds it.
template <class W>
W* newWidget() {
  Fl_Group::current(nullptr);
  return new W(0, 0, 1, 1);
}

/// The program's mouse button (1 left, 2 right, 4 middle) for FLTK's.
int programButton(int flButton);
/// The program's shift state (1 shift, 2 ctrl, 4 alt) for FLTK's event state.
int programShift(int flState);

}  // namespace ui::fltk
