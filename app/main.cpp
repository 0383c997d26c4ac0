// The program: the front panel on FLTK, the serial port through termios, the wall clock and
// the text files of the folder it was started in.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/child_windows.h"
#include "panel/frmZarvin.h"
#include "platform/clock.h"
#include "platform/runtime_error.h"
#include "platform/serial/termios_port.h"
#include "platform/text_files.h"
#include "platform/ui/fltk/display.h"
#include "platform/ui/fltk/end_signals.h"
#include "platform/ui/fltk/fltk_ui.h"

namespace {

std::string workingFolder() {
  char path[PATH_MAX];
  return getcwd(path, sizeof path) != nullptr ? path : ".";
}

}  // namespace

int main() {
  std::string noDisplay = ui::fltk::connectDisplay();
  if (!noDisplay.empty()) {
    std::fprintf(stderr, "zarvin: %s\n", noDisplay.c_str());
    return 1;
  }
  std::string folder = workingFolder();
  WallClock clock;
  ui::fltk::FltkUi ui("Zarvin");
  TermiosSerialPort port(folder);
  // The window loop wakes as soon as the radio's answer arrives, not at its next tick.
  port.onDescriptorToWatch = [&ui](int fd) { ui.watchFileDescriptor(fd); };
  TextFiles files(folder);
  Platform platform{clock, ui, port, files};
  frmZarvin main(platform);
  wireChildWindows(main);
  // SIGTERM, SIGHUP and SIGINT end the program as its close box does.
  ui::fltk::EndSignals endSignals(ui);
  // Without a display the radio still goes back to receive before the program ends.
  ui::fltk::onDisplayLost([&main] {
    main.endWithoutWindows();
    std::fprintf(stderr, "zarvin: the connection to the display \"%s\" was lost\n",
                 std::getenv("DISPLAY"));
  });
  try {
    main.Form_Load();
  } catch (const ProgramEnd& end) {
    return end.exitCode;
  }
  return 0;
}
