// Brings the status store onto the front panel.
#include "link/DisplayZarvinStatus.h"

void DisplayZarvinStatus::gUpdateDisplay() {}
void DisplayZarvinStatus::gShowRemote() {}
void DisplayZarvinStatus::gShowAGC() {}
void DisplayZarvinStatus::gShowMode() {}
void DisplayZarvinStatus::gShowFrequency() {}
void DisplayZarvinStatus::gShowAudioSource() {}
void DisplayZarvinStatus::gShowAudioInput() {}
void DisplayZarvinStatus::gShowClipping() {}
void DisplayZarvinStatus::gShowPTT() {}
void DisplayZarvinStatus::gShowSpeaker() {}
void DisplayZarvinStatus::gShowSideTone() {}
void DisplayZarvinStatus::gShowVOX() {}
