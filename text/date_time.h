// Date-time values: a double counting days from 1899-12-30, whose fraction is
// the time of day. Pure calendar arithmetic, no platform in sight.
#pragma once

#include <cmath>
#include <cstdint>

namespace kalvori {

using DateTimeValue = double;

// Day numbers count days with 0001-01-01 as day 1 (proleptic Gregorian).
constexpr std::int64_t kDayNumberOfEpoch = 693594;  // 1899-12-30
constexpr std::int64_t kMillisecondsPerDay = 86400000;

struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// Local wall-clock fields as the platform reports them.
struct LocalTimeFields {
  int year = 1;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

bool IsLeapYear(std::int64_t year);
int DaysInMonth(std::int64_t year, int month);

std::int64_t DayNumberFromCivil(std::int64_t year, int month, int day);
CivilDate CivilFromDayNumber(std::int64_t dayNumber);

// The fields that the format language prints, decoded from one value.
struct DecodedMoment {
  CivilDate date;   // all 0 for day numbers of 0 or less
  int weekday = 0;  // 1 = Sunday .. 7 = Saturday
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// Rounds to the millisecond first, so date and time always agree.
DecodedMoment DecodeDateTime(DateTimeValue value);

// The two halves of the decoding: the rounded day number and millisecond of
// the day, then the calendar date (the costlier half) only when needed.
struct DayAndTime {
  std::int64_t dayNumber;  // 0001-01-01 is day 1
  std::int64_t msOfDay;
};
// Inline: it runs on every formatting.
inline DayAndTime SplitDateTime(DateTimeValue value) {
  // Beyond this many days either way the value is clamped: far outside years
  // 1 to 9999, yet the millisecond count stays exact and far from overflow.
  constexpr double kMaxDays = 1.0e11;
  constexpr double kMsPerDay = static_cast<double>(kMillisecondsPerDay);
  if (!(value >= 0 && value <= kMaxDays)) {  // rare: NaN, huge, or before 1899-12-30
    if (std::isnan(value)) {
      value = 0;
    } else if (value > kMaxDays) {
      value = kMaxDays;
    } else {
      // Half away from zero, as llround; the fraction's magnitude is the
      // time of day.
      if (value < -kMaxDays) value = -kMaxDays;
      const auto t = static_cast<std::int64_t>(-value * kMsPerDay + 0.5);
      return {kDayNumberOfEpoch - t / kMillisecondsPerDay, t % kMillisecondsPerDay};
    }
  }
  // Half up; exact here, since the count stays far below 2^52.
  const auto t = static_cast<std::uint64_t>(value * kMsPerDay + 0.5);
  const auto perDay = static_cast<std::uint64_t>(kMillisecondsPerDay);
  return {static_cast<std::int64_t>(t / perDay) + kDayNumberOfEpoch,
          static_cast<std::int64_t>(t % perDay)};
}
inline void DecodeTimeOfDay(std::int64_t msOfDay, DecodedMoment& moment) {
  // Each count straight from the milliseconds: short chains of arithmetic.
  const auto ms = static_cast<std::uint32_t>(msOfDay);  // below 86,400,000
  const std::uint32_t hour = ms / 3600000;
  const std::uint32_t minuteOfDay = ms / 60000;
  const std::uint32_t secondOfDay = ms / 1000;
  moment.hour = static_cast<int>(hour);
  moment.minute = static_cast<int>(minuteOfDay - hour * 60);
  moment.second = static_cast<int>(secondOfDay - minuteOfDay * 60);
  moment.millisecond = static_cast<int>(ms - secondOfDay * 1000);
}
void DecodeDate(std::int64_t dayNumber, DecodedMoment& moment);

DateTimeValue EncodeDateTime(const LocalTimeFields& fields);

}  // namespace kalvori
