#include "platform/ui/fltk/message_box.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "platform/ui/fltk/caption_text.h"

namespace ui::fltk {
namespace {

constexpr int kMargin = 16;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
constexpr int kTextSize = 14;
// A box draws a text aligned to one side 3 pixels in from each edge.
constexpr int kTextInset = 3;

void closeDialog(Fl_Widget* button, void*) {
  button->window()->hide();
}

}  // namespace

void runMessageBox(const std::string& title, const std::string& text,
                   const std::function<bool()>& interrupted) {
  std::string shown = labelText(multiLineText(text));
  fl_font(FL_HELVETICA, kTextSize);
  int textW = 0, textH = 0;
  fl_measure(shown.c_str(), textW, textH, 1);
  textW = std::clamp(textW, 160, Fl::w() * 2 / 3);
  textH = std::max(textH, kTextSize + 4);
  int w = textW + 2 * kMargin;
  int h = textH + kButtonHeight + 3 * kMargin;

  Fl_Group::current(nullptr);
  Fl_Window dialog(w, h);
  dialog.copy_label(title.c_str());
  Fl_Box message(kMargin - kTextInset, kMargin, textW + 2 * kTextInset, textH);
  message.copy_label(shown.c_str());
  message.labelsize(kTextSize);
  message.align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_WRAP);
  Fl_Return_Button ok((w - kButtonWidth) / 2, h - kMargin - kButtonHeight, kButtonWidth,
                      kButtonHeight, "OK");
  ok.callback(&closeDialog);
  dialog.end();
  dialog.set_modal();
  dialog.position((Fl::w() - w) / 2, (Fl::h() - h) / 2);
  dialog.show();
  while (dialog.shown() && !interrupted()) Fl::wait();
}

}  // namespace ui::fltk
