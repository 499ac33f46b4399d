#include "clock/refresh_schedule.h"

#include <gtest/gtest.h>

namespace kalvori {
namespace {

constexpr std::int64_t kNoon = 12 * 3600 * 1000;

TEST(RefreshScheduleTest, OnlyPeriodsOf900MsOrMoreAreAligned) {
  EXPECT_FALSE(UsesAlignedSchedule(-5));
  EXPECT_FALSE(UsesAlignedSchedule(0));
  EXPECT_FALSE(UsesAlignedSchedule(250));
  EXPECT_FALSE(UsesAlignedSchedule(899));
  EXPECT_TRUE(UsesAlignedSchedule(900));
  EXPECT_TRUE(UsesAlignedSchedule(999));
  EXPECT_TRUE(UsesAlignedSchedule(60000));
}

TEST(RefreshScheduleTest, NextPassFallsJustAfterTheNearestWholeSecond) {
  struct Case {
    std::int64_t now;
    std::int32_t period;
    std::uint32_t delay;
  } cases[] = {
      {kNoon + 10, 999, 1000},  // on time: the next whole second
      {kNoon + 10, 900, 1000},  // 900 ms rounds up to the next second
      {kNoon + 10, 1000, 1000},
      {kNoon + 300, 999, 710},  // a late pass: catch up to the next second
      {kNoon + 499, 999, 511},
      {kNoon + 600, 999, 1410},  // nearer to the one after
      {kNoon + 10, 2000, 2000},  // two seconds
      {kNoon + 995, 999, 1015},  // just before a second
      {kNoon, 999, 1010},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AlignedDelay(c.now, c.period), c.delay)
        << c.now - kNoon << " ms, period " << c.period;
  }
}

TEST(RefreshScheduleTest, AChangeOfTheLocalTimeIsFollowedAtTheNextPass) {
  // The schedule is recomputed from the local time at every pass, so after
  // the clock is set back an hour or forward a day, passes land 10 ms after
  // whole seconds of the new time.
  for (std::int64_t now : {kNoon - 3600000 + 250, kNoon + 86400000 + 250, std::int64_t{250}}) {
    const std::int64_t next = now + AlignedDelay(now, 999);
    EXPECT_EQ(next % 1000, 10) << now;
    EXPECT_EQ(next - now, 760) << now;
  }
}

}  // namespace
}  // namespace kalvori
