#include "link/DisplayZarvinStatus.h"
#include "platform/runtime_error.h"

void DisplayZarvinStatus::gShowInfo(const std::string& text) {
  frm.txtInfo.caption = text;
  frm.txtInfo.visible = true;
}

bool DisplayZarvinStatus::fileExists(const std::string& fileName) {
  gShowInfo("");
  try {
    platform.files.probe(fileName);
    return true;
  } catch (const RuntimeError& e) {
    gShowInfo(errorText("fileExists(" + fileName + ")", e));
    return false;
  }
}

bool DisplayZarvinStatus::gPortExists(int portNumber) { return MSComm1.portExists(portNumber); }
