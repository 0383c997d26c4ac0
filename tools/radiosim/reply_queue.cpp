#include "tools/radiosim/reply_queue.h"

void ReplyQueue::schedule(Clock::time_point base, const std::vector<RadioReply>& replies) {
  for (const RadioReply& reply : replies) {
    const auto due = base + std::chrono::duration_cast<Clock::duration>(
                                std::chrono::duration<double>(reply.delay));
    m_replies.emplace(due, reply);
  }
}

std::optional<ReplyQueue::Clock::time_point> ReplyQueue::nextDue() const {
  if (m_replies.empty()) return std::nullopt;
  return m_replies.begin()->first;
}

std::vector<RadioReply> ReplyQueue::takeDue(Clock::time_point now) {
  std::vector<RadioReply> due;
  auto end = m_replies.upper_bound(now);
  for (auto it = m_replies.begin(); it != end; ++it) due.push_back(it->second);
  m_replies.erase(m_replies.begin(), end);
  return due;
}
