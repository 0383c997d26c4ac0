#pragma once
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

#include <functional>
#include <utility>

namespace ui::fltk {

/// An FLTK widget that reports its events: beforeEvent sees each event before the widget
/// handles it, afterEvent sees it afterwards with the widget's answer. The hooks only record;
/// they never run program code.
template <class W>
class Hooked : public W {
 public:
  template <class... Args>
  explicit Hooked(Args... args) : W(args...) {}

  std::function<void(int event)> beforeEvent;
  std::function<void(int event, int handled)> afterEvent;

  int handle(int event) override {
    if (beforeEvent) beforeEvent(event);
    int handled = W::handle(event);
    if (afterEvent) afterEvent(event, handled);
    return handled;
  }
};

/// A top-level window that reports each change of its place or size, whoever made it: the
/// program, the window manager placing it, or the user moving it.
class PlacedWindow : public Hooked<Fl_Double_Window> {
 public:
  using Hooked<Fl_Double_Window>::Hooked;
  std::function<void()> afterResize;
  void resize(int x, int y, int w, int h) override;
  /// Moves the shown window to (x, y) on the screen, even where FLTK, mapping it, pulled it
  /// back onto the screen while x() and y() kept the place asked for.
  void moveTo(int x, int y);
};

/// Calls report each time the widget accepts the keyboard focus.
template <class W>
void whenFocused(Hooked<W>& widget, std::function<void()> report) {
  widget.afterEvent = [report = std::move(report)](int event, int handled) {
    if (event == FL_FOCUS && handled != 0) report();
  };
}

/// Activates the widget, or deactivates it (greyed, deaf to input).
void setActive(Fl_Widget& widget, bool active);

/// Shows or hides the widget.
void setShown(Fl_Widget& widget, bool shown);

/// A filled rectangle or circle (the circle as large as the smaller side, centred) with a
/// one-pixel border.
class ShapeWidget : public Fl_Widget {
 public:
  ShapeWidget(int x, int y, int w, int h);
  bool circle = false;
  Fl_Color fill = FL_BLACK;
  Fl_Color border = FL_BLACK;

 protected:
  void draw() override;
};

/// A straight line of a given width between two points. The widget covers the points'
/// bounding box, widened by the line width; the ends are given in window coordinates.
class LineWidget : public Fl_Widget {
 public:
  LineWidget(int x, int y, int w, int h);
  /// Places the line from (x1, y1) to (x2, y2).
  void place(int x1, int y1, int x2, int y2, int width);

 protected:
  void draw() override;

 private:
  int m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0, m_width = 1;
};

/// A group drawn as a frame: an engraved border with the caption over its top-left edge, on
/// the group's colour. The caption is drawn as written ("@" and "&" included).
class FrameGroup : public Fl_Group {
 public:
  FrameGroup(int x, int y, int w, int h);

 protected:
  void draw() override;

 private:
  void drawFrame();
};

}  // namespace ui::fltk
