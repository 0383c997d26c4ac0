#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/property.h"

namespace ui {

/// Colours keep the original values: &HBBGGRR, or &H80000000 plus a system colour index.
using Color = std::uint32_t;
constexpr Color kBlack = 0x000000;
constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;
constexpr Color kYellow = 0x00FFFF;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kLightGrey = 0xE0E0E0;
constexpr Color kFrameGrey = 0xC0C0C0;
constexpr Color kPanelGrey = 0x808080;
constexpr Color kSysWindow = 0x80000005;
constexpr Color kSysWindowText = 0x80000008;
constexpr Color kSysButtonFace = 0x8000000F;
constexpr Color kSysGrayText = 0x80000011;
constexpr Color kSysButtonText = 0x80000012;

enum class Kind {
  Button,
  Label,
  TextBox,
  Frame,
  OptionButton,
  CheckBox,
  ComboBox,
  VScrollBar,
  Slider,
  ProgressBar,
  Shape,
  Line,
  Menu,      // a top-level menu of the menu bar
  MenuItem,  // an entry of a Menu (its container)
  Timer,
};

enum class ShapeKind { Rectangle, Circle };

/// Where a label's text sits: at the top left (the default), at the top right, or in the middle
/// of the label both ways (a short state or value in its box).
enum class Alignment { Left, Right, Center };

/// Mouse buttons as the program sees them.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

struct Font {
  std::string name = "MS Sans Serif";
  double size = 10.8;  // points
  bool bold = true;
  bool operator==(const Font& o) const {
    return name == o.name && size == o.size && bold == o.bold;
  }
};

class Form;

/// One control of a form: a retained record of the properties the program reads and writes,
/// and its events. Renderers read the properties and call the events through user_actions.h;
/// the program writes the properties directly.
class Control {
 public:
  Control(Form& form, Kind kind, std::string name, int index, Control* container);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Form& form() const { return m_form; }
  Kind kind() const { return m_kind; }
  const std::string& name() const { return m_name; }
  /// Index in its control array, or -1 for a single control.
  int index() const { return m_index; }
  /// The frame (or menu) the control sits in; nullptr for the form itself.
  Control* container() const { return m_container; }
  /// "cmdF(3)" or "cmdAGC".
  std::string fullName() const;
  /// Visible and enabled, and so are its containers and its form.
  bool reachable() const;

  // Assigning a property a different value marks the control changed (takeChange).
  // caption: of a button, label, frame or menu; text of a text or combo box.
  Property<std::string> caption;
  Property<bool> enabled{true};
  Property<bool> visible{true};
  Property<bool> tabStop{true};  // reached by Tab and Shift+Tab, not only by a click
  Property<Color> foreColor{kSysButtonText};
  Property<Color> backColor{kSysButtonFace};
  Property<Color> fillColor{kBlack};
  Property<Font> font;
  Property<std::string> toolTip;
  // value: of a scroll bar, slider or progress bar; 0/1 for check and option buttons.
  Property<int> value{0};
  Property<int> min{0};
  Property<int> max{0};
  Property<int> smallChange{1};
  Property<int> largeChange{1};
  Property<int> left{0};  // twips, inside the container
  Property<int> top{0};
  Property<int> width{0};
  Property<int> height{0};
  Property<int> lineWidth{1};  // Line: pixels
  Property<ShapeKind> shape{ShapeKind::Rectangle};
  Property<Alignment> alignment{Alignment::Left};  // label text
  Property<std::vector<std::string>> items;        // combo box list
  Property<bool> editableText{true};               // combo box: text may be typed
  Property<int> interval{0};                       // timer: milliseconds

  /// Whether a property changed since the last call; clears the marks. A new control counts
  /// as changed.
  bool takeChange();

  std::function<void()> onClick;     // buttons, option and check buttons, menu items
  std::function<void()> onChange;    // text and combo boxes (text), scroll bars (value)
  std::function<void()> onScroll;    // slider moved by the user
  std::function<void()> onGotFocus;  // the control received the focus
  std::function<void()> onTimer;     // timer tick
  std::function<void(int button, int shift)> onMouseDown;
  std::function<void(int button, int shift)> onMouseUp;

 private:
  Form& m_form;
  Kind m_kind;
  std::string m_name;
  int m_index;
  Control* m_container;
};

}  // namespace ui
