// The end of the program: the window's close box and File > Exit.
#include "panel/frmZarvin.h"
#include "platform/runtime_error.h"

void frmZarvin::Form_QueryUnload(bool& cancel) {
  (void)cancel;  // the shutdown never cancels
  SerialPort& port = link.MSComm1;
  if (port.portOpen()) {
    try {
      // A transmitter keyed from the panel goes back to receive before the link ends, also
      // one kept keyed through LOCAL operation or still in a keying click's wait.
      if (link.transmitter.keyed()) {
        port.output("U");
        link.gDelay(0.1);
      }
      port.output("G00\n");
      link.gDelay(0.3);
      if (port.inBufferCount() > 0) port.input();
      port.setPortOpen(false);
    } catch (const RuntimeError&) {
      // The program ends whatever the line does.
    }
  }
  platform.ui.endProgram();
}

void frmZarvin::mnuFileExit_Click() {
  bool cancel = false;
  Form_QueryUnload(cancel);
}
