// The ways in and out of the serial line, and the one wait that everything uses.
#include <algorithm>

#include "link/DisplayZarvinStatus.h"
#include "platform/runtime_error.h"

namespace {

constexpr double kFirstCharWait = 0.8;
constexpr double kQuietPeriod = 0.06;
// A radio that never stops sending must not hold the program: the read ends after a buffer
// full, or after the time the line needs for kBoundChars characters (a full answer fits at
// every speed) but never sooner than kMinBoundSeconds, and leaves the rest for the next read.
constexpr int kMaxResponseChars = 4096;
constexpr int kBoundChars = 128;
constexpr double kMinBoundSeconds = 1.5;
constexpr double kSyncPeriod = 2.0;

// A keep-alive that changes the transmit state the panel shows goes out at once.
bool changesShownState(const std::string& syncChar, const std::string& shown) {
  return (syncChar == "K" && shown == "Receive") || (syncChar == "U" && shown == "Transmit");
}

}  // namespace

DisplayZarvinStatus::DisplayZarvinStatus(Platform& p, FrontPanel& panel)
    : platform(p), frm(panel), MSComm1(p.port) {}

double DisplayZarvinStatus::elapsedSince(double& start) const {
  double t = now();
  // The clock restarts at midnight; the original compared in single precision.
  if (static_cast<float>(t) < static_cast<float>(start)) start -= 86400.0;
  return t - start;
}

void DisplayZarvinStatus::gDelay(double seconds) {
  double start = now();
  for (;;) {
    double elapsed = elapsedSince(start);
    if (elapsed >= seconds) return;
    platform.ui.doEvents(seconds - elapsed);
  }
}

bool DisplayZarvinStatus::awaitOutputBuffer() {
  int waits = 0;
  try {
    while (MSComm1.outBufferCount() != 0 && waits < 10) {
      ++waits;
      gDelay(0.01);
    }
  } catch (const RuntimeError&) {
    // The control's errors are passed over here, as the original did.
  }
  return waits < 10;
}

void DisplayZarvinStatus::writeThenSettle(const std::string& text, double settle) {
  try {
    MSComm1.output(text);
  } catch (const RuntimeError&) {
  }
  if (settle != 0) gDelay(settle);
}

void DisplayZarvinStatus::gSendCommand(const std::string& cmd, bool addLF, double delaySeconds) {
  if (awaitOutputBuffer()) writeThenSettle(addLF ? cmd + "\n" : cmd, delaySeconds);
}

void DisplayZarvinStatus::gReadResponse() {
  // Lowered first, so that a response that never comes cannot pass for a full answer.
  gGotHash = false;
  gGotDot = false;
  gGotHashDot = false;
  gInData = "";
  double start = now();
  for (double elapsed = 0; elapsed < kFirstCharWait; elapsed = elapsedSince(start)) {
    if (MSComm1.inBufferCount() > 0) break;
    MSComm1.waitForInput(kFirstCharWait - elapsed);
  }
  int count = MSComm1.inBufferCount();
  if (count <= 0) {
    frm.lblComStat.caption = "No Com";
    return;
  }
  double bound = std::max(kMinBoundSeconds, kBoundChars * MSComm1.charSeconds());
  double quietStart = now();
  double readStart = quietStart;
  bool cut = false;
  for (double quiet = 0; quiet < kQuietPeriod; quiet = elapsedSince(quietStart)) {
    cut = count >= kMaxResponseChars || elapsedSince(readStart) >= bound;
    if (cut) break;
    MSComm1.waitForInput(kQuietPeriod - quiet, count);
    int waiting = MSComm1.inBufferCount();
    if (waiting > count) {
      count = waiting;
      quietStart = now();
    }
  }
  gInData = takeInput();
  // The rest of a cut line is still on its way; a longer tail is no status line.
  size_t tail = gInData.size() - std::min(gInData.size(), gInData.rfind('\n') + 1);
  if (cut && tail > 0 && tail <= static_cast<size_t>(kBoundChars)) {
    m_unfinishedLine = gInData.substr(gInData.size() - tail);
    m_unfinishedOpening = MSComm1.openings();
    gInData.resize(gInData.size() - tail);
  }
  if (gInData.empty()) return;
  frm.lblComStat.caption = "Com OK";
  gParseInData(gInData);
  gGotHashDot = gGotHash && gGotDot;
}

void DisplayZarvinStatus::gFlushInput() {
  std::string s = takeInput();
  if (!s.empty()) gParseInData(s);
}

void DisplayZarvinStatus::readWaitingResponse() {
  if (MSComm1.portOpen() && MSComm1.inBufferCount() > 0) {
    gReadResponse();
    return;
  }
  double sent = gLastSyncTime;
  if (m_keepAliveUnanswered && elapsedSince(sent) > kFirstCharWait) {
    frm.lblComStat.caption = "No Com";
  }
}

std::string DisplayZarvinStatus::takeInput() {
  std::string s = MSComm1.input();  // takes and empties in one step: nothing arriving is lost
  // The start of a line cut before the port was opened again never gets its end.
  if (m_unfinishedOpening == MSComm1.openings()) s.insert(0, m_unfinishedLine);
  m_unfinishedLine.clear();
  return s;
}

void DisplayZarvinStatus::gSendSync(const std::string& syncChar) {
  try {
    if (gLastSyncTime == 0) gLastSyncTime = now();
    double elapsed = now() - gLastSyncTime;
    bool send = elapsed > kSyncPeriod || changesShownState(syncChar, frm.lblXMTRCV.caption);
    if (send) {
      putKeepAlive(syncChar, Transmitter::kKeepAliveSettle);
    } else if (elapsed > kSyncPeriod / 2) {
      frm.lblU.caption = "";
    } else if (static_cast<float>(gLastSyncTime) > static_cast<float>(now())) {
      gLastSyncTime -= 86400.0;
    }
  } catch (const RuntimeError& e) {
    gShowInfo(errorText("gSendSync", e));
  }
}

void DisplayZarvinStatus::putKeepAlive(const std::string& syncChar, double settle,
                                       const std::function<bool()>& stillWanted) {
  bool bufferFree = awaitOutputBuffer();
  if (stillWanted && !stillWanted()) return;
  // Set before the settle lets other events in: a timer tick or a click running inside it may
  // read the radio's answer, which must find this keep-alive sent and waiting for it. The
  // radio answers K and U with a K or U line; a blank goes unanswered.
  m_keepAliveUnanswered = syncChar == "K" || syncChar == "U";
  gLastSyncTime = now();
  if (bufferFree) writeThenSettle(syncChar, settle);
  gLastSyncTime = now();
  ++gSyncCount;
  frm.lblU.caption = syncChar;
  frm.lblU.backColor = ui::kWhite;
}

double DisplayZarvinStatus::secondsToSyncDue(const std::string& syncChar) const {
  double elapsed = now() - gLastSyncTime;
  // The first call, a state change and a midnight to correct are all due at once.
  if (gLastSyncTime == 0 || elapsed < 0 || changesShownState(syncChar, frm.lblXMTRCV.caption)) {
    return 0;
  }
  // A shown indicator is due for its blank after half the period, also when a long action
  // has already kept the pass past that moment.
  double due = frm.lblU.caption->empty() ? kSyncPeriod : kSyncPeriod / 2;
  return std::max(0.0, due - elapsed);
}

void DisplayZarvinStatus::MSComm1_OnComm() {
  switch (MSComm1.commEvent()) {
    case kCommEventBreak:
      gComBreak = true;
      break;
    case kCommEventFrame:
    case kCommEventOverrun:
    case kCommEventRxOver:
    case kCommEventRxParity:
    case kCommEventTxFull:
    case kCommEventDcb:
      frm.lblComStat.caption = "Com Error";
      break;
    default:
      break;
  }
}
