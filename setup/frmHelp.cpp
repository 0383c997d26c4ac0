#include "setup/frmHelp.h"

#include "setup/dialog_layout.h"

namespace {

constexpr char kLineBreak[] = "\r\n";

// Each credit line begins with a blank.
constexpr const char* kCredits[] = {
    " Serial link, status decoding and front panel",
    " Frequency lists, scanning and band sweep",
    " Port and audio set-up dialogs",
    " Field testing by the project's radio operators",
};

}  // namespace

frmHelp::frmHelp(Platform& platform, DisplayZarvinStatus& link, FrontPanel& main)
    : form(platform.ui, "frmHelp"),
      Label2(form.add(ui::Kind::Label, "Label2")),
      label1(form.add(ui::Kind::Label, "label1")),
      Label3(form.add(ui::Kind::Label, "Label3")),
      m_link(link),
      m_main(main) {
  form.width = 6072;
  form.height = 3720;
  dialog::place(Label2, 720, 120, 4212, 372, "For everyone who keeps the bands alive");
  dialog::place(label1, 240, 720, 5640, 1992, "");
  // Replaced by gTitle when the window loads.
  dialog::place(Label3, 840, 3240, 4212, 252, "0.930 4-24-15:0946");
  for (ui::Control* label : {&Label2, &label1, &Label3}) label->alignment = ui::Alignment::Center;
  dialog::styleDialog(form);
  dialog::centreOnScreen(form);
  form.onQueryUnload = [this](bool& cancel) { Form_QueryUnload(cancel); };
}

void frmHelp::showModal() {
  Form_Load();
  form.showModal();
}

void frmHelp::Form_Load() {
  form.caption = "About ";
  std::string credits = kLineBreak;
  credits += "The Zarvin Software project:";
  for (const char* line : kCredits) credits += kLineBreak + std::string(line);
  label1.caption = credits;
  Label3.caption = m_link.gTitle;
}

void frmHelp::Form_QueryUnload(bool& cancel) {
  cancel = false;
  m_main.form.enabled = true;
}
