// The end of the program: the window's close box, File > Exit, a signal that ends it, and the
// loss of the display.
#include "panel/frmZarvin.h"
#include "platform/runtime_error.h"

void frmZarvin::Form_QueryUnload(bool& cancel) {
  (void)cancel;  // the shutdown never cancels
  endLink([this](double seconds) { link.gDelay(seconds); });
  platform.ui.endProgram();
}

void frmZarvin::mnuFileExit_Click() {
  bool cancel = false;
  Form_QueryUnload(cancel);
}

void frmZarvin::endWithoutWindows() {
  // Nothing may enter the window system again: its connection is gone. The port's own wait
  // still pushes queued output on and passes the time, and what comes in is dropped.
  SerialPort& port = link.MSComm1;
  endLink([&](double seconds) {
    double start = link.now();
    for (double elapsed = 0; elapsed < seconds; elapsed = link.elapsedSince(start)) {
      port.waitForInput(seconds - elapsed);
      if (port.inBufferCount() > 0) port.input();
    }
  });
}

void frmZarvin::endLink(const std::function<void(double)>& wait) {
  SerialPort& port = link.MSComm1;
  // A transmitter keyed from the panel goes back to receive before the link ends, also one kept
  // keyed through LOCAL operation or still in a keying click's wait. So does one whose last word
  // was "K": its "U" may have been answered "K" under its own front panel, which may have just
  // handed it back.
  bool owesReceive = link.transmitter.keyed() || link.gXmit;
  // A closed port owes nothing, unless that "U" is owed: its device went away and the panel has
  // not reopened it yet.
  if (!port.portOpen() && !owesReceive) return;
  try {
    // A device that went away and is back is reached only through a fresh opening; one still
    // away refuses it, and nothing goes on the line.
    if (port.deviceGone()) port.setPortOpen(false);
    if (!port.portOpen()) port.setPortOpen(true);
    // Nothing that runs inside the waits below keys it again.
    if (owesReceive) {
      port.output("U");
      link.gSyncChar = "U";
      link.gAmpTuning = false;
      wait(0.1);
    }
    port.output("G00\n");
    wait(0.3);
    if (port.inBufferCount() > 0) port.input();
    port.setPortOpen(false);
  } catch (const RuntimeError&) {
    // The program ends whatever the line does.
  }
}
