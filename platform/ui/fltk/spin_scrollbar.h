#pragma once
#include <FL/Fl_Scrollbar.H>

namespace ui::fltk {

/// A vertical scroll bar that, when too short for arrows and a thumb (height below three
/// widths), is drawn as just its two arrow buttons: the upper one steps towards minimum(), the
/// lower one towards maximum(), repeating while held. Taller ones are plain scroll bars. Both
/// take the keyboard focus, and then step with the arrow keys.
class SpinScrollbar : public Fl_Scrollbar {
 public:
  SpinScrollbar(int x, int y, int w, int h);
  ~SpinScrollbar() override;
  int handle(int event) override;

 protected:
  void draw() override;

 private:
  bool small() const { return h() < 3 * w(); }
  int takeFocus();
  static void onRepeat(void* bar);
  void step();
  void stopRepeat();

  int m_pressed = 0;  // -1 upper arrow, +1 lower arrow, 0 none
};

}  // namespace ui::fltk
