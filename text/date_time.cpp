#include "text/date_time.h"

namespace kalvori {
namespace {

constexpr int kMonthLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Day numbers of 0001-01-01 and of 1970-01-01 differ by this many days.
constexpr std::int64_t kUnixEpochDayNumber = 719163;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

}  // namespace

bool IsLeapYear(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(std::int64_t year, int month) {
  if (month == 2 && IsLeapYear(year)) return 29;
  return kMonthLengths[month];
}

// Counts days in "civil years" that start on March 1, so that the leap day is
// the last day of such a year; then a year is 365 days plus the usual rule.
std::int64_t DayNumberFromCivil(std::int64_t year, int month, int day) {
  const std::int64_t y = month <= 2 ? year - 1 : year;
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yearOfEra = y - era * 400;                           // [0, 399]
  const std::int64_t monthFromMarch = month > 2 ? month - 3 : month + 9;  // [0, 11]
  const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const std::int64_t unixDays = era * 146097 + dayOfEra - 719468;
  return unixDays + kUnixEpochDayNumber;
}

// The inverse of the above: find the 400-year era, then the year within it
// (correcting for the 4-, 100- and 400-year leap rules), then month and day
// from the day of the March-based year.
CivilDate CivilFromDayNumber(std::int64_t dayNumber) {
  const std::int64_t z = dayNumber - kUnixEpochDayNumber + 719468;
  const std::int64_t era = FloorDiv(z, 146097);
  const std::int64_t dayOfEra = z - era * 146097;  // [0, 146096]
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // [0, 399]
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;  // [0, 11]
  CivilDate date;
  date.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  date.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
  return date;
}

void DecodeDate(std::int64_t dayNumber, DecodedMoment& moment) {
  moment.date = dayNumber > 0 ? CivilFromDayNumber(dayNumber) : CivilDate{};
  moment.weekday = static_cast<int>(dayNumber - FloorDiv(dayNumber, 7) * 7) + 1;
}

DecodedMoment DecodeDateTime(DateTimeValue value) {
  const DayAndTime split = SplitDateTime(value);
  DecodedMoment moment;
  DecodeDate(split.dayNumber, moment);
  DecodeTimeOfDay(split.msOfDay, moment);
  return moment;
}

DateTimeValue EncodeDateTime(const LocalTimeFields& f) {
  const std::int64_t days = DayNumberFromCivil(f.year, f.month, f.day) - kDayNumberOfEpoch;
  const std::int64_t ms =
      f.hour * 3600000LL + f.minute * 60000LL + f.second * 1000LL + f.millisecond;
  return static_cast<double>(days) + static_cast<double>(ms) / kMillisecondsPerDay;
}

}  // namespace kalvori
