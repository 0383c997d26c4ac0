// The scanner's opening, its file and its ways out.
#include "lists/frmScanFreqs.h"

#include "lists/child_window_layout.h"
#include "lists/child_window_modal.h"
#include "lists/list_file.h"
#include "lists/row_boxes.h"
#include "lists/scan_rules.h"
#include "platform/runtime_error.h"

void frmScanFreqs::showModal() {
  lists::loadAndShowModal(form, [this] { Form_Load(); });
}

void frmScanFreqs::Form_Load() {
  lists::placeOverBandFrame(form, frm);

  if (!link.fileExists(listFileName)) return;
  std::vector<std::string> lines;
  try {
    lines = platform.files.readLines(listFileName);
  } catch (const RuntimeError& e) {
    link.gShowInfo(errorText("Form_Load", e));
    return;
  }
  lists::showRowsInBoxes(lists::rowsFromLines(lines, kRows), txtFreq, txtMode, txtInfo);
  // A file that ends before its dwell line keeps the window's own default.
  if (lines.size() > static_cast<std::size_t>(kRows)) {
    dwellSecs = lists::wholeSecondsFromText(lines[kRows]);
    txtDelay.caption = std::to_string(dwellSecs);
  }
}

void frmScanFreqs::cmdStop_Click() {
  txtDelay.caption = std::to_string(dwellSecs);
  stopScan = true;
}

void frmScanFreqs::cmdWriteFile_Click() {
  std::vector<lists::ListRow> rows = lists::rowsOfBoxes(txtFreq, txtMode, txtInfo);
  std::vector<std::string> lines = lists::linesFromRows(rows);
  // During a scan the box counts the seconds elapsed: the dwell in force goes out instead.
  lines.push_back(m_scanning ? std::to_string(dwellSecs) : txtDelay.caption);
  try {
    platform.files.writeLines(listFileName, lines);
  } catch (const RuntimeError& e) {
    platform.ui.messageBox(errorText(listFileName, e));
  }
}

void frmScanFreqs::Form_QueryUnload(bool& cancel) {
  (void)cancel;  // closing always proceeds
  cmdStop_Click();
}

void frmScanFreqs::Form_Unload() {
  frm.form.enabled = true;
}

int frmScanFreqs::dwellFromBox() const {
  return lists::dwellSecondsFromText(txtDelay.caption);
}
