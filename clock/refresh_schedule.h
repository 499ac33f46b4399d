// When the next pass should run. A free-running timer drifts against the wall
// clock and is rounded to the platform's tick, so for periods of about a
// second or more each pass re-arms the timer to fall just after a whole second.
#pragma once

#include <cstdint>

namespace kalvori {

constexpr std::int32_t kAlignedScheduleMinimumPeriod = 900;
constexpr std::int64_t kAfterWholeSecondMs = 10;

inline bool UsesAlignedSchedule(std::int32_t refreshPeriod) {
  return refreshPeriod >= kAlignedScheduleMinimumPeriod;
}

// The delay from `nowMs` (local time, any millisecond count) to about 10 ms
// after the whole second nearest to nowMs + refreshPeriod.
inline std::uint32_t AlignedDelay(std::int64_t nowMs, std::int32_t refreshPeriod) {
  const std::int64_t target = nowMs + refreshPeriod;
  const std::int64_t nearestSecond = (target + 500) / 1000 * 1000;
  return static_cast<std::uint32_t>(nearestSecond + kAfterWholeSecondMs - nowMs);
}

}  // namespace kalvori
