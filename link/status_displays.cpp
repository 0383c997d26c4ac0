// Brings the status store onto the front panel: the dispatcher and the simple displays.
#include <initializer_list>

#include "link/DisplayZarvinStatus.h"
#include "link/frequency_text.h"
#include "platform/runtime_error.h"

namespace {

void dim(std::initializer_list<ui::Control*> labels) {
  for (ui::Control* l : labels) l->foreColor = ui::kSysGrayText;
}

void bright(ui::Control& label) {
  label.foreColor = ui::kSysButtonText;
}

/// Shows one of several state labels bright for the code that names it; all dim for others.
void showOneOf(const std::string& item, std::initializer_list<const char*> codes,
               std::initializer_list<ui::Control*> labels) {
  dim(labels);
  auto label = labels.begin();
  for (const char* code : codes) {
    if (item == code) bright(**label);
    ++label;
  }
}

/// A caption chosen by code; any other code leaves the caption as it is.
void showCaption(ui::Control& label, const std::string& item,
                 std::initializer_list<std::pair<const char*, const char*>> table) {
  for (const auto& [code, caption] : table) {
    if (item == code) label.caption = caption;
  }
}

}  // namespace

bool DisplayZarvinStatus::hasStatusToShow() const {
  for (bool news : {gRemoteNew, gAGCNew, gModeNew, gFreqNew, gAudioSourceNew, gAudioInputNew,
                    gClippingNew, gMeterFuncNew, gPTTNew, gSpeakerNew, gSideToneNew, gVOXNew,
                    gAmpNew, gAmpTuneNew, gChannelNew}) {
    if (news) return true;
  }
  return false;
}

void DisplayZarvinStatus::gUpdateDisplay() {
  try {
    if (gRemoteNew) {
      gShowRemote();
      gRemoteNew = false;
    }
    if (gAGCNew) {
      gShowAGC();
      gAGCNew = false;
    }
    if (gModeNew) {
      gShowMode();
      gModeNew = false;
    }
    if (gFreqNew) {
      gShowFrequency();
      gFreqNew = false;
      // The band check works on its own copy: while scanning it is forced out of band.
      bool inBand = gIsInBand();
      gShowInBand(inBand);
    }
    if (gAudioSourceNew) {
      gShowAudioSource();
      gAudioSourceNew = false;
    }
    if (gAudioInputNew) {
      gShowAudioInput();
      gAudioInputNew = false;
    }
    if (gClippingNew) {
      gShowClipping();
      gClippingNew = false;
    }
    if (gMeterFuncNew) {
      gShowMeterFunction();
      gMeterFuncNew = false;
    }
    if (gPTTNew) {
      gShowPTT();
      gPTTNew = false;
    }
    if (gSpeakerNew) {
      gShowSpeaker();
      gSpeakerNew = false;
    }
    if (gSideToneNew) {
      gShowSideTone();
      gSideToneNew = false;
    }
    if (gVOXNew) {
      gShowVOX();
      gVOXNew = false;
    }
    if (gAmpNew) {
      gShowAmpState();
      gShowAmpTune();
      gAmpNew = false;
    }
    if (gAmpTuneNew) {
      gShowAmpTune();
      gAmpTuneNew = false;
    }
    if (gChannelNew) {
      // Padded again: a flag raised before any channel line was stored shows blanks.
      const FixedText<11> channel = gChannel.str();
      for (int i = 0; i < 7; ++i) frm.cmdChanF[i]->caption = channel.str().substr(i + 3, 1);
      showCaption(frm.cmbChMode, channel.str().substr(10, 1),
                  {{"1", "U"}, {"2", "L"}, {"3", "A"}, {"4", "C"}});
      gChannelNew = false;
    }
  } catch (const RuntimeError& e) {
    gShowInfo(errorText("gUpdateDisplay", e));
  }
}

void DisplayZarvinStatus::gShowRemote() {
  bool wasLocal = frm.lblREMOTE.caption == "LOCAL";
  frm.lblREMOTE.foreColor = ui::kSysButtonText;
  showCaption(frm.lblREMOTE, gRemote, {{"R1", "REMOTE"}, {"R0", "LOCAL"}});
  // Handed back with the carrier LOCAL operation kept on: it ends as soon as any loop reads the
  // report (a band list's, a sweeping scan window's), not only when the REMOTE set-up comes. A
  // radio that says it transmits while the panel keys nothing was LOCAL too, its report lost.
  bool handedBack = wasLocal || (gXmit && !transmitter.keyed());
  if (handedBack && frm.lblREMOTE.caption == "REMOTE") transmitter.unkeyOnHandOver();
}

void DisplayZarvinStatus::gShowAGC() {
  showOneOf(gAGC, {"A1", "A2", "A3", "A4"},
            {&frm.lblAGCOff, &frm.lblAGCSlow, &frm.lblAGCMed, &frm.lblAGCFast});
}

void DisplayZarvinStatus::gShowMode() {
  showOneOf(gMode, {"M1", "M2", "M3", "M4"}, {&frm.lblUSB, &frm.lblLSB, &frm.lblAME, &frm.lblCW});
}

void DisplayZarvinStatus::gShowFrequency() {
  if (!isFrequencyItem(gFreq)) return;
  for (int i = 0; i < 7; ++i) frm.cmdF[i]->caption = gFreq.str().substr(i + 1, 1);
}

void DisplayZarvinStatus::gShowAudioSource() {
  if (gAudioSource != "H1" && gAudioSource != "H2" && gAudioSource != "H3") return;
  showOneOf(gAudioSource, {"H1", "H2", "H3"}, {&frm.lblMIC, &frm.lblAUDIO2, &frm.lblPATCH});
}

void DisplayZarvinStatus::gShowAudioInput() {
  if (gAudioInput == "\"0") {
    frm.cmdAudioSource.enabled = false;
    frm.lblInput.caption = "REMOTE";
    dim({&frm.lblMIC, &frm.lblAUDIO2, &frm.lblPATCH});
    bright(frm.lblREMOTEAudio);
  } else if (gAudioInput == "\"1") {
    frm.lblInput.caption = "LOCAL";
    dim({&frm.lblREMOTEAudio});
    gShowAudioSource();
    frm.cmdAudioSource.enabled = true;
  }
}

void DisplayZarvinStatus::gShowClipping() {
  showCaption(frm.lblClipping, gClipping, {{"I0", "OFF"}, {"I1", "ON"}});
}

void DisplayZarvinStatus::gShowPTT() {
  showCaption(frm.lblPTT, gPTT, {{"'0", "OFF"}, {"'1", "ON"}});
}

void DisplayZarvinStatus::gShowSpeaker() {
  showCaption(frm.lblMute, gSpeaker, {{"(0", "OFF"}, {"(1", "ON"}});
}

void DisplayZarvinStatus::gShowSideTone() {
  showCaption(frm.lblSideTone, gSideTone, {{"S0", "OFF"}, {"S1", "ON"}});
}

void DisplayZarvinStatus::gShowVOX() {
  showCaption(frm.lblVox, gVOX, {{"V0", "OFF"}, {"V1", "VOICE"}, {"V2", "DATA"}});
}
