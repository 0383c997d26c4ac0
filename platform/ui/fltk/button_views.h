#pragma once
#include "platform/ui/fltk/control_view.h"

class Fl_Button;

namespace ui::fltk {

/// Command button: click, and press and release with the mouse button and shift state.
class ButtonView : public ControlView {
 public:
  ButtonView(Control& control, ViewContext& context);

 protected:
  void onCallback() override;

 private:
  void onEvent(int event);
};

/// Label: its text as written on its back colour.
class LabelView : public ControlView {
 public:
  LabelView(Control& control, ViewContext& context);

 protected:
  void syncDetails(const Control& c) override;

 private:
  void showAlignment(Alignment alignment);
  Alignment m_alignment = Alignment::Left;
};

/// Frame: a group with a caption on its border; holds the widgets of its controls.
class FrameView : public ControlView {
 public:
  FrameView(Control& control, ViewContext& context);
  Fl_Group* group() override { return m_group; }

 protected:
  void showCaption(const std::string& caption) override;
  void place(const PixelRect& r) override;

 private:
  Fl_Group* m_group;
};

/// What option buttons and check boxes share: the caption at the left, inside, on a flat box,
/// and the button set while the value is not 0.
class ToggleView : public ControlView {
 protected:
  ToggleView(Control& control, ViewContext& context, Fl_Button* button);
  void syncDetails(const Control& c) override;
};

/// Option button: one of the option buttons of its container is set.
class OptionView : public ToggleView {
 public:
  OptionView(Control& control, ViewContext& context);

 protected:
  void onCallback() override;
};

/// Check box: value 0 or 1.
class CheckView : public ToggleView {
 public:
  CheckView(Control& control, ViewContext& context);

 protected:
  void onCallback() override;
};

}  // namespace ui::fltk
