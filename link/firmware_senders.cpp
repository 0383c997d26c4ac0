#include "link/DisplayZarvinStatus.h"

void DisplayZarvinStatus::gSetFrequency(const std::string& digits) { (void)digits; }
void DisplayZarvinStatus::gNextAGC() {}
int DisplayZarvinStatus::gModeIndex(const std::string& mode) const {
  (void)mode;
  return 0;
}
void DisplayZarvinStatus::gSetMode(const std::string& newMode) { (void)newMode; }
void DisplayZarvinStatus::gNextMode() {}
void DisplayZarvinStatus::gTogglePTT() {}
