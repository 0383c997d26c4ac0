// The ways in and out of the serial line, and the one wait that everything uses.
#include <algorithm>

#include "link/DisplayZarvinStatus.h"
#include "platform/runtime_error.h"

namespace {

constexpr double kFirstCharWait = 0.8;
constexpr double kQuietPeriod = 0.06;
// A radio that never stops sending must not hold the program: the read ends after this many
// characters or seconds and leaves the rest for the next read.
constexpr int kMaxResponseChars = 4096;
constexpr double kMaxResponseSeconds = 1.5;
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

void DisplayZarvinStatus::gSendCommand(const std::string& cmd, bool addLF, double delaySeconds) {
  int waits = 0;
  try {
    while (MSComm1.outBufferCount() != 0 && waits < 10) {
      ++waits;
      gDelay(0.01);
    }
  } catch (const RuntimeError&) {
    // The control's errors are passed over here, as the original did.
  }
  if (waits >= 10) return;
  try {
    MSComm1.output(addLF ? cmd + "\n" : cmd);
  } catch (const RuntimeError&) {
  }
  if (delaySeconds != 0) gDelay(delaySeconds);
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
  double quietStart = now();
  double readStart = quietStart;
  for (double quiet = 0; quiet < kQuietPeriod; quiet = elapsedSince(quietStart)) {
    if (count >= kMaxResponseChars || elapsedSince(readStart) >= kMaxResponseSeconds) break;
    MSComm1.waitForInput(std::min(kQuietPeriod - quiet, kMaxResponseSeconds), count);
    int waiting = MSComm1.inBufferCount();
    if (waiting > count) {
      count = waiting;
      quietStart = now();
    }
  }
  gInData = MSComm1.input();  // takes and empties in one step: nothing arriving now is lost
  if (gInData.empty()) return;
  frm.lblComStat.caption = "Com OK";
  gParseInData(gInData);
  gGotHashDot = gGotHash && gGotDot;
}

void DisplayZarvinStatus::gFlushInput() {
  std::string s = MSComm1.input();
  if (!s.empty()) gParseInData(s);
}

void DisplayZarvinStatus::gSendSync(const std::string& syncChar) {
  try {
    if (gLastSyncTime == 0) gLastSyncTime = now();
    double elapsed = now() - gLastSyncTime;
    bool send = elapsed > kSyncPeriod || changesShownState(syncChar, frm.lblXMTRCV.caption);
    if (send) {
      gSendCommand(syncChar, false, 0.1);
      gLastSyncTime = now();
      ++gSyncCount;
      frm.lblU.caption = syncChar;
      frm.lblU.backColor = ui::kWhite;
    } else if (elapsed > kSyncPeriod / 2) {
      frm.lblU.caption = "";
    } else if (static_cast<float>(gLastSyncTime) > static_cast<float>(now())) {
      gLastSyncTime -= 86400.0;
    }
  } catch (const RuntimeError& e) {
    gShowInfo(errorText("gSendSync", e));
  }
}

double DisplayZarvinStatus::secondsToSyncDue(const std::string& syncChar) const {
  double elapsed = now() - gLastSyncTime;
  // The first call, a state change and a midnight to correct are all due at once.
  if (gLastSyncTime == 0 || elapsed < 0 || changesShownState(syncChar, frm.lblXMTRCV.caption)) {
    return 0;
  }
  double due =
      elapsed <= kSyncPeriod / 2 && !frm.lblU.caption->empty() ? kSyncPeriod / 2 : kSyncPeriod;
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
