#include "panel/frmZarvin.h"

#include "platform/runtime_error.h"
#include "platform/ui/form.h"

frmZarvin::frmZarvin(Platform& p) : FrontPanel(p.ui), platform(p), link(p, *this) {
  wireEvents();
}

void frmZarvin::wireEvents() {
  cmdAudioSource.onClick = [this] { cmdAudioSource_Click(); };
  cmdAGC.onClick = [this] { cmdAGC_Click(); };
  cmdAudio.onClick = [this] { cmdAudio_Click(); };
  cmdBFO.onClick = [this] { cmdBFO_Click(); };
  cmdBFO100.onClick = [this] { cmdBFO100_Click(); };
  cmdClipping.onClick = [this] { cmdClipping_Click(); };
  cmd160M.onClick = [this] { cmd160M_Click(); };
  cmd75M.onClick = [this] { cmd75M_Click(); };
  cmd60M.onClick = [this] { cmd60M_Click(); };
  cmd40M.onClick = [this] { cmd40M_Click(); };
  cmd30M.onClick = [this] { cmd30M_Click(); };
  cmd20M.onClick = [this] { cmd20M_Click(); };
  cmd17M.onClick = [this] { cmd17M_Click(); };
  cmd15M.onClick = [this] { cmd15M_Click(); };
  cmd12M.onClick = [this] { cmd12M_Click(); };
  cmd10M.onClick = [this] { cmd10M_Click(); };
  cmdWWV.onClick = [this] { cmdWWV_Click(); };
  cmdMARS.onClick = [this] { cmdMARS_Click(); };
  cmdMeter.onClick = [this] { cmdMeter_Click(); };
  cmdFreq.onClick = [this] { cmdFreq_Click(); };
  cmdMode.onClick = [this] { cmdMode_Click(); };
  cmdMute.onClick = [this] { cmdMute_Click(); };
  cmdPTT.onClick = [this] { cmdPTT_Click(); };
  cmdSideTone.onClick = [this] { cmdSideTone_Click(); };
  cmdTune.onClick = [this] { cmdTune_Click(); };
  cmdViewInData.onClick = [this] { cmdViewInData_Click(); };
  cmdVOX.onClick = [this] { cmdVOX_Click(); };
  cmdXmit.onClick = [this] { cmdXmit_Click(); };
  cmdAmpPwr.onClick = [this] { cmdAmpPwr_Click(); };
  cmdAmpOpr.onClick = [this] { cmdAmpOpr_Click(); };
  cmdTuneAmp.onClick = [this] { cmdTuneAmp_Click(); };
  cmdM2V.onClick = [this] { cmdM2V_Click(); };
  cmdV2M.onClick = [this] { cmdV2M_Click(); };
  cmdM2C.onClick = [this] { cmdM2C_Click(); };
  cmdC2M.onClick = [this] { cmdC2M_Click(); };
  cmdGetStatus.onClick = [this] { cmdGetStatus_Click(); };
  cmd0.onClick = [this] { cmd0_Click(); };
  cmd1.onClick = [this] { cmd1_Click(); };
  cmd2.onClick = [this] { cmd2_Click(); };
  cmd3.onClick = [this] { cmd3_Click(); };
  cmd4.onClick = [this] { cmd4_Click(); };
  cmd5.onClick = [this] { cmd5_Click(); };
  cmd6.onClick = [this] { cmd6_Click(); };
  cmd7.onClick = [this] { cmd7_Click(); };
  cmd8.onClick = [this] { cmd8_Click(); };
  cmd9.onClick = [this] { cmd9_Click(); };
  cmdEnter.onClick = [this] { cmdEnter_Click(); };
  for (int i = 0; i < 7; ++i) {
    cmdF[i]->onMouseDown = [this, i](int button, int shift) { cmdF_MouseDown(i, button, shift); };
    cmdF[i]->onMouseUp = [this, i](int button, int shift) { cmdF_MouseUp(i, button, shift); };
    cmdChanF[i]->onMouseDown = [this, i](int button, int shift) {
      cmdChanF_MouseDown(i, button, shift);
    };
    cmdChanF[i]->onMouseUp = [this, i](int button, int shift) {
      cmdChanF_MouseUp(i, button, shift);
    };
  }
  txtLoadCh.onGotFocus = [this] { txtLoadCh_GotFocus(); };
  vscLoadCh.onChange = [this] { vscLoadCh_Change(); };
  txtStoreCh.onGotFocus = [this] { txtStoreCh_GotFocus(); };
  vscStoreCh.onChange = [this] { vscStoreCh_Change(); };
  sliBFO.onScroll = [this] { sliBFO_Scroll(); };
  sliRFGain.onScroll = [this] { sliRFGain_Scroll(); };
  mnuFileExit.onClick = [this] { mnuFileExit_Click(); };
  mnuScanBands.onClick = [this] { mnuScanBands_Click(); };
  mnuScanFreqs.onClick = [this] { mnuScanFreqs_Click(); };
  mnuPortSetup.onClick = [this] { mnuPortSetup_Click(); };
  mnuAudioSetup.onClick = [this] { mnuAudioSetup_Click(); };
  mnuHelpAbout.onClick = [this] { mnuHelpAbout_Click(); };
  mnuHelpZarvin.onClick = [this] { mnuHelpZarvin_Click(); };
  form.onQueryUnload = [this](bool& cancel) { Form_QueryUnload(cancel); };
  // A signal ends the program as the close box does, whatever window or wait runs.
  platform.ui.onEndRequest = [this] { form.close(); };
  platform.port.onComm = [this] { link.MSComm1_OnComm(); };
  // Line events are window messages: they arrive at the next yield, after the read under way.
  platform.port.postEvent = [this](std::function<void()> event) { platform.ui.post(event); };
}

frmZarvin::~frmZarvin() {
  platform.ui.onEndRequest = nullptr;
}

void frmZarvin::openChild(const std::function<void()>& open, const std::string& formName) {
  if (open) {
    open();
    return;
  }
  // A window not built yet: an empty one of its name, with the same modal flow.
  ui::Form placeholder(platform.ui, formName);
  placeholder.caption = formName;
  placeholder.width = 4800;
  placeholder.height = 3600;
  placeholder.onUnload = [this] { form.enabled = true; };
  placeholder.showModal();
}
