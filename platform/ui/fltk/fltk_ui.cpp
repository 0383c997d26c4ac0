#include "platform/ui/fltk/fltk_ui.h"

#include <FL/Fl.H>
#include <FL/Fl_Help_Dialog.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

#include "platform/ui/fltk/background_launch.h"
#include "platform/ui/fltk/form_view.h"
#include "platform/ui/fltk/input_filter.h"
#include "platform/ui/fltk/message_box.h"
#include "platform/ui/fltk/png_writer.h"
#include "platform/ui/fltk/units.h"
#include "platform/ui/fltk/window_identity.h"

namespace ui::fltk {
namespace {

bool isRegularFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string withExtension(const std::string& fileName, const std::string& extension) {
  std::size_t slash = fileName.find_last_of('/');
  std::size_t dot = fileName.find_last_of('.');
  bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? fileName.substr(0, dot) : fileName) + extension;
}

// True when the descriptor is open and has nothing to read: input, an error, a hang-up or a
// closed descriptor would all wake the wait at once, again and again.
bool isQuiet(int fd) {
  pollfd p{fd, POLLIN, 0};
  return poll(&p, 1, 0) == 0;
}

// The help viewer: a page's width and most of a screen's height, at the right of the screen's
// work area (beside a panel at its left), wholly inside it with room left for the window
// manager's title bar and border.
void placeHelp(Fl_Help_Dialog& help) {
  constexpr int kWidth = 640, kHeight = 960, kTitleBar = 30, kBorder = 4;
  int x = 0, y = 0, w = 0, h = 0;
  Fl::screen_work_area(x, y, w, h);
  int width = std::min(kWidth, w - 2 * kBorder);
  int height = std::min(kHeight, h - kTitleBar - kBorder);
  help.resize(x + w - kBorder - width, y + kTitleBar, width, height);
}

}  // namespace

FltkUi::FltkUi(std::string programTitle) : m_title(std::move(programTitle)) {
  Fl::background(212, 208, 200);  // the button face colour
  claimEveryWindow();
  Fl::add_check(&FltkUi::beforeSleep, this);
  installInputFilter();
}

FltkUi::~FltkUi() {
  Fl::remove_check(&FltkUi::beforeSleep, this);
  removeInputFilter();
  disarmInputWatch();
  m_views.clear();
}

void FltkUi::formAdded(Form& form) {
  m_views.push_back(std::make_unique<FormView>(form, m_events));
}

void FltkUi::formRemoved(Form& form) {
  m_events.dropFor(form);
  m_views.erase(std::remove_if(m_views.begin(), m_views.end(),
                               [&form](const auto& view) { return &view->form() == &form; }),
                m_views.end());
}

FormView* FltkUi::viewOf(const Form& form) const {
  for (const auto& view : m_views) {
    if (&view->form() == &form) return view.get();
  }
  return nullptr;
}

void FltkUi::syncForms() {
  for (auto& view : m_views) view->sync();
}

void FltkUi::doEvents(double maxSeconds) {
  serveEndRequest();
  syncForms();
  armInputWatch();
  Fl::wait(m_events.empty() ? std::max(0.0, maxSeconds) : 0.0);
  // Before the user's actions: a transmitter left keyed must not wait for them.
  serveEndRequest();
  while (m_events.runNext()) {
  }
  m_wakeQueued = false;
  syncForms();
  Fl::flush();
}

// FLTK runs its timeouts (a timer's tick queues an action) and then sleeps until the next
// event or timeout. An action queued meanwhile must end that sleep: a zero timeout does,
// once; FLTK's own loops (a message box, an open menu) do not run the queue, and waking them
// at every turn would spin.
void FltkUi::beforeSleep(void* data) {
  auto* ui = static_cast<FltkUi*>(data);
  if (ui->m_events.empty() || ui->m_wakeQueued) return;
  ui->m_wakeQueued = true;
  Fl::add_timeout(0.0, [](void*) {});
}

void FltkUi::messageBox(const std::string& text) {
  syncForms();
  runMessageBox(m_title, text, [this] { return endRequested(); });
  serveEndRequest();
}

void FltkUi::requestEnd() {
  Ui::requestEnd();
  // An open menu holds the pointer and keyboard grab; Escape closes it without choosing.
  if (Fl_Window* menu = Fl::grab()) {
    int key = Fl::e_keysym;
    Fl::e_keysym = FL_Escape;
    menu->handle(FL_KEYBOARD);
    Fl::e_keysym = key;
  }
}

void FltkUi::beep() {
  fl_beep();
}

int FltkUi::screenWidth() {
  return Fl::w() * kTwipsPerPixel;
}

int FltkUi::screenHeight() {
  return Fl::h() * kTwipsPerPixel;
}

std::string FltkUi::currentFolder() {
  std::vector<char> buffer(PATH_MAX + 1);
  if (getcwd(buffer.data(), buffer.size()) == nullptr) return ".";
  std::string folder = buffer.data();
  if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

void FltkUi::showHelp(const std::string& fileName) {
  std::string html = withExtension(fileName, ".html");
  if (isRegularFile(html)) {
    if (html.front() != '/') html = currentFolder() + "/" + html;
    if (!m_help) m_help = std::make_unique<Fl_Help_Dialog>();
    m_help->load(html.c_str());
    placeHelp(*m_help);
    m_help->show();
    return;
  }
  launchInBackground({"xdg-open", fileName});
}

void FltkUi::watchFileDescriptor(int fd) {
  if (fd != m_watchedFd) disarmInputWatch();
  m_watchedFd = fd;
  // Armed whatever waits: the caller has read up to here, so anything there is new to it, and
  // a pass that looked before it came must not sleep on it.
  if (fd >= 0) addInputWatch();
}

// The watch wakes Fl::wait once; doEvents arms it again only when the input has been read
// meanwhile, so that unread input never makes the loop spin. A descriptor in error or hung up
// is left to the serial port's own reads to notice.
void FltkUi::armInputWatch() {
  if (m_watchedFd >= 0 && isQuiet(m_watchedFd)) addInputWatch();
}

void FltkUi::addInputWatch() {
  if (m_watchArmed) return;
  Fl::add_fd(m_watchedFd, FL_READ, &FltkUi::onInputReady, this);
  m_watchArmed = true;
}

void FltkUi::disarmInputWatch() {
  if (!m_watchArmed) return;
  Fl::remove_fd(m_watchedFd, FL_READ);
  m_watchArmed = false;
}

void FltkUi::onInputReady(int, void* ui) {
  static_cast<FltkUi*>(ui)->disarmInputWatch();
}

bool FltkUi::saveScreenshot(const Form& form, const std::string& pngPath) {
  FormView* view = viewOf(form);
  Fl_Window* window = view == nullptr ? nullptr : view->window();
  if (window == nullptr || !window->shown()) return false;
  Fl::flush();
  window->make_current();
  std::unique_ptr<uchar[]> pixels(fl_read_image(nullptr, 0, 0, window->w(), window->h()));
  return pixels && writePng(pngPath, window->w(), window->h(), pixels.get());
}

Fl_Window* FltkUi::windowOf(const Form& form) const {
  FormView* view = viewOf(form);
  return view == nullptr ? nullptr : view->window();
}

Fl_Widget* FltkUi::widgetOf(const Control& control) const {
  FormView* view = viewOf(control.form());
  return view == nullptr ? nullptr : view->widgetOf(control);
}

int FltkUi::menuBarHeight(const Form& form) const {
  FormView* view = viewOf(form);
  return view == nullptr ? 0 : view->menuBarHeight();
}

}  // namespace ui::fltk
