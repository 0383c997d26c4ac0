#pragma once
#include <string>
#include <vector>

#include "platform/ui/fltk/control_view.h"

class Fl_Input_;

namespace ui::fltk {

/// What both kinds of text box share: the text itself takes the colours and the font.
class TextBoxView : public ControlView {
 protected:
  TextBoxView(Control& control, ViewContext& context, Fl_Input_* input);
  void showColours(const Control& c) override;
  void showFont(const FlFont& font) override;
};

/// Single-line text box: typing sets the text and raises onChange.
class TextView : public TextBoxView {
 public:
  TextView(Control& control, ViewContext& context);

 protected:
  void showCaption(const std::string&) override {}
  void syncDetails(const Control& c) override;
  void onCallback() override;
};

/// Tall text box: the program's text over several lines, read only.
class TextAreaView : public TextBoxView {
 public:
  TextAreaView(Control& control, ViewContext& context);

 protected:
  void showCaption(const std::string& caption) override;
};

/// Combo box: a text with a drop-down list of items.
class ComboView : public ControlView {
 public:
  ComboView(Control& control, ViewContext& context);

 protected:
  void showCaption(const std::string&) override {}
  void showColours(const Control& c) override;
  void showFont(const FlFont& font) override;
  void syncDetails(const Control& c) override;
  void onCallback() override;

 private:
  std::vector<std::string> m_items;
  bool m_itemsShown = false;
  bool m_editable = true;
};

/// Vertical scroll bar or horizontal slider: the value within min..max (min may be the larger;
/// it is at the top or left end).
class ValuatorView : public ControlView {
 public:
  ValuatorView(Control& control, ViewContext& context, bool slider);

 protected:
  void showCaption(const std::string&) override {}
  void showRange(const Control& c) override;
  void syncDetails(const Control& c) override;
  void onCallback() override;
};

/// Progress bar: the value within min..max.
class ProgressView : public ControlView {
 public:
  ProgressView(Control& control, ViewContext& context);

 protected:
  void showCaption(const std::string&) override {}
  void showColours(const Control& c) override;
  void showRange(const Control& c) override;
  void syncDetails(const Control& c) override;
};

/// Shape: a filled circle or rectangle in the fill colour.
class ShapeView : public ControlView {
 public:
  ShapeView(Control& control, ViewContext& context);

 protected:
  void showCaption(const std::string&) override {}
  void showColours(const Control& c) override;
  void syncDetails(const Control& c) override;
};

/// Line from (left, top) to (left + width, top + height), lineWidth pixels wide.
class LineView : public ControlView {
 public:
  LineView(Control& control, ViewContext& context);

 protected:
  void showCaption(const std::string&) override {}
  void showColours(const Control& c) override;
  void place(const PixelRect& r) override;
  void syncDetails(const Control& c) override;

 private:
  PixelRect m_rect;
  int m_lineWidth = 1;
};

}  // namespace ui::fltk
