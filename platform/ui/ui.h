#pragma once
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace ui {

class Form;

/// For doEvents: nothing but an event ends the wait.
constexpr double kNoTimeLimit = std::numeric_limits<double>::infinity();

/// The window services the program relies on. Implemented by the FLTK renderer and by the
/// headless test platform.
class Ui {
 public:
  virtual ~Ui() = default;

  /// Runs every pending window event, timer and scripted input. When nothing is pending it
  /// may sleep until the next event, but never longer than maxSeconds.
  virtual void doEvents(double maxSeconds) = 0;
  /// Queues an action as a window event: it runs inside the next doEvents, never inside the
  /// code that is running now.
  virtual void post(std::function<void()> action) = 0;
  /// A message box with an OK button; returns when the user has closed it.
  virtual void messageBox(const std::string& text) = 0;
  virtual void beep() = 0;
  /// Screen size in twips.
  virtual int screenWidth() = 0;
  virtual int screenHeight() = 0;
  /// The working folder, without a trailing slash.
  virtual std::string currentFolder() = 0;
  /// Shows the named help file.
  virtual void showHelp(const std::string& fileName) = 0;

  /// Ends the program at once (throws ProgramEnd through the caller's stack).
  [[noreturn]] void endProgram(int exitCode = 0);

  /// Asks the program to end, as a signal does: only a flag is raised here. The next
  /// doEvents, whatever wait or window runs it, and an open message box serve it once: they
  /// run onEndRequest, and end the program with status 0 if that returns.
  virtual void requestEnd() { m_endRequested = true; }
  /// The program's own way to end (its main window's close box).
  std::function<void()> onEndRequest;

  void registerForm(Form& form);
  void unregisterForm(Form& form);
  const std::vector<Form*>& forms() const { return m_forms; }
  Form* findForm(const std::string& name) const;

 protected:
  /// Renderers hook these to create and drop their windows.
  virtual void formAdded(Form&) {}
  virtual void formRemoved(Form&) {}
  bool endRequested() const { return m_endRequested; }
  /// Serves a pending end request (see requestEnd); nothing when none is pending.
  void serveEndRequest();

 private:
  std::vector<Form*> m_forms;
  bool m_endRequested = false;
  bool m_endServed = false;  // a second request while the first ends the program adds nothing
};

}  // namespace ui
