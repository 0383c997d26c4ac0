#pragma once
#include "link/DisplayZarvinStatus.h"
#include "link/front_panel.h"
#include "tests/support/headless_platform.h"

/// The link module on the headless platform: a virtual clock, a simulated radio on an open
/// simulated port, a fresh front panel and a temporary working folder.
struct LinkRig : HeadlessPlatform {
  explicit LinkRig(int firmware = 2, double startSeconds = 36000.0);

  /// Opens port 1 with the program's settings.
  void openPort(const std::string& settings = "9600,O,7,1");
  /// Seconds since midnight now.
  double now() { return clock.now(); }

  FrontPanel panel{ui};
  DisplayZarvinStatus link{platform, panel};
};
