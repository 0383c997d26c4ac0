#pragma once
#include "platform/platform.h"
#include "tests/support/headless_ui.h"
#include "tests/support/scheduler.h"
#include "tests/support/sim_serial_port.h"
#include "tests/support/temp_folder.h"
#include "tools/radiosim/sim_radio.h"

/// The headless platform of one test: a virtual clock starting at startSeconds, the window
/// services, the simulated radio on a simulated port, and a temporary working folder.
struct HeadlessPlatform {
  HeadlessPlatform(int firmware, double startSeconds) : scheduler(startSeconds), radio(firmware) {}

  TempFolder folder;
  Scheduler scheduler;
  VirtualClock clock{scheduler};
  HeadlessUi ui{scheduler, folder.path()};
  SimRadio radio;
  SimSerialPort port{scheduler, radio};
  TextFiles files{folder.path()};
  Platform platform{clock, ui, port, files};
};
