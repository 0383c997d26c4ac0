#pragma once
#include "link/front_panel.h"

/// Whether the user has keyed the transmitter with XMT or TUNE: their captions then offer
/// the way back to receive. The amplifier's tune cycle must not unkey such a transmitter.
inline bool keyedByXmitOrTune(const FrontPanel& frm) {
  return frm.cmdXmit.caption == "&XMT OFF" || frm.cmdTune.caption == "T&UNE OFF";
}
