#pragma once
#include <string>

class DisplayZarvinStatus;
class FrontPanel;

/// The transmitter as the panel keys it, in one place. Three keyers may hold it keyed: XMT and
/// TUNE, whose captions show it, and the amplifier's tune cycle (gAmpTuning); the keep-alive
/// character gSyncChar is "K" from the moment one begins to key. Every keying action and every
/// end of a transmission goes through here (save the program's end, which says its last "U"
/// itself), because other events run inside their waits (a scan menu, the band check, a LOCAL
/// report, a lost link, the close box):
/// - a keying action marks the transmitter keyed before its first wait, so that an end running
///   inside that wait finds it keyed;
/// - an end puts "U" on the line at once, never held back by the keep-alive's period;
/// - a keying action whose waits saw its transmission ended, or the transmitter no longer
///   allowed to key, keys nothing after them.
class Transmitter {
 public:
  Transmitter(DisplayZarvinStatus& link, FrontPanel& frm);

  /// A keying action's hold on the transmission it began.
  class Keying {
    friend class Transmitter;
    explicit Keying(int ends) : m_ends(ends) {}
    int m_ends;  // the ends counted when it began
  };

  /// Whether the panel holds the line keyed: a keying began and no "U" has followed (the LOCAL
  /// set-up's blank keep-alive does not unkey), or the keep-alive repeats "K", or a tune cycle
  /// runs.
  bool keyed() const;
  /// Whether the panel may key the transmitter now: REMOTE operation, no scan, and a valid
  /// frequency that the band check passes, both the radio's last reported and, until the radio
  /// reports one again, the one the panel last sent it to (an answer may be lost or late). A
  /// frequency that is no number counts as out of band.
  bool mayKey() const;
  /// Whether it may key on the frequency item `freq` ("F" and seven digits).
  bool mayKeyAt(const std::string& freq) const;
  /// Enables XMT and TUNE where it may key, disables them elsewhere. Two exceptions: a keyed
  /// one stays enabled, so that the transmitter can always go back to receive; and while one
  /// keys the other stays disabled, as the two exclude each other.
  void enableButtons(bool inBand);

  /// Marks the transmitter keyed (gSyncChar "K"). A keying action calls it before any wait.
  Keying beginKeying();
  /// Shows what the radio reported and nothing has read yet, then puts "K" on the line and waits
  /// `settle`, unless the transmission `keying` began has ended meanwhile; ends it when it may
  /// not key here (before or after that wait).
  /// Returns whether the transmission is still on.
  bool key(const Keying& keying, double settle);
  /// Back to receive: the tune cycle is over, the keep-alive character becomes "U", and "U" goes
  /// on the line at once (then `settle`) when the line was keyed. XMT and TUNE, when they show
  /// keyed, end as their own off clicks end them: the click is raised for the main loop, so
  /// that TUNE's stop and its waits run there and put back what the tune changed, and so that
  /// a user's off click made at the same moment is the same click, which must not key again.
  /// With the port closed the line counts as keyed still, its "U" owed to the next unkey. Does
  /// nothing when nothing is keyed.
  void unkey(double settle = kKeepAliveSettle);
  /// Back to receive when the radio comes back into the panel's hands (after LOCAL operation,
  /// a lost link): as unkey(), and "U" goes on the line also when the radio has not said it
  /// receives since the panel began keying, since a "U" sent while it was LOCAL (not yet known
  /// to be) was answered "K" and not obeyed, and one sent while it was silent may have been
  /// too. That "U" goes out once for each keying the panel began.
  void unkeyOnHandOver();
  /// Back to receive before a scan: as unkey(), and "U" goes on the line also when the radio's
  /// own last word says it transmits, as its hand-back may have gone unheard. The hand-over's
  /// own "U" stays owed: the radio may still be LOCAL, and deaf to this one.
  void unkeyBeforeScan();
  /// The radio has answered "U": it receives. A "U" read while a keying is on may answer a
  /// keep-alive sent before it, and says nothing of the "K".
  void receiveReported();
  /// Unkeys before the radio is retuned to `digits` (seven) where it may not key, so that the
  /// carrier never goes out of band; every retune the panel sends comes here first. Until the
  /// radio reports a frequency, mayKey() counts `digits` as where it is; empty `digits` stand
  /// for a frequency the panel does not know (a memory channel), where nothing may key.
  void unkeyBeforeRetune(const std::string& digits);
  /// The radio has reported its frequency: the panel's own last retune is confirmed or refused.
  void frequencyReported() { m_sentFreq.clear(); }

  static constexpr double kKeepAliveSettle = 0.1;

 private:
  bool lineOpen() const;
  bool showsKeyed() const;
  void raiseKeyedOffClicks();

  DisplayZarvinStatus& m_link;
  FrontPanel& m_frm;
  int m_ends = 0;               // transmissions ended so far
  bool m_lineKeyed = false;     // from a keying's start to the next "U" on an open line
  bool m_handOverOwed = false;  // from a keying's start until the radio says it receives or
                                // the hand-over's "U" goes out
  std::string m_sentFreq;       // "F" and the digits of a retune the radio has not answered yet
};
