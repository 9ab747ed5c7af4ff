#include "database/clock.h"

#include <ctime>

namespace kestrune {

std::string LocalTimeText(Clock::TimePoint when, const char* format) {
  const std::time_t time = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&time, &local);
  char text[32];
  return std::string(text, std::strftime(text, sizeof text, format, &local));
}

}  // namespace kestrune
