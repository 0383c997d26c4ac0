// Keying and unkeying the transmitter, and where it may be keyed.
#include "link/transmitter.h"

#include "link/DisplayZarvinStatus.h"
#include "link/panel_keying.h"
#include "platform/runtime_error.h"

Transmitter::Transmitter(DisplayZarvinStatus& link, FrontPanel& frm) : m_link(link), m_frm(frm) {}

bool Transmitter::keyed() const {
  return m_lineKeyed || m_link.gSyncChar == "K" || m_link.gAmpTuning;
}

bool Transmitter::mayKey() const {
  // Without a valid frequency nothing may be transmitted, whatever the permissions say.
  return m_link.gFreqValid && mayKeyAt(m_link.gFreq) &&
         (m_sentFreq.empty() || mayKeyAt(m_sentFreq));
}

bool Transmitter::mayKeyAt(const std::string& freq) const {
  // Under its own front panel the radio is not ours to key.
  if (m_link.gScanning || m_frm.lblREMOTE.caption == "LOCAL") return false;
  try {
    return m_link.isInBandAt(freq);
  } catch (const RuntimeError&) {
    return false;
  }
}

void Transmitter::enableButtons(bool inBand) {
  bool xmitKeyed = m_frm.cmdXmit.caption == kXmitOff;
  bool tuneKeyed = m_frm.cmdTune.caption == kTuneOff;
  m_frm.cmdXmit.enabled = (inBand || xmitKeyed) && !tuneKeyed;
  m_frm.cmdTune.enabled = (inBand || tuneKeyed) && !xmitKeyed;
}

Transmitter::Keying Transmitter::beginKeying() {
  m_link.gSyncChar = "K";
  m_lineKeyed = true;
  m_handOverOwed = true;
  return Keying(m_ends);
}

bool Transmitter::key(const Keying& keying, double settle) {
  auto on = [&] { return keying.m_ends == m_ends; };
  // What the radio reported while an earlier action held the main loop (a keypad entry, a
  // message box) is shown first: its band check ends this keying where it may not key.
  try {
    m_link.readWaitingResponse();
  } catch (const RuntimeError&) {
    // The port gone: nothing more is known, and the "K" below copes with the port itself.
  }
  m_link.gUpdateDisplay();
  if (on() && mayKey()) m_link.putKeepAlive("K", settle, on);
  // A LOCAL report or a retune out of band during the waits: no carrier there.
  if (on() && !mayKey()) unkey();
  return on();
}

void Transmitter::unkey(double settle) {
  bool lineKeyed = keyed();
  if (!lineKeyed && !showsKeyed()) return;
  ++m_ends;
  // A "U" that cannot reach the radio (the port closed, its device gone) is still owed: the
  // next unkey, once the port is back, sends it again.
  m_lineKeyed = lineKeyed && !lineOpen();
  m_link.gAmpTuning = false;
  m_link.gSyncChar = "U";
  if (lineKeyed) m_link.putKeepAlive("U", settle);
  raiseKeyedOffClicks();
}

void Transmitter::unkeyOnHandOver() {
  // The radio's "K" has its "U" once: its answer may still be unread at the next hand-over.
  if (m_handOverOwed && lineOpen()) {
    m_lineKeyed = true;
    m_handOverOwed = false;
  }
  unkey();
}

void Transmitter::unkeyBeforeScan() {
  if (m_link.gXmit && lineOpen()) m_lineKeyed = true;
  unkey();
}

void Transmitter::receiveReported() {
  if (!keyed()) m_handOverOwed = false;
}

void Transmitter::unkeyBeforeRetune(const std::string& digits) {
  m_sentFreq = "F" + digits;
  if (keyed() && !mayKeyAt(m_sentFreq)) unkey();
}

bool Transmitter::lineOpen() const {
  return m_link.MSComm1.portOpen() && !m_link.MSComm1.deviceGone();
}

bool Transmitter::showsKeyed() const {
  return m_frm.cmdXmit.caption == kXmitOff || m_frm.cmdTune.caption == kTuneOff;
}

void Transmitter::raiseKeyedOffClicks() {
  if (m_frm.cmdXmit.caption == kXmitOff && m_frm.cmdXmit.onClick) m_frm.cmdXmit.onClick();
  if (m_frm.cmdTune.caption == kTuneOff && m_frm.cmdTune.onClick) m_frm.cmdTune.onClick();
}
