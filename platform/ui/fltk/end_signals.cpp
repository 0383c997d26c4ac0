#include "platform/ui/fltk/end_signals.h"

#include <FL/Fl.H>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "platform/ui/fltk/fltk_ui.h"

namespace ui::fltk {
namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The pipe's write end, for the handler: a signal handler gets no pointer of ours, so this one
// descriptor is the only state it can reach.
volatile sig_atomic_t wakeFd = -1;

void onEndSignal(int) {
  int saved = errno;
  const char byte = 1;
  // A full pipe already holds a wake-up; nothing is lost when this write fails.
  (void)!write(wakeFd, &byte, 1);
  errno = saved;
}

bool ignoredAtStart(int signal) {
  struct sigaction current {};
  return sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

void setHandler(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(signal, &action, nullptr);
}

}  // namespace

EndSignals::EndSignals(FltkUi& ui) : m_ui(ui) {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
  m_readEnd = ends[0];
  wakeFd = ends[1];
  Fl::add_fd(m_readEnd, FL_READ, &EndSignals::onSignalled, this);
  for (int signal : kEndSignals) {
    if (!ignoredAtStart(signal)) setHandler(signal, &onEndSignal);
  }
}

EndSignals::~EndSignals() {
  if (m_readEnd < 0) return;
  for (int signal : kEndSignals) {
    if (!ignoredAtStart(signal)) setHandler(signal, SIG_DFL);
  }
  Fl::remove_fd(m_readEnd, FL_READ);
  close(m_readEnd);
  close(wakeFd);
  wakeFd = -1;
}

void EndSignals::onSignalled(int fd, void* self) {
  char bytes[64];
  while (read(fd, bytes, sizeof bytes) > 0) {
  }
  static_cast<EndSignals*>(self)->m_ui.requestEnd();
}

}  // namespace ui::fltk
