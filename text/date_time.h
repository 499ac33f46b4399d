// Date-time values: a double counting days from 1899-12-30, whose fraction is
// the time of day. Pure calendar arithmetic, no platform in sight.
#pragma once

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
DayAndTime SplitDateTime(DateTimeValue value);
inline void DecodeTimeOfDay(std::int64_t msOfDay, DecodedMoment& moment) {
  const int ms = static_cast<int>(msOfDay);
  moment.hour = ms / 3600000;
  moment.minute = ms / 60000 % 60;
  moment.second = ms % 60000 / 1000;
  moment.millisecond = ms % 1000;
}
void DecodeDate(std::int64_t dayNumber, DecodedMoment& moment);

DateTimeValue EncodeDateTime(const LocalTimeFields& fields);

}  // namespace kalvori
