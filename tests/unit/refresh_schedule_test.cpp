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

TEST(RefreshScheduleTest, NextPassFallsJustAfterTheNextWholeSecond) {
  struct Case {
    std::int64_t now;
    std::int32_t period;
    std::uint32_t delay;
  } cases[] = {
      {kNoon + 10, 999, 1000},  // on time: the next whole second
      {kNoon + 10, 900, 1000},  // 900 ms counts as one second
      {kNoon + 10, 1000, 1000},   {kNoon + 10, 1499, 1000},
      {kNoon + 10, 2000, 2000},  // two seconds
      {kNoon + 10, 60000, 60000}, {kNoon, 999, 1010},
      {kNoon + 300, 999, 710},  // a late pass catches up with the next second
      {kNoon + 700, 999, 310},  // also when nearer to the one after: none is skipped
      {kNoon + 995, 999, 15},   // a pass that fired early still shows the next second
      {kNoon + 700, 2000, 1310},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AlignedDelay(c.now, c.period), c.delay)
        << c.now - kNoon << " ms, period " << c.period;
  }
}

// Passes at the plain period from an arbitrary phase, then aligned: every
// second of the clock is shown by exactly one pass.
TEST(RefreshScheduleTest, FromAnyFirstPassEverySecondIsShownOnce) {
  for (std::int64_t phase = 0; phase < 1000; phase += 7) {
    std::int64_t now = kNoon + phase + 999;  // the first pass, at the plain period
    std::int64_t shown = now / 1000;
    for (int pass = 0; pass < 20; ++pass) {
      now += AlignedDelay(now, 999) + pass % 3;  // timers fire a little late
      ASSERT_EQ(now / 1000, shown + 1) << "phase " << phase << ", pass " << pass;
      shown = now / 1000;
    }
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
