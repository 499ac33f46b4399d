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
// after a whole second: the period's count of whole seconds (at least one)
// after the start of the current second. For a pass on schedule, that is the
// whole second nearest to nowMs + refreshPeriod; a pass that ran late (the
// first one, say, which runs at the plain period) or fired early still lands
// on the next second instead of skipping one.
inline std::uint32_t AlignedDelay(std::int64_t nowMs, std::int32_t refreshPeriod) {
  const std::int64_t wholeSeconds = (static_cast<std::int64_t>(refreshPeriod) + 500) / 1000;
  const std::int64_t currentSecond = nowMs - nowMs % 1000;
  const std::int64_t target =
      currentSecond + (wholeSeconds > 1 ? wholeSeconds : 1) * 1000 + kAfterWholeSecondMs;
  return static_cast<std::uint32_t>(target - nowMs);
}

}  // namespace kalvori
