#pragma once
#include <chrono>
#include <map>
#include <optional>
#include <vector>

#include "tools/radiosim/sim_radio.h"

/// The radio's replies waiting for their time, in time order; replies due at the same
/// moment keep the order in which they were scheduled.
class ReplyQueue {
 public:
  using Clock = std::chrono::steady_clock;

  /// Each reply becomes due `reply.delay` seconds after `base`.
  void schedule(Clock::time_point base, const std::vector<RadioReply>& replies);
  /// When the earliest reply is due; nothing when the queue is empty.
  std::optional<Clock::time_point> nextDue() const;
  /// Removes and returns, in order, every reply due at `now` or earlier.
  std::vector<RadioReply> takeDue(Clock::time_point now);

 private:
  std::multimap<Clock::time_point, RadioReply> m_replies;
};
