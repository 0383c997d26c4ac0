#include "platform/ui/fltk/menu_bar_view.h"

#include "platform/ui/fltk/caption_text.h"
#include "platform/ui/fltk/input_filter.h"
#include "platform/ui/user_actions.h"

namespace ui::fltk {
namespace {

bool isMenu(const Control& c) {
  return c.kind() == Kind::Menu || c.kind() == Kind::MenuItem;
}

}  // namespace

int FormMenuBar::handle(int event) {
  Fl_Window* w = top_window();
  if (w != nullptr && !takesInput(*w)) return 0;
  return Fl_Menu_Bar::handle(event);
}

MenuBarView::MenuBarView(Form& form, EventQueue& events, Fl_Menu_Bar* bar)
    : m_form(form), m_events(events), m_bar(bar) {
  m_bar->box(FL_FLAT_BOX);
  m_bar->textsize(13);
  m_bar->callback(&MenuBarView::onPick, this);
}

bool MenuBarView::hasMenus(const Form& form) {
  for (const auto& c : form.controls()) {
    if (c->kind() == Kind::Menu) return true;
  }
  return false;
}

std::vector<MenuBarView::Entry> MenuBarView::currentEntries() const {
  std::vector<Entry> entries;
  for (const auto& c : m_form.controls()) {
    if (isMenu(*c)) entries.push_back({c.get(), c->caption, c->enabled, c->visible});
  }
  return entries;
}

void MenuBarView::sync() {
  bool changed = m_fresh || m_changePending;
  for (const auto& c : m_form.controls()) {
    if (isMenu(*c) && c->takeChange()) changed = true;
  }
  m_changePending = changed && popupOpen();
  if (!changed || m_changePending) return;
  std::vector<Entry> entries = currentEntries();
  if (!m_fresh && entries == m_shown) return;
  m_fresh = false;
  m_shown = std::move(entries);
  rebuild();
}

void MenuBarView::rebuild() {
  m_texts.clear();
  m_texts.reserve(m_shown.size());
  m_items.clear();
  m_items.reserve(2 * m_shown.size() + 1);
  addEntries(nullptr);
  m_items.push_back(Fl_Menu_Item{});
  m_bar->menu(m_items.data());
  m_bar->redraw();
}

// Adds the menus inside container (the top-level menus for nullptr); a menu with entries of
// its own becomes a submenu.
void MenuBarView::addEntries(const Control* container) {
  for (const Entry& entry : m_shown) {
    Control& c = *entry.control;
    bool topLevel = c.kind() == Kind::Menu && c.container() == nullptr;
    if (container == nullptr ? !topLevel : c.container() != container) continue;
    bool hasEntries = false;
    for (const Entry& other : m_shown) hasEntries = hasEntries || other.control->container() == &c;
    m_texts.push_back(labelText(entry.caption));
    Fl_Menu_Item item{};
    item.text = m_texts.back().c_str();
    item.user_data_ = &c;
    if (!entry.enabled) item.flags |= FL_MENU_INACTIVE;
    if (!entry.visible) item.flags |= FL_MENU_INVISIBLE;
    if (hasEntries) item.flags |= FL_SUBMENU;
    m_items.push_back(item);
    if (!hasEntries) continue;
    addEntries(&c);
    m_items.push_back(Fl_Menu_Item{});
  }
}

void MenuBarView::onPick(Fl_Widget* bar, void* view) {
  auto& self = *static_cast<MenuBarView*>(view);
  const Fl_Menu_Item* item = static_cast<Fl_Menu_Bar*>(bar)->mvalue();
  if (item == nullptr || item->user_data() == nullptr) return;
  Control& c = *static_cast<Control*>(item->user_data());
  self.m_events.post(self.m_form, [&c] { userClick(c); });
}

}  // namespace ui::fltk
