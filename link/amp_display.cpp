#include "link/DisplayZarvinStatus.h"

void DisplayZarvinStatus::gShowAmpState() {}
void DisplayZarvinStatus::gShowAmpTune() {}
