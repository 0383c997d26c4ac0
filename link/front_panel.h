#pragma once
#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/form.h"

namespace ui {
class Ui;
}

/// The controls of the main window frmZarvin, by their names. The status displays of the link
/// write them directly, as the panel's own procedures do; the window's layout (positions,
/// fonts, colours, tooltips, ranges) is set by the panel when it builds the window.
class FrontPanel {
 public:
  explicit FrontPanel(ui::Ui& ui);
  virtual ~FrontPanel() = default;
  FrontPanel(const FrontPanel&) = delete;
  FrontPanel& operator=(const FrontPanel&) = delete;

  ui::Form form;

 private:
  ui::Control& add(ui::Kind kind, const std::string& name, ui::Control* container,
                   const std::string& caption, int index = -1);

 public:
  ui::Control& fraMeter;
  ui::Control& cmdMeter;
  ui::Control& lblMeter;
  ui::Control& lblPk;
  ui::Control& lblMeterPk;
  ui::Control& pbMeter;
  ui::Control& lblMeterScale;
  ui::Control& fraRF;
  ui::Control& sliRFGain;
  ui::Control& lblRFGain;
  ui::Control& fraBFO;
  ui::Control& cmdBFO100;
  ui::Control& cmdBFO;
  ui::Control& lblBFOState;
  ui::Control& sliBFO;
  ui::Control& lblBFOslider;
  ui::Control& fraLeftButtons;
  ui::Control& cmdMute;
  ui::Control& lblMute;
  ui::Control& cmdSideTone;
  ui::Control& lblSideTone;
  ui::Control& cmdAudio;
  ui::Control& lblInput;
  ui::Control& cmdVOX;
  ui::Control& lblVox;
  ui::Control& cmdClipping;
  ui::Control& lblClipping;
  ui::Control& cmdPTT;
  ui::Control& lblPTT;
  ui::Control& cmdTune;
  ui::Control& cmdXmit;
  ui::Control& Command3;
  ui::Control& Command4;
  ui::Control& Command5;
  ui::Control& Command6;
  ui::Control& Frame1;
  ui::Control& lblInfo;
  ui::Control& shaInBand;
  ui::Control& lblInBand;
  ui::Control& fraFreq;
  ui::Control& Command1;
  ui::Control& Command2;
  ui::Control& lblPorM;
  ui::Control& lblBFOOn;
  ui::Control& cmdMode;
  ui::Control& lblUSB;
  ui::Control& lblLSB;
  ui::Control& lblAME;
  ui::Control& lblCW;
  ui::Control& lblXMTRCV;
  ui::Control& cmdAudioSource;
  ui::Control& lblMIC;
  ui::Control& lblAUDIO2;
  ui::Control& lblPATCH;
  ui::Control& lblREMOTEAudio;
  ui::Control& cmdAGC;
  ui::Control& lblAGCSlow;
  ui::Control& lblAGCMed;
  ui::Control& lblAGCFast;
  ui::Control& lblAGCOff;
  ui::Control& fraAmp;
  ui::Control& cmdAmpPwr;
  ui::Control& lblAmpPwr;
  ui::Control& cmdAmpOpr;
  ui::Control& lblAmpOpStby;
  ui::Control& cmdTuneAmp;
  ui::Control& lblAmpTuned;
  ui::Control& fraChan;
  ui::Control& cmbChMode;
  ui::Control& fraRightButtons;
  ui::Control& cmd0;
  ui::Control& cmd1;
  ui::Control& cmd2;
  ui::Control& cmd3;
  ui::Control& cmdFreq;
  ui::Control& cmd4;
  ui::Control& cmd5;
  ui::Control& cmd6;
  ui::Control& cmdEnter;
  ui::Control& cmd7;
  ui::Control& cmd8;
  ui::Control& cmd9;
  ui::Control& cmdM2V;
  ui::Control& txtLoadCh;
  ui::Control& vscLoadCh;
  ui::Control& cmdV2M;
  ui::Control& cmdM2C;
  ui::Control& txtStoreCh;
  ui::Control& vscStoreCh;
  ui::Control& cmdC2M;
  ui::Control& fraBand;
  ui::Control& cmd10M;
  ui::Control& cmd12M;
  ui::Control& cmd15M;
  ui::Control& cmd17M;
  ui::Control& cmd20M;
  ui::Control& cmd30M;
  ui::Control& cmd40M;
  ui::Control& cmd60M;
  ui::Control& cmd75M;
  ui::Control& cmd160M;
  ui::Control& cmdWWV;
  ui::Control& cmdMARS;
  ui::Control& Label5;
  ui::Control& lblFWType;
  ui::Control& lblComStat;
  ui::Control& lblREMOTE;
  ui::Control& cmdGetStatus;
  ui::Control& cmdViewInData;
  ui::Control& lblU;
  ui::Control& shaTrace;
  ui::Control& Command7;
  ui::Control& txtInData;
  ui::Control& txtInfo;
  ui::Control& Line1;
  ui::Control& Line2;
  ui::Control& Line3;
  ui::Control& Line4;
  ui::Control& mnuFile;
  ui::Control& mnuFileExit;
  ui::Control& mnuScan;
  ui::Control& mnuScanBands;
  ui::Control& mnuScanFreqs;
  ui::Control& mnuSetup;
  ui::Control& mnuPortSetup;
  ui::Control& mnuAudioSetup;
  ui::Control& mnuHelp;
  ui::Control& mnuHelpAbout;
  ui::Control& mnuHelpZarvin;
  /// The VFO digit buttons, most significant first (10 MHz to 10 Hz).
  std::vector<ui::Control*> cmdF;
  /// The channel digit buttons, likewise.
  std::vector<ui::Control*> cmdChanF;
};
