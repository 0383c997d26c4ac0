// The band list window's events: loading a band's list, keeping the link alive, tuning to a
// chosen row, and sorting and saving the rows.
#include "lists/frmBandSelect.h"

#include "link/DisplayZarvinStatus.h"
#include "link/front_panel.h"
#include "lists/child_window_layout.h"
#include "lists/list_rules.h"
#include "lists/row_boxes.h"
#include "platform/runtime_error.h"

namespace {

constexpr int kTimerInterval = 100;  // ms
// The keep-alive goes to gSendSync once the ticks add up to more than this (every 31st tick).
constexpr int kSyncPeriodMs = 3000;
constexpr std::size_t kLastRow = lists::kBandListRows - 1;

}  // namespace

void frmBandSelect::showModal() {
  Form_Load();
  if (!m_closing) form.showModal();
}

void frmBandSelect::Form_Load() {
  placeOverPanel();
  const std::string& band = m_link.gBand;
  fraBand.caption = (band == "MARS" || band == "WWV") ? band : band + " Meters";
  listFileName = lists::bandListFileName(band).value_or("");
  if (m_link.fileExists(listFileName)) {
    // The path of the file actually read, which is the working folder's.
    form.caption = m_platform.files.path(listFileName);
    try {
      setRows(lists::readListFile(m_platform.files, listFileName, lists::kBandListRows));
    } catch (const RuntimeError& e) {
      // The file is there but cannot be read (a folder of that name, a read error): the rows
      // stay empty and the reason shows where fileExists shows its own.
      m_link.gShowInfo(errorText("Form_Load(" + listFileName + ")", e));
    }
  }
  cmdGetFreq_Click();
  SyncTimer.interval = kTimerInterval;
  SyncTimer.enabled = true;
}

void frmBandSelect::placeOverPanel() {
  lists::placeOverBandFrame(form, m_frm);
  // Then only the right and bottom edges are pulled back onto the screen.
  int screenWidth = m_platform.ui.screenWidth();
  int screenHeight = m_platform.ui.screenHeight();
  if (form.left + form.width > screenWidth) form.left = screenWidth - form.width;
  if (form.top + form.height > screenHeight) form.top = screenHeight - form.height;
}

void frmBandSelect::SyncTimer_Timer() {
  ++syncTicks;
  if (syncTicks * SyncTimer.interval > kSyncPeriodMs) {
    syncTicks = 0;
    m_link.gSendSync(m_link.gSyncChar);
    if (m_closing) return;
  }
  try {
    m_link.readWaitingResponse();
  } catch (const RuntimeError& e) {
    m_link.gShowInfo(errorText("SyncTimer_Timer", e));
  }
  m_link.gUpdateDisplay();
}

void frmBandSelect::cmdGetFreq_Click() {
  // A garbled or missing frequency is not copied: the row would not tune back to it.
  auto text = lists::mhzTextOfFrequency(m_link.gFreq);
  if (!text) return;
  txtFreq[kLastRow]->caption = *text;
  if (auto word = lists::modeWordForCode(m_link.gMode)) txtMode[kLastRow]->caption = *word;
}

void frmBandSelect::Option1_Click(int Index) {
  bool timerWasEnabled = SyncTimer.enabled;
  SyncTimer.enabled = false;
  if (!txtFreq[Index]->caption->empty()) {
    clearError(Index);
    auto digits = lists::bandListFrequency(txtFreq[Index]->caption);
    std::string modeCode =
        lists::modeCodeForWord(txtMode[Index]->caption).value_or(m_link.gMode.str());
    if (!digits) {
      showError(Index);
    } else if (!tuneToRow(Index, *digits, modeCode)) {
      return;  // closed meanwhile: the timer stays off
    }
  }
  SyncTimer.enabled = timerWasEnabled;
}

bool frmBandSelect::tuneToRow(int Index, const std::string& digits, const std::string& modeCode) {
  try {
    m_link.gSetFrequency(digits);
    if (m_closing) return false;
    if (modeCode != m_link.gMode.str()) {
      m_link.gSetMode(modeCode);
      if (m_closing) return false;
    }
    // The radio has answered the row's commands already: a last read that finds nothing more
    // says nothing against the link, which stays shown as those answers showed it.
    bool linkOK = m_frm.lblComStat.caption == "Com OK";
    m_link.gReadResponse();
    if (linkOK && m_link.gInData.empty()) m_frm.lblComStat.caption = "Com OK";
    m_link.gUpdateDisplay();
    m_frm.lblInfo.caption = txtInfo[Index]->caption;
  } catch (const RuntimeError& e) {
    // A port that is not open cannot be read: say so instead of ending the program.
    m_link.gShowInfo(errorText("Option1_Click", e));
  }
  return !m_closing;
}

void frmBandSelect::showError(int Index) {
  Option1[Index]->value = 0;
  txtFreq[Index]->foreColor = ui::kRed;
  lblError.foreColor = ui::kRed;
  lblError.visible = true;
  for (ui::Control* c : {&cmdGetFreq, &cmdSort, &cmdWriteFile}) c->enabled = false;
}

void frmBandSelect::clearError(int Index) {
  txtFreq[Index]->foreColor = ui::kSysWindowText;
  lblError.visible = false;
  for (ui::Control* c : {&cmdGetFreq, &cmdSort, &cmdWriteFile}) c->enabled = true;
}

void frmBandSelect::cmdSort_Click() {
  setRows(lists::sortRows(rows()));
}

void frmBandSelect::cmdWriteFile_Click() {
  try {
    lists::writeListFile(m_platform.files, listFileName, rows());
  } catch (const RuntimeError& e) {
    m_platform.ui.messageBox(listFileName + ": Err " + std::to_string(e.number()) + ". " +
                             e.description());
  }
}

void frmBandSelect::cmdExit_Click() {
  form.unload();
}

void frmBandSelect::Form_QueryUnload(bool& cancel) {
  (void)cancel;
}

void frmBandSelect::Form_Unload() {
  // Handlers waiting inside a yield see this when their wait returns and stop there.
  m_closing = true;
  SyncTimer.enabled = false;
  m_frm.form.enabled = true;
}

std::vector<lists::ListRow> frmBandSelect::rows() const {
  return lists::rowsOfBoxes(txtFreq, txtMode, txtInfo);
}

void frmBandSelect::setRows(const std::vector<lists::ListRow>& rows) {
  lists::showRowsInBoxes(rows, txtFreq, txtMode, txtInfo);
}
