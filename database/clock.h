#pragma once

#include <chrono>
#include <string>

namespace kestrune {

// Where the program learns the time (for the stamps of backups), so that a caller can fix it.
class Clock {
 public:
  using TimePoint = std::chrono::system_clock::time_point;
  virtual ~Clock() = default;
  virtual TimePoint Now() const = 0;
};

// The computer's clock.
class SystemClock final : public Clock {
 public:
  TimePoint Now() const override { return std::chrono::system_clock::now(); }
};

// A clock that always tells the time it was given.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(TimePoint now) : now_(now) {}
  TimePoint Now() const override { return now_; }

 private:
  TimePoint now_;
};

// `when` in the computer's time zone, written by strftime's `format` (at most 31 bytes).
std::string LocalTimeText(Clock::TimePoint when, const char* format);

}  // namespace kestrune
