#pragma once

/// The program's one clock: seconds since midnight, as the original timer gave them.
/// It jumps back by 86400 at midnight; every wait corrects for that itself.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual double now() = 0;
};

/// Local wall-clock time of day.
class WallClock final : public Clock {
 public:
  double now() override;
};
