#include "tests/support/link_rig.h"

LinkRig::LinkRig(int firmware, double startSeconds) : HeadlessPlatform(firmware, startSeconds) {
  port.onComm = [this] { link.MSComm1_OnComm(); };
  port.postEvent = [this](std::function<void()> event) { ui.post(event); };
}

void LinkRig::openPort(const std::string& settings) {
  port.setCommPort(1);
  port.setSettings(settings);
  port.setInBufferSize(4096);
  port.setNullDiscard(true);
  port.setParityReplace(":");
  port.setPortOpen(true);
}
