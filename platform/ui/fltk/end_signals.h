#pragma once

namespace ui::fltk {

class FltkUi;

/// Turns SIGTERM, SIGHUP and SIGINT into the Ui's end request while it lives. The handler
/// only writes a byte to a pipe, which is all a handler may safely do; FLTK's wait watches the
/// pipe's other end, so the signal wakes it at once wherever it waits, and the request is
/// raised there. A signal that was ignored when the program started (nohup, a background job)
/// stays ignored.
class EndSignals {
 public:
  explicit EndSignals(FltkUi& ui);
  ~EndSignals();
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

 private:
  static void onSignalled(int fd, void* self);

  FltkUi& m_ui;
  int m_readEnd = -1;
};

}  // namespace ui::fltk
