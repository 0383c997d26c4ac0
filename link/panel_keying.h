#pragma once
#include "link/front_panel.h"

// The state of XMT and TUNE is their caption, compared whole, access-key marker included.
constexpr const char* kXmitOn = "&XMT ON";    // receiving: a click keys
constexpr const char* kXmitOff = "&XMT OFF";  // transmitting: a click unkeys
constexpr const char* kTuneOn = "T&UNE ON";
constexpr const char* kTuneOff = "T&UNE OFF";

/// Enables XMT and TUNE for a frequency in band, disables them out of it. Two exceptions: a
/// keyed one stays enabled, so that the transmitter can always go back to receive; and while
/// one keys the transmitter the other stays disabled, as the two exclude each other.
inline void enableTransmitButtons(FrontPanel& frm, bool inBand) {
  bool xmitKeyed = frm.cmdXmit.caption == kXmitOff;
  bool tuneKeyed = frm.cmdTune.caption == kTuneOff;
  frm.cmdXmit.enabled = (inBand || xmitKeyed) && !tuneKeyed;
  frm.cmdTune.enabled = (inBand || tuneKeyed) && !xmitKeyed;
}
