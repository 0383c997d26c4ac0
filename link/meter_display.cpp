#include "link/DisplayZarvinStatus.h"

void DisplayZarvinStatus::gShowMeterFunction() {}
void DisplayZarvinStatus::gDisplayMeterData(const std::string& line) { (void)line; }
