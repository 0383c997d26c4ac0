#include "setup/frmPortSetup.h"

#include "platform/runtime_error.h"
#include "setup/dialog_closing.h"
#include "setup/dialog_layout.h"
#include "setup/port_setup_file.h"

namespace {

constexpr int kHighestPort = 16;

}  // namespace

frmPortSetup::frmPortSetup(Platform& platform, DisplayZarvinStatus& link, FrontPanel& main)
    : form(platform.ui, "frmPortSetup"),
      lblPort(form.add(ui::Kind::Label, "lblPort")),
      cmbSelectPort(form.add(ui::Kind::ComboBox, "cmbSelectPort")),
      lblBaudRate(form.add(ui::Kind::Label, "lblBaudRate")),
      cmbSelectBaudRate(form.add(ui::Kind::ComboBox, "cmbSelectBaudRate")),
      txtFound(form.add(ui::Kind::TextBox, "txtFound")),
      Label1(form.add(ui::Kind::Label, "Label1")),
      txtDefaultSettings(form.add(ui::Kind::Label, "txtDefaultSettings")),
      fraHandShake(form.add(ui::Kind::Frame, "fraHandShake")),
      cmdSavePortSettings(form.add(ui::Kind::Button, "cmdSavePortSettings")),
      cmdLoadPortSettings(form.add(ui::Kind::Button, "cmdLoadPortSettings")),
      cmdCancel(form.add(ui::Kind::Button, "cmdCancel")),
      cmdApply(form.add(ui::Kind::Button, "cmdApply")),
      m_platform(platform),
      m_link(link),
      m_main(main) {
  optHandShake = dialog::addOptions(form, "optHandShake", fraHandShake, 4);
  layOut();
  wireEvents();
}

void frmPortSetup::layOut() {
  using dialog::place;
  form.caption = "Port Setup";
  form.width = 6672;
  form.height = 4452;
  place(lblPort, 120, 360, 1155, 240, "Select Port");
  place(cmbSelectPort, 360, 720, 615, 360, "");
  place(lblBaudRate, 1560, 360, 2055, 255, "Select Baud Rate");
  place(cmbSelectBaudRate, 2040, 720, 975, 360, "19200 ");
  // There is no 1200 in the list; the first three entries end with a blank, which is kept.
  cmbSelectBaudRate.items = {"19200 ", "9600 ", "4800 ", "2400", "600", "300"};
  place(txtFound, 240, 2160, 1575, 375, "");
  place(Label1, 240, 2760, 3375, 255, "Only Available Ports are shown");
  place(txtDefaultSettings, 240, 3120, 5535, 255,
        " Default Settings:  7 Data Bits, Odd Parity, 1 Stop Bit");
  place(fraHandShake, 3960, 360, 2295, 2415, "Handshake Mode");
  const char* captions[] = {"NONE", "XON", "RTS", "RTS  XON"};
  const int tops[] = {360, 840, 1320, 1800};
  for (int i = 0; i < 4; ++i) place(*optHandShake[i], 240, tops[i], 1575, 375, captions[i]);
  place(cmdSavePortSettings, 360, 3720, 975, 495, "Save");
  place(cmdLoadPortSettings, 1920, 3720, 975, 495, "Load");
  place(cmdCancel, 3480, 3720, 975, 495, "Cancel");
  place(cmdApply, 5040, 3720, 975, 495, "Apply");
  dialog::styleDialog(form);
  dialog::centreOnScreen(form);
}

void frmPortSetup::wireEvents() {
  cmdSavePortSettings.onClick = [this] { cmdSavePortSettings_Click(); };
  cmdLoadPortSettings.onClick = [this] { cmdLoadPortSettings_Click(); };
  cmdApply.onClick = [this] { cmdApply_Click(); };
  cmdCancel.onClick = [this] { cmdCancel_Click(); };
  form.onQueryUnload = [this](bool& cancel) { Form_QueryUnload(cancel); };
}

void frmPortSetup::showModal() {
  Form_Load();
  form.showModal();
}

void frmPortSetup::Form_Load() {
  listCommPorts();
  // The dialog starts from what the port uses now, even a port the probe did not find.
  const SerialPort& port = m_link.MSComm1;
  cmbSelectPort.caption = std::to_string(port.commPort());
  cmbSelectBaudRate.caption = baudOf(port.settings());
  dialog::selectOption(optHandShake, port.handshaking());
}

void frmPortSetup::listCommPorts() {
  cmbSelectPort.items.edit().clear();
  txtFound.caption = "Found: ";
  for (int n = 1; n <= kHighestPort; ++n) {
    if (!m_link.gPortExists(n)) continue;
    cmbSelectPort.items.edit().push_back(std::to_string(n));
    txtFound.caption += " " + std::to_string(n);
  }
  if (cmbSelectPort.items->empty()) {
    cmbSelectPort.caption = "";
    txtFound.caption = "No Ports";
  } else {
    cmbSelectPort.caption = cmbSelectPort.items->front();
  }
}

void frmPortSetup::cmdSavePortSettings_Click() {
  // The port text is saved as typed; whether it names a port is the port set-up's to say.
  std::vector<std::string> lines =
      portSetupLines(cmbSelectPort.caption, cmbSelectBaudRate.caption, selectedHandshake());
  try {
    m_platform.files.writeLines(kPortSetupFileName, lines);
  } catch (const RuntimeError& e) {
    m_platform.ui.messageBox(errorText(kPortSetupFileName, e));
  }
}

void frmPortSetup::cmdLoadPortSettings_Click() {
  if (!m_link.fileExists(kPortSetupFileName)) return;
  std::vector<std::string> lines;
  try {
    lines = m_platform.files.readLines(kPortSetupFileName);
  } catch (const RuntimeError& e) {
    m_platform.ui.messageBox(errorText(kPortSetupFileName, e));
    return;
  }
  PortSetupFields fields = readPortSetupFields(lines);
  if (fields.port) cmbSelectPort.caption = *fields.port;
  if (fields.baud) cmbSelectBaudRate.caption = *fields.baud;
  if (fields.handshaking) dialog::selectOption(optHandShake, *fields.handshaking);
}

void frmPortSetup::cmdApply_Click() {
  m_link.gPortSettings = cmbSelectBaudRate.caption + kSerialFraming;
  m_link.gHandshake = handshakeName(selectedHandshake());
  m_link.gPortNumber = cmbSelectPort.caption;
  m_link.gPortSetupChanged = true;
  dialog::unloadDialog(form, m_main.form);
}

void frmPortSetup::cmdCancel_Click() {
  dialog::unloadDialog(form, m_main.form);
}

void frmPortSetup::Form_QueryUnload(bool& cancel) {
  cancel = false;
  m_main.form.enabled = true;
}

int frmPortSetup::selectedHandshake() const {
  int selected = dialog::selectedOption(optHandShake);
  return selected < 0 ? 0 : selected;
}
