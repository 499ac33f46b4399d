#include "text/compiled_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "fakes/fake_text_platform.h"
#include "text/clock_format.h"

namespace kalvori {
namespace {

using testing::FakeTextPlatform;

RegionalSettings EnglishWithCapitalMarkers() {
  RegionalSettings regional;
  regional.format.amText = "AM";
  regional.format.pmText = "PM";
  regional.format.shortDatePicture = "M/d/yyyy";
  regional.format.longTimePicture = "h:mm:ss AMPM";
  return regional;
}

// Markers of unequal length and names that differ in length.
RegionalSettings GermanLike() {
  RegionalSettings regional;
  regional.format.amText = "vorm.";
  regional.format.pmText = "nachm.";
  regional.format.timeSep = '.';
  regional.format.dateSep = '.';
  regional.format.shortDatePicture = "dd.MM.yyyy";
  regional.format.longTimePicture = "HH:mm:ss";
  return regional;
}

TEST(CompiledClockFormatTest, HowEachFormatIsWritten) {
  const RegionalSettings english = EnglishWithCapitalMarkers();
  const RegionalSettings german = GermanLike();
  struct Case {
    const char* format;
    const RegionalSettings* regional;
    bool bounded;
    bool fixed;
  } cases[] = {
      {"[hh:mm] ", &english, true, true},
      {"[hh:mm AMPM] ", &english, true, true},
      {"[hh:mm:ss A/P] ", &english, true, true},
      {"[hh:mm AM/PM] ", &german, true, true},  // both halves are two letters
      {"yyyy-mm-dd hh:nn:ss.zzz", &english, true, true},
      {"ddd mmm", &english, true, true},  // every English abbreviation has three letters
      {"[hh:mm AMPM] ", &german, true, false},
      {"h:mm", &english, true, false},
      {"dddd, mmmm d", &english, true, false},
      {"c", &english, true, false},
      {"", &english, true, false},  // "c"
      {"gg e", &english, false, false},
      {"dddd dddd dddd dddd dddd dddd dddd dddd dddd dddd dddd dddd dddd dddd dddd dddd dddd "
       "dddd dddd dddd dddd dddd dddd dddd dddd",
       &english, false, false},  // may need more than 256 bytes
  };
  for (const Case& c : cases) {
    const CompiledClockFormat compiled(c.format, *c.regional);
    EXPECT_EQ(compiled.IsBounded(), c.bounded) << c.format;
    EXPECT_EQ(compiled.HasFixedLayout(), c.fixed) << c.format;
  }
}

// Moments that cover every hour, the edges of the day, of noon, of the
// millisecond rounding, of the calendar, and values out of range.
std::vector<double> SweepMoments() {
  std::vector<double> values;
  const int days[][3] = {{2016, 6, 19}, {2024, 2, 29}, {1, 1, 1}, {9999, 12, 31}, {1899, 12, 30}};
  for (const auto& day : days) {
    for (int hour = 0; hour < 24; ++hour) {
      for (const int minute : {0, 7, 59}) {
        for (const int second : {0, 9, 59}) {
          for (const int ms : {0, 5, 250, 999}) {
            values.push_back(EncodeDateTime({day[0], day[1], day[2], hour, minute, second, ms}));
          }
        }
      }
    }
  }
  const double start = EncodeDateTime({2016, 6, 19, 0, 0, 0, 0});
  for (const double offset : {-0.3, 0.3, 0.5, 0.7}) {
    values.push_back(start + offset / 86400000.0);        // around midnight
    values.push_back(start + 1.0 - offset / 86400000.0);  // around the next
  }
  const double inf = std::numeric_limits<double>::infinity();
  for (const double odd : {-693594.0, -700000.25, -1.5, -0.0, 1.0e7, 1.0e12, -1.0e12, inf, -inf,
                           std::numeric_limits<double>::quiet_NaN()}) {
    values.push_back(odd);
  }
  return values;
}

TEST(CompiledClockFormatTest, WritesWhatTheFormatterWritesAtEveryMoment) {
  const RegionalSettings english = EnglishWithCapitalMarkers();
  const RegionalSettings german = GermanLike();
  const char* const formats[] = {
      "[hh:mm] ",
      "[hh:mm AMPM] ",
      "[hh:mm AM/PM] ",
      "[hh:mm A/P] ",
      "[hh:mm:ss] ",
      "[hh:mm:ss AMPM] ",
      "[hh:mm:ss AM/PM] ",
      "[hh:mm:ss A/P] ",
      "[H:nn dd-mm-yy] ",
      "[ddd dd mmm yyyy hh:nn:ss.zzz] ",
      "dddd, mmmm dd, yyyy hh:nn:ss AMPM 'week day' ddd mmm yy",
      "h:n:s.z zz zzz y yyy m mmm d ddd",
      "c",
      "ddddd | dddddd | t | tt",
      "hh AM/PM hh a/p hh AMPM h",
      "'literal' \"quoted\" / : x",
  };
  FakeTextPlatform platform;
  for (const RegionalSettings* regional : {&english, &german}) {
    for (const char* format : formats) {
      const CompiledClockFormat compiled(format, *regional);
      for (const double value : SweepMoments()) {
        ASSERT_EQ(compiled.Render(value, platform).View(),
                  FormatClockText(format, value, *regional, platform).View())
            << "\"" << format << "\" at " << value;
      }
    }
  }
}

TEST(CompiledClockFormatTest, AYearOfFiveDigitsIsWrittenWhole) {
  const RegionalSettings regional = EnglishWithCapitalMarkers();
  FakeTextPlatform platform;
  const CompiledClockFormat compiled("[yyyy-mm-dd hh:nn] ", regional);
  ASSERT_TRUE(compiled.HasFixedLayout());
  const double value = EncodeDateTime({12345, 1, 2, 3, 4, 0, 0});
  EXPECT_EQ(compiled.Render(value, platform).View(), "[12345-01-02 03:04] ");
}

TEST(CompiledClockFormatTest, EraFieldsAskThePlatformAtEveryRendering) {
  const RegionalSettings regional = EnglishWithCapitalMarkers();
  FakeTextPlatform platform;
  platform.eraTexts["yy"] = "08";
  const CompiledClockFormat compiled("[e] ", regional);
  EXPECT_EQ(compiled.Render(EncodeDateTime({2016, 6, 19, 0, 0, 0, 0}), platform).View(), "[8] ");
  platform.eraTexts["yy"] = "12";
  EXPECT_EQ(compiled.Render(EncodeDateTime({2016, 6, 19, 0, 0, 0, 0}), platform).View(), "[12] ");
  EXPECT_EQ(platform.eraCalls.size(), 2u);
}

TEST(CompiledClockFormatTest, LongOutputIsCutAt256BytesAsTheFormatterCutsIt) {
  const RegionalSettings regional = EnglishWithCapitalMarkers();
  FakeTextPlatform platform;
  std::string format;
  for (int i = 0; i < 30; ++i) format += "mmmm dddd ";
  const double value = EncodeDateTime({2016, 9, 21, 0, 0, 0, 0});  // September, Wednesday
  const CompiledClockFormat compiled(format, regional);
  const ClockText text = compiled.Render(value, platform);
  EXPECT_EQ(text.Size(), ClockText::kCapacity);
  EXPECT_EQ(text.View(), FormatClockText(format, value, regional, platform).View());
}

}  // namespace
}  // namespace kalvori
