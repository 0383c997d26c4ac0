#include "platform/ui/fltk/form_view.h"

#include <FL/Fl.H>

#include "platform/ui/fltk/colour_map.h"
#include "platform/ui/fltk/units.h"
#include "platform/ui/fltk/widget_factory.h"
#include "platform/ui/user_actions.h"

namespace ui::fltk {
namespace {

/// Brings a length in twips to a length in pixels, unless it already gives that many pixels.
void followPixels(int& twips, int pixels) {
  if (twipsToPixels(twips) != pixels) twips = pixels * kTwipsPerPixel;
}

}  // namespace

FormView::FormView(Form& form, EventQueue& events)
    : m_form(form), m_events(events), m_context{events, m_press} {}

FormView::~FormView() {
  m_timers.clear();
  m_window.reset();  // deletes every widget
  m_menuBar.reset();
  m_views.clear();
}

Fl_Widget* FormView::widgetOf(const Control& control) const {
  if (m_menuBar && (control.kind() == Kind::Menu || control.kind() == Kind::MenuItem)) {
    return &m_menuBar->bar();
  }
  auto found = m_viewOf.find(&control);
  return found == m_viewOf.end() ? nullptr : &found->second->widget();
}

void FormView::sync() {
  bool shown = m_form.visible && !m_form.unloaded();
  if (shown && !m_window) build();
  if (m_window) addNewControls();
  if (shown) {
    syncWindow();
    syncControls();
    if (m_menuBar) m_menuBar->sync();
    if (!m_window->shown()) showWhereAsked();
    moveFocus();
  } else if (m_window && m_window->shown()) {
    m_window->hide();
  }
  for (auto& timer : m_timers) timer->sync(shown);
}

void FormView::build() {
  Fl_Group::current(nullptr);
  m_window = std::make_unique<Window>(std::max(1, twipsToPixels(m_form.width)),
                                      std::max(1, twipsToPixels(m_form.height)));
  m_window->end();
  m_window->resizable(nullptr);
  m_window->callback(&FormView::onCloseBox, this);
  m_window->afterEvent = [this](int event, int) { onWindowEvent(event); };
  m_window->afterResize = [this] { onPlaced(); };
  // Child windows stay above the panel that opened them.
  if (!m_form.isMainWindow) m_window->set_non_modal();
  if (MenuBarView::hasMenus(m_form)) {
    m_menuHeight = MenuBarView::kHeight;
    Fl_Group::current(nullptr);
    auto* bar = new FormMenuBar(0, 0, m_window->w(), m_menuHeight);
    m_window->add(bar);
    m_menuBar = std::make_unique<MenuBarView>(m_form, m_events, bar);
  }
}

void FormView::addNewControls() {
  const auto& controls = m_form.controls();
  for (; m_controlsSeen < controls.size(); ++m_controlsSeen) addControl(*controls[m_controlsSeen]);
}

void FormView::addControl(Control& control) {
  if (control.kind() == Kind::Timer) {
    m_timers.push_back(std::make_unique<TimerView>(control, m_events));
    return;
  }
  std::unique_ptr<ControlView> view = makeControlView(control, m_context);
  if (!view) return;
  Fl_Group* parent = m_window.get();
  if (control.container() != nullptr) {
    auto found = m_viewOf.find(control.container());
    if (found != m_viewOf.end() && found->second->group() != nullptr) {
      parent = found->second->group();
    }
  }
  parent->add(view->widget());
  m_viewOf[&control] = view.get();
  m_views.push_back(std::move(view));
}

void FormView::syncWindow() {
  Shown& s = m_shown;
  PixelRect r{twipsToPixels(m_form.left), twipsToPixels(m_form.top), twipsToPixels(m_form.width),
              twipsToPixels(m_form.height) + m_menuHeight};
  if (m_fresh || r != s.rect) {
    bool moved = m_fresh ? (r.x != 0 || r.y != 0) : (r.x != s.rect.x || r.y != s.rect.y);
    s.rect = r;
    if (moved) {
      m_window->resize(r.x, r.y, std::max(1, r.w), std::max(1, r.h));
    } else {
      m_window->size(std::max(1, r.w), std::max(1, r.h));
    }
    if (m_menuBar) m_menuBar->bar().size(m_window->w(), m_menuHeight);
  }
  if (m_fresh || m_form.caption != s.caption) {
    s.caption = m_form.caption;
    m_window->copy_label(m_form.caption.c_str());
  }
  if (m_fresh || m_form.backColor != s.back) {
    s.back = m_form.backColor;
    m_window->color(toFlColor(m_form.backColor));
    m_window->redraw();
  }
  if (m_fresh || m_form.enabled != s.enabled) {
    s.enabled = m_form.enabled;
    setActive(*m_window, m_form.enabled);
  }
  m_fresh = false;
}

void FormView::syncControls() {
  for (auto& view : m_views) {
    int x = 0;
    int y = m_menuHeight;
    const Control* container = view->control().container();
    auto found = container == nullptr ? m_viewOf.end() : m_viewOf.find(container);
    if (found != m_viewOf.end()) {
      x = found->second->windowX();
      y = found->second->windowY();
    }
    view->sync(x, y);
  }
}

// Made here, after the event that led the program to move the focus has been handled whole: an
// input given the focus by a click takes it during that click's handling, and would take it
// back from a move made inside it. A control that cannot be reached (its window held by a
// child window, say) never takes the keyboard from the window in use. Taking the focus
// reports it to the program as the user's.
void FormView::moveFocus() {
  Control* control = m_form.takeFocusMove();
  if (control == nullptr || !control->reachable()) return;
  Fl_Widget* widget = widgetOf(*control);
  if (widget != nullptr && widget != Fl::focus()) widget->take_focus();
}

// A window that the program placed stays where it was put, also partly off the screen (the
// scanners over the panel's band frame).
void FormView::showWhereAsked() {
  PixelRect asked = m_shown.rect;
  m_window->show();
  if (asked.x != 0 || asked.y != 0) m_window->moveTo(asked.x, asked.y);
}

// The window manager places a window where it likes and the user moves it: the form follows,
// so that what the program computes from its place (the child windows over the panel's band
// frame) holds where the window really is.
void FormView::onPlaced() {
  if (!m_window->shown()) return;
  PixelRect now{m_window->x(), m_window->y(), m_window->w(), m_window->h()};
  if (now == m_shown.rect) return;
  m_shown.rect = now;
  followPixels(m_form.left, now.x);
  followPixels(m_form.top, now.y);
  followPixels(m_form.width, now.w);
  followPixels(m_form.height, now.h - m_menuHeight);
}

// A release that the pressed button did not get (it was disabled or hidden meanwhile) still
// reaches the program, so that a loop waiting for it ends.
void FormView::onWindowEvent(int event) {
  if (event != FL_RELEASE || m_press.control == nullptr) return;
  Control& c = *m_press.control;
  m_press.control = nullptr;
  int button = programButton(Fl::event_button());
  int shift = programShift(Fl::event_state());
  m_events.post(m_form, [&c, button, shift] { userMouseUp(c, button, shift); });
}

void FormView::onCloseBox(Fl_Widget*, void* view) {
  static_cast<FormView*>(view)->requestClose();
}

void FormView::requestClose() {
  // Escape reaches the window callback too; it does not close windows here.
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  Form& form = m_form;
  if (!form.hasCloseBox || !form.enabled || form.unloaded()) return;
  m_events.post(form, [&form] {
    if (!form.unloaded()) form.close();
  });
}

}  // namespace ui::fltk
