#include "platform/ui/fltk/widget_factory.h"

#include "platform/ui/fltk/button_views.h"
#include "platform/ui/fltk/units.h"
#include "platform/ui/fltk/value_views.h"

namespace ui::fltk {
namespace {

/// A text box tall enough for two lines shows the program's text over several lines.
bool isTextArea(const Control& c) {
  int fontPixels = toFlFont(c.font).size;
  return twipsToPixels(c.height) >= 2 * fontPixels + 10;
}

}  // namespace

std::unique_ptr<ControlView> makeControlView(Control& control, ViewContext& context) {
  switch (control.kind()) {
    case Kind::Button:
      return std::make_unique<ButtonView>(control, context);
    case Kind::Label:
      return std::make_unique<LabelView>(control, context);
    case Kind::TextBox:
      if (isTextArea(control)) return std::make_unique<TextAreaView>(control, context);
      return std::make_unique<TextView>(control, context);
    case Kind::Frame:
      return std::make_unique<FrameView>(control, context);
    case Kind::OptionButton:
      return std::make_unique<OptionView>(control, context);
    case Kind::CheckBox:
      return std::make_unique<CheckView>(control, context);
    case Kind::ComboBox:
      return std::make_unique<ComboView>(control, context);
    case Kind::VScrollBar:
      return std::make_unique<ValuatorView>(control, context, false);
    case Kind::Slider:
      return std::make_unique<ValuatorView>(control, context, true);
    case Kind::ProgressBar:
      return std::make_unique<ProgressView>(control, context);
    case Kind::Shape:
      return std::make_unique<ShapeView>(control, context);
    case Kind::Line:
      return std::make_unique<LineView>(control, context);
    case Kind::Menu:
    case Kind::MenuItem:
    case Kind::Timer:
      break;
  }
  return nullptr;
}

}  // namespace ui::fltk
