#include "tests/support/program_rig.h"

#include "app/child_windows.h"
#include "platform/runtime_error.h"
#include "platform/ui/user_actions.h"

ProgramRig::ProgramRig(int firmware, double startSeconds)
    : HeadlessPlatform(firmware, startSeconds), start(startSeconds) {
  wireChildWindows(frm);
}

void ProgramRig::writePortSetup(const std::string& handshake) {
  folder.write("PortSetup.txt", "1\r\n9600,O,7,1\r\n" + handshake + "\r\n\r\n\r\n\r\n");
}

void ProgramRig::at(double seconds, std::function<void()> action) {
  ui.at(start + seconds, std::move(action));
}

bool ProgramRig::runFor(double seconds) {
  scheduler.setStopTime(scheduler.time() + seconds);
  try {
    frm.Form_Load();
  } catch (const StopRun&) {
    return false;
  } catch (const ProgramEnd&) {
    return true;
  }
  return false;
}

bool ProgramRig::click(const std::string& name, int index) {
  return ui::userClick(control(name, index));
}
