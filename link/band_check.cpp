#include "link/DisplayZarvinStatus.h"

bool DisplayZarvinStatus::gIsInBand() { return false; }
void DisplayZarvinStatus::gShowInBand(bool& inBand) { (void)inBand; }
