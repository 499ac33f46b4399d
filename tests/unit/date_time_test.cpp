#include "text/date_time.h"

#include <gtest/gtest.h>

#include <limits>

namespace kalvori {
namespace {

// Walks the calendar one day at a time with nothing but month lengths, and
// checks both conversions against it for every day of years 1 to 9999.
TEST(CalendarTest, EveryDayFromYear1To9999MatchesADayByDayWalk) {
  int year = 1, month = 1, day = 1;
  for (std::int64_t dayNumber = 1;; ++dayNumber) {
    const CivilDate date = CivilFromDayNumber(dayNumber);
    ASSERT_EQ(date.year, year) << dayNumber;
    ASSERT_EQ(date.month, month) << dayNumber;
    ASSERT_EQ(date.day, day) << dayNumber;
    ASSERT_EQ(DayNumberFromCivil(year, month, day), dayNumber);
    if (year == 9999 && month == 12 && day == 31) {
      EXPECT_EQ(dayNumber, 3652059);
      break;
    }
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (++day > lengths[month - 1]) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
}

// The sum formula: years before, leap days before, month lengths, day.
std::int64_t DayNumberBySummation(int y, int m, int d) {
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::int64_t n = (y - 1) * 365LL + (y - 1) / 4 - (y - 1) / 100 + (y - 1) / 400;
  for (int i = 1; i < m; ++i) n += lengths[i - 1];
  return n + d;
}

TEST(CalendarTest, EncodingAgreesWithTheSummationFormula) {
  struct Case {
    int y, m, d;
  } cases[] = {{1, 1, 1},     {1899, 12, 30}, {1900, 2, 28}, {1900, 3, 1},
               {2000, 2, 29}, {2016, 6, 19},  {2100, 3, 1},  {9999, 12, 31}};
  for (const auto& c : cases) {
    EXPECT_EQ(DayNumberFromCivil(c.y, c.m, c.d), DayNumberBySummation(c.y, c.m, c.d));
  }
  EXPECT_EQ(DayNumberFromCivil(1899, 12, 30), kDayNumberOfEpoch);
  EXPECT_EQ(DayNumberFromCivil(2016, 6, 19) - kDayNumberOfEpoch, 42540);
}

TEST(DecodeDateTimeTest, FieldsOfKnownValues) {
  struct Case {
    double value;
    int year, month, day, weekday, hour, minute, second, ms;
  } cases[] = {
      {42540.0 + (14 * 3600000 + 5 * 60000 + 9250) / 86400000.0, 2016, 6, 19, 1, 14, 5, 9, 250},
      {0.0, 1899, 12, 30, 7, 0, 0, 0, 0},
      {0.5, 1899, 12, 30, 7, 12, 0, 0, 0},
      {-1.25, 1899, 12, 29, 6, 6, 0, 0, 0},  // the fraction's magnitude is the time
      {-693593.0, 1, 1, 1, 2, 0, 0, 0, 0},   // 0001-01-01, a Monday
      {2958465.0, 9999, 12, 31, 6, 0, 0, 0, 0},
      {-693594.0, 0, 0, 0, 1, 0, 0, 0, 0},  // day number 0: no date
      {-0.0, 1899, 12, 30, 7, 0, 0, 0, 0},
      {-0.3 / 86400000.0, 1899, 12, 30, 7, 0, 0, 0, 0},  // rounds to the epoch
      {-0.7 / 86400000.0, 1899, 12, 30, 7, 0, 0, 0, 1},  // its magnitude rounds up
      {std::numeric_limits<double>::quiet_NaN(), 1899, 12, 30, 7, 0, 0, 0, 0},  // as 0
  };
  for (const auto& c : cases) {
    const DecodedMoment m = DecodeDateTime(c.value);
    EXPECT_EQ(m.date.year, c.year) << c.value;
    EXPECT_EQ(m.date.month, c.month) << c.value;
    EXPECT_EQ(m.date.day, c.day) << c.value;
    EXPECT_EQ(m.weekday, c.weekday) << c.value;
    EXPECT_EQ(m.hour, c.hour) << c.value;
    EXPECT_EQ(m.minute, c.minute) << c.value;
    EXPECT_EQ(m.second, c.second) << c.value;
    EXPECT_EQ(m.millisecond, c.ms) << c.value;
  }
}

TEST(DecodeDateTimeTest, LessThanHalfAMillisecondBeforeMidnightIsTheNextDay) {
  const double value = 42540.0 + 1.0 - 0.4 / 86400000.0;
  const DecodedMoment m = DecodeDateTime(value);
  EXPECT_EQ(m.date.day, 20);
  EXPECT_EQ(m.hour, 0);
  EXPECT_EQ(m.minute, 0);
  EXPECT_EQ(m.second, 0);
  EXPECT_EQ(m.millisecond, 0);
}

TEST(DecodeDateTimeTest, ValuesFarOutOfRangeDecodeWithoutFault) {
  for (double v : {1e300, -1e300, std::numeric_limits<double>::quiet_NaN(),
                   std::numeric_limits<double>::infinity()}) {
    const DecodedMoment m = DecodeDateTime(v);
    EXPECT_GE(m.hour, 0);
    EXPECT_LT(m.hour, 24);
  }
}

TEST(EncodeDateTimeTest, RoundTripsEveryMillisecondFieldOfADay) {
  for (int ms = 0; ms < 86400000; ms += 999) {
    LocalTimeFields f{2026, 12, 11, ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000};
    const DecodedMoment m = DecodeDateTime(EncodeDateTime(f));
    ASSERT_EQ(m.date.day, 11);
    ASSERT_EQ(((m.hour * 60 + m.minute) * 60 + m.second) * 1000 + m.millisecond, ms);
  }
}

}  // namespace
}  // namespace kalvori
