#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace ui {

class Ui;

/// A window: its controls by name and index, its own properties and events. A form registers
/// itself with the Ui for its whole life, so renderers and test drivers find it by name.
class Form {
 public:
  Form(Ui& ui, std::string name);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Ui& ui() const { return m_ui; }
  const std::string& name() const { return m_name; }

  /// Adds a control; names with index >= 0 form a control array.
  Control& add(Kind kind, const std::string& name, int index = -1, Control* container = nullptr);
  /// The control of that name and index; throws std::out_of_range when there is none.
  Control& get(const std::string& name, int index = -1) const;
  Control* find(const std::string& name, int index = -1) const;
  const std::vector<std::unique_ptr<Control>>& controls() const { return m_controls; }

  std::string caption;
  bool enabled = true;
  bool visible = false;
  Color backColor = kSysButtonFace;
  Font font;
  int left = 0;  // twips, on the screen
  int top = 0;
  int width = 0;  // client area, twips
  int height = 0;
  bool hasCloseBox = true;
  bool isMainWindow = false;

  /// The close box was used: may set cancel to keep the window.
  std::function<void(bool& cancel)> onQueryUnload;
  /// The window is being unloaded (after onQueryUnload let it close).
  std::function<void()> onUnload;

  /// Shows the window without waiting.
  void show() { visible = true; }
  /// Shows the window modally: runs events until it is hidden or unloaded.
  void showModal();
  void hide() { visible = false; }
  /// The user's close request: onQueryUnload, then unload unless cancelled.
  void close();
  /// Runs onUnload, then hides the window for good.
  void unload();
  bool unloaded() const { return m_unloaded; }

  /// The control that holds the keyboard focus, as far as the program knows.
  Control* focus() const { return m_focus; }
  /// The program gives the control the focus: the renderer moves the real keyboard focus
  /// there when it next brings the shown window up to date, if the control can be reached.
  void setFocus(Control& c);
  /// The user gave the control the focus: recorded only, the toolkit has moved it already. A
  /// move that the program asked for and the renderer has not made yet is dropped.
  void noteFocus(Control& c);
  /// For the renderer: the control that setFocus named last, once; nullptr when none waits.
  Control* takeFocusMove();

 private:
  Ui& m_ui;
  std::string m_name;
  std::vector<std::unique_ptr<Control>> m_controls;
  Control* m_focus = nullptr;
  bool m_focusToMove = false;
  bool m_unloaded = false;
};

}  // namespace ui
