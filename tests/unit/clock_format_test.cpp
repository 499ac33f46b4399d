#include "text/clock_format.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_locale_source.h"
#include "fakes/fake_text_platform.h"
#include "text/compiled_format.h"

namespace kalvori {
namespace {

using testing::FakeTextPlatform;

// 2016-06-19 14:05:09.250, a Sunday.
const LocalTimeFields kMoment{2016, 6, 19, 14, 5, 9, 250};

class ClockFormatTest : public ::testing::Test {
 protected:
  ClockFormatTest() {
    regional_.format.amText = "AM";
    regional_.format.pmText = "PM";
  }

  std::string Format(std::string_view format, const LocalTimeFields& at = kMoment) {
    return FormatBothWays(format, EncodeDateTime(at));
  }

  // Every case also goes through the compiled form, which must agree.
  std::string FormatBothWays(std::string_view format, double value) {
    const std::string direct(FormatClockText(format, value, regional_, platform_).View());
    const CompiledClockFormat compiled(format, regional_);
    EXPECT_EQ(std::string(compiled.Render(value, platform_).View()), direct)
        << "compiled form of \"" << format << "\"";
    return direct;
  }

  RegionalSettings regional_;
  FakeTextPlatform platform_;
};

struct FormatCase {
  const char* format;
  const char* expected;
};

TEST_F(ClockFormatTest, BuiltinFormatsAndTheDefaultUserFormat) {
  const FormatCase cases[] = {
      {"hh:mm", "14:05"},
      {"hh:mm AMPM", "02:05 PM"},
      {"hh:mm AM/PM", "02:05 PM"},
      {"hh:mm A/P", "02:05 P"},
      {"hh:mm:ss", "14:05:09"},
      {"hh:mm:ss AMPM", "02:05:09 PM"},
      {"hh:mm:ss AM/PM", "02:05:09 PM"},
      {"hh:mm:ss A/P", "02:05:09 P"},
      {"H:nn dd-mm-yy", "14:05 19-06-16"},
      {"[hh:mm] ", "[14:05] "},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(c.format), c.expected) << c.format;
}

TEST_F(ClockFormatTest, TheLanguageByExample) {
  const FormatCase cases[] = {
      {"h:n:s", "14:5:9"},
      {"hh:nn:ss.zzz", "14:05:09.250"},
      {"yyyy-mm-dd", "2016-06-19"},
      {"ddd d mmm yy", "Sun 19 Jun 16"},
      {"dddd, mmmm d, yyyy", "Sunday, June 19, 2016"},
      {"d/m/y", "19/6/16"},
      {"aaaa", "Sunday"},
      {"h am/pm", "2 pm"},
      {"hh:mm a/p", "02:05 p"},
      {"h AMPM", "2 PM"},
      {"AMPM h", "PM 2"},
      {"h AAAA AMPM", "14 Sunday PM"},
      {"h h AMPM", "14 2 PM"},
      {"hh:mm aaa", "14:05 Sun"},
      {"mm:ss", "06:09"},
      {"hh 'o''clock'", "14 oclock"},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(c.format), c.expected) << c.format;
}

TEST_F(ClockFormatTest, FieldWidthsAndRuns) {
  const FormatCase cases[] = {
      {"hhh", "14"},  // three h: two digits
      {"yyy", "2016"},
      {"yyyyy", "2016"},
      {"y", "16"},
      {"zzzz", "250"},
      {"mmmmm", "June"},
      {"nnn", "05"},
      {"Hh", "1414"},          // two runs of one
      {"hh:m", "14:5"},        // m after an hour is the minute
      {"hh mmmm", "14 05"},    // an M run after an hour is never a month name
      {"d mm", "19 06"},       // after a day it is the month
      {"hh'x'mm", "14x05"},    // a quoted literal between keeps the hour
      {"hh x mm", "14 x 06"},  // another letter ends it
      {"Bob", "Bob"},
      {"FIJKLOPQRUVWX", "FIJKLOPQRUVWX"},
      {"aa", "aa"},
      {"aaaaa", "Sundaya"},  // an a after "aaaa" starts afresh
      {"AM/pm", "pm"},
      {"Am/Pm", "Pm"},
      {"a/P", "P"},
      {"''", ""},
      {"\"'\"", "'"},
      {"'\"'", "\""},
      {"'unclosed h", "unclosed h"},
      {"hh\\", "14\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(c.format), c.expected) << c.format;
}

TEST_F(ClockFormatTest, TwelveHourClockAroundMidnightAndNoon) {
  struct Case {
    int hour, minute;
    const char* format;
    const char* expected;
  } cases[] = {
      {0, 30, "hh:mm AMPM", "12:30 AM"},  {12, 0, "hh:mm AMPM", "12:00 PM"},
      {13, 7, "hh:mm A/P", "01:07 P"},    {0, 30, "hh:mm", "00:30"},
      {12, 0, "hh:mm", "12:00"},          {13, 7, "hh:mm", "13:07"},
      {11, 59, "h:nn am/pm", "11:59 am"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Format(c.format, {2016, 6, 19, c.hour, c.minute, 0, 0}), c.expected) << c.format;
  }
}

TEST_F(ClockFormatTest, EmptyAmPmTextsKeepTheTwelveHourForm) {
  regional_.format.amText.clear();
  regional_.format.pmText.clear();
  EXPECT_EQ(Format("hh:mm AMPM"), "02:05 ");
}

TEST_F(ClockFormatTest, SeparatorsComeFromTheLocale) {
  regional_.format.timeSep = '.';
  regional_.format.dateSep = '-';
  EXPECT_EQ(Format("hh:mm"), "14.05");
  EXPECT_EQ(Format("hh':'mm"), "14:05");
  EXPECT_EQ(Format("d/m"), "19-6");
  regional_.format.timeSep = '\0';
  regional_.format.dateSep = '\0';
  EXPECT_EQ(Format("hh:mm d/m"), "1405 196");
}

TEST_F(ClockFormatTest, PicturesExpandOneLevelDeep) {
  regional_.format.shortDatePicture = "d/m/yy";
  regional_.format.longDatePicture = "dddd d mmmm";
  regional_.format.shortTimePicture = "hh:mm";
  regional_.format.longTimePicture = "hh:mm:ss";
  EXPECT_EQ(Format("c"), "19/6/16 14:05:09");
  EXPECT_EQ(Format(""), "19/6/16 14:05:09");  // an empty format is "C"
  EXPECT_EQ(Format("ddddd"), "19/6/16");
  EXPECT_EQ(Format("dddddd"), "Sunday 19 June");
  EXPECT_EQ(Format("t"), "14:05");
  EXPECT_EQ(Format("tt"), "14:05:09");
  EXPECT_EQ(Format("c", {2016, 6, 19, 0, 0, 0, 999}), "19/6/16");  // midnight: no time

  // Picture-expanding tokens inside a picture append nothing.
  regional_.format.shortDatePicture = "d c ddddd t m";
  EXPECT_EQ(Format("c"), "19    6 14:05:09");
}

TEST_F(ClockFormatTest, DefaultPicturesOfAnUnreadableLocale) {
  RegionalSettings defaults;
  EXPECT_EQ(std::string(FormatClockText("c", EncodeDateTime(kMoment), defaults, platform_).View()),
            "6/19/16 2:05:09 pm");
}

TEST_F(ClockFormatTest, OutputIsCutAt256Bytes) {
  const std::string format(300, 'x');
  EXPECT_EQ(Format(format), std::string(256, 'x'));
  std::string names;
  for (int i = 0; i < 40; ++i) names += "dddd ";
  const std::string out = Format(names);
  EXPECT_EQ(out.size(), 256u);
  EXPECT_EQ(out.substr(0, 14), "Sunday Sunday ");
}

TEST_F(ClockFormatTest, TheFormatEndsAtItsFirstNul) {
  EXPECT_EQ(Format(std::string_view("hh\0mm", 5)), "14");
  EXPECT_EQ(Format(std::string_view("\0hh", 3)), Format("c"));
}

TEST_F(ClockFormatTest, LastHalfMillisecondOfTheDayIsTheNextMidnight) {
  const double value = EncodeDateTime({2016, 6, 19, 0, 0, 0, 0}) + 1.0 - 0.3 / 86400000.0;
  EXPECT_EQ(FormatBothWays("yyyy-mm-dd hh:nn:ss.zzz", value), "2016-06-20 00:00:00.000");
}

TEST_F(ClockFormatTest, DateFieldsBeforeYear1ReadZero) {
  EXPECT_EQ(FormatBothWays("yyyy-mm-dd mmm|dddd", -693594.0), "0000-00-00 |Sunday");
}

class DoubleByteFormatTest : public ClockFormatTest {
 protected:
  DoubleByteFormatTest() {
    for (int b = 0x81; b <= 0x9F; ++b) regional_.codePage.leadByteSet.set(b);
    regional_.codePage.doubleByteMode = true;
    regional_.codePage.primaryLanguage = 0x11;
  }
};

TEST_F(DoubleByteFormatTest, TrailBytesAreNeverTokens) {
  // 0x82 0x68 is one character whose second byte is an "h".
  EXPECT_EQ(Format("\x82h hh"), "\x82h 14");
  EXPECT_EQ(Format("'\x82''"), "\x82'");              // the trail quote does not close
  EXPECT_EQ(Format("hh \x82h AMPM"), "02 \x82h PM");  // the look-ahead steps over it
  EXPECT_EQ(Format("mm\x82"), "06\x82");              // a lead byte at the very end
}

TEST_F(ClockFormatTest, EraTokensUseTheAlternativeCalendar) {
  platform_.eraTexts["yy"] = "08";
  platform_.eraTexts["yyyy"] = "0028";
  platform_.eraTexts["gg"] = "Heisei";
  EXPECT_EQ(Format("e"), "8");
  EXPECT_EQ(Format("ee"), "08");
  EXPECT_EQ(Format("eee"), "0028");
  EXPECT_EQ(Format("g|gg"), "Heisei|Heisei");
  ASSERT_FALSE(platform_.eraCalls.empty());
  EXPECT_EQ(platform_.eraCalls[0], std::make_tuple(2016, 6, 19, std::string("yy")));
  platform_.eraTexts.clear();
  EXPECT_EQ(Format("[e|g]"), "[|]");  // a failed call appends nothing
}

TEST_F(DoubleByteFormatTest, JapaneseEraNameShortFormIsItsFirstCharacter) {
  platform_.eraTexts["gg"] = "\x95\xbd\x90\xac";  // two double-byte characters
  EXPECT_EQ(Format("g"), "\x95\xbd");
  EXPECT_EQ(Format("gg"), "\x95\xbd\x90\xac");
}

TEST_F(ClockFormatTest, ChineseEraNameShortFormIsItsLastTwoOfFourCharacters) {
  regional_.codePage.primaryLanguage = 0x04;
  regional_.codePage.subLanguage = 0x01;
  platform_.eraTexts["gg"] = "ABCD";
  EXPECT_EQ(Format("g"), "CD");
  platform_.eraTexts["gg"] = "ABC";
  EXPECT_EQ(Format("g"), "ABC");
}

TEST(CurrentLocalDateTimeTest, ReadsThePlatformClockToTheMillisecond) {
  FakeTextPlatform platform;
  platform.SetNow({2026, 12, 11, 7, 26, 12, 345});
  const DecodedMoment m = DecodeDateTime(CurrentLocalDateTime(platform));
  EXPECT_EQ(m.date.year, 2026);
  EXPECT_EQ(m.date.day, 11);
  EXPECT_EQ(m.minute, 26);
  EXPECT_EQ(m.millisecond, 345);
}

}  // namespace
}  // namespace kalvori
