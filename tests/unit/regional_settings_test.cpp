#include "text/regional_settings.h"

#include <gtest/gtest.h>

#include "fakes/fake_locale_source.h"

namespace kalvori {
namespace {

using testing::FakeLocaleSource;
using testing::ShiftJisLeadRanges;
namespace item = locale_item;

TEST(LoadCodePageFactsTest, LanguageAndDoubleByteModeByPlatformAndLanguage) {
  struct Case {
    const char* what;
    std::uint32_t platform;
    std::uint32_t threadLocale;
    bool dbcsEnabled;
    std::uint16_t primary, sub;
    bool doubleByte;
  } cases[] = {
      {"English on NT", kPlatformWin32Nt, 0x0409, false, 0x09, 0x01, false},
      {"German on NT: western, never looked up", kPlatformWin32Nt, 0x0407, false, 0x07, 0x01,
       false},
      {"Japanese on NT", kPlatformWin32Nt, 0x0411, false, 0x11, 0x01, true},
      {"Korean on NT", kPlatformWin32Nt, 0x0412, false, 0x12, 0x01, true},
      {"locale 0 keeps English", kPlatformWin32Nt, 0, false, 0x09, 0x01, false},
      {"language 0 keeps English", kPlatformWin32Nt, 0x00110000, false, 0x09, 0x01, false},
      {"Japanese on 9x without DBCS", 1, 0x0411, false, 0x11, 0x01, false},
      {"English on 9x with DBCS", 1, 0x0409, true, 0x09, 0x01, true},
      {"unreadable platform counts as 0", 0, 0x0411, true, 0x11, 0x01, true},
      {"Chinese (Taiwan) sublanguage", kPlatformWin32Nt, 0x0404, false, 0x04, 0x01, true},
      {"Chinese (PRC) sublanguage", kPlatformWin32Nt, 0x0804, false, 0x04, 0x02, true},
  };
  for (const auto& c : cases) {
    FakeLocaleSource source;
    source.platformId = c.platform;
    source.threadLocale = c.threadLocale;
    source.dbcsEnabled = c.dbcsEnabled;
    source.ansiCodePage = 932;
    source.leadRanges[932] = ShiftJisLeadRanges();
    const CodePageFacts facts = LoadCodePageFacts(source);
    EXPECT_EQ(facts.primaryLanguage, c.primary) << c.what;
    EXPECT_EQ(facts.subLanguage, c.sub) << c.what;
    EXPECT_EQ(facts.doubleByteMode, c.doubleByte) << c.what;
    EXPECT_EQ(facts.leadByteSet.any(), c.doubleByte) << c.what;
  }
}

TEST(LoadCodePageFactsTest, LeadBytesComeFromTheLocalesDefaultAnsiCodePage) {
  FakeLocaleSource source;
  source.threadLocale = 0x0411;
  source.items[item::kDefaultAnsiCodePage] = "932";
  source.ansiCodePage = 1252;
  source.leadRanges[932] = ShiftJisLeadRanges();
  const CodePageFacts facts = LoadCodePageFacts(source);
  EXPECT_EQ(source.askedCodePage, 932u);
  EXPECT_EQ(source.askedLocales[item::kDefaultAnsiCodePage], 0x0411u);
  EXPECT_EQ(facts.leadByteSet.count(), (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1));
  EXPECT_TRUE(facts.IsLeadByte(0x81));
  EXPECT_TRUE(facts.IsLeadByte(0xFC));
  EXPECT_FALSE(facts.IsLeadByte(0xA0));
  EXPECT_FALSE(facts.IsLeadByte('A'));
}

TEST(LoadCodePageFactsTest, RangesEndAtAZeroPairAndBackwardRangesAddNothing) {
  FakeLocaleSource source;
  source.threadLocale = 0x0412;
  source.items[item::kDefaultAnsiCodePage] = "not a number";
  source.ansiCodePage = 949;
  source.leadRanges[949] = {0x90, 0x80, 0xA1, 0xA2, 0, 0, 0xB0, 0xB1, 0, 0, 0, 0};
  const CodePageFacts facts = LoadCodePageFacts(source);
  EXPECT_EQ(source.askedCodePage, 949u);  // GetACP after an unusable text
  EXPECT_EQ(facts.leadByteSet.count(), 2u);
  EXPECT_TRUE(facts.IsLeadByte(0xA1));
  EXPECT_FALSE(facts.IsLeadByte(0xB0));
}

TEST(LoadFormatLocaleTest, AnUnreadableLocaleGivesTheDefaults) {
  FakeLocaleSource source;
  const FormatLocale locale = LoadFormatLocale(source, CodePageFacts{});
  EXPECT_EQ(locale.dateSep, '/');
  EXPECT_EQ(locale.timeSep, ':');
  EXPECT_EQ(locale.shortDatePicture, "m/d/yy");
  EXPECT_EQ(locale.longDatePicture, "mmmm d, yyyy");
  EXPECT_EQ(locale.shortTimePicture, "h:mm AMPM");
  EXPECT_EQ(locale.longTimePicture, "h:mm:ss AMPM");
  EXPECT_EQ(locale.amText, "am");
  EXPECT_EQ(locale.pmText, "pm");
  EXPECT_EQ(locale.monthAbbrevs[1], "Jan");
  EXPECT_EQ(locale.monthFullNames[12], "December");
  EXPECT_EQ(locale.dayAbbrevs[1], "Sun");
  EXPECT_EQ(locale.dayFullNames[7], "Saturday");
}

TEST(LoadFormatLocaleTest, ValuesOfAReadableLocale) {
  FakeLocaleSource source;
  source.threadLocale = 0x0407;
  source.items = {
      {item::kDateSeparator, "."},
      {item::kTimeSeparator, ""},
      {item::kShortDate, "dd.MM.yyyy"},
      {item::kLongDate, "dddd, d. MMMM yyyy"},
      {item::kAmText, ""},
      {item::kPmText, ""},
      {item::kMonthName1 + 2, "M\xE4rz"},
      {item::kAbbrevMonthName1, ""},
      {item::kDayName1, "Montag"},
      {item::kDayName1 + 6, "Sonntag"},
      {item::kAbbrevDayName1 + 6, "So"},
  };
  const FormatLocale locale = LoadFormatLocale(source, CodePageFacts{});
  EXPECT_EQ(source.askedLocales[item::kShortDate], 0x0407u);
  EXPECT_EQ(locale.dateSep, '.');
  EXPECT_EQ(locale.timeSep, '\0');  // an empty separator vanishes from output
  EXPECT_EQ(locale.shortDatePicture, "dd.MM.yyyy");
  EXPECT_EQ(locale.longDatePicture, "dddd, d. MMMM yyyy");
  EXPECT_EQ(locale.amText, "");  // empty markers stay empty
  EXPECT_EQ(locale.pmText, "");
  EXPECT_EQ(locale.monthFullNames[3], "M\xE4rz");
  EXPECT_EQ(locale.monthAbbrevs[1], "Jan");  // an empty name takes the English one
  EXPECT_EQ(locale.dayFullNames[1], "Sonntag");
  EXPECT_EQ(locale.dayFullNames[2], "Montag");
  EXPECT_EQ(locale.dayAbbrevs[1], "So");
  EXPECT_EQ(locale.dayAbbrevs[2], "Mon");
}

TEST(LoadFormatLocaleTest, ATwoCharacterDateSeparatorFallsBackToSlash) {
  FakeLocaleSource source;
  source.items[item::kDateSeparator] = ". ";
  EXPECT_EQ(LoadFormatLocale(source, CodePageFacts{}).dateSep, '/');
}

TEST(LoadFormatLocaleTest, TimePicturesFromTheThreeNumbers) {
  struct Case {
    const char *leadingZero, *time, *markPosition;
    const char *shortPicture, *longPicture;
  } cases[] = {
      {"1", "0", "1", "AMPM hh:mm", "AMPM hh:mm:ss"}, {"1", "1", "1", "hh:mm", "hh:mm:ss"},
      {"0", "0", "0", "h:mm AMPM", "h:mm:ss AMPM"},   {"0", "1", "0", "h:mm", "h:mm:ss"},
      {"x", "x", "x", "h:mm AMPM", "h:mm:ss AMPM"},  // not numbers: 0
  };
  for (const auto& c : cases) {
    FakeLocaleSource source;
    source.items[item::kTimeLeadingZero] = c.leadingZero;
    source.items[item::kTimeFormat] = c.time;
    source.items[item::kTimeMarkPosition] = c.markPosition;
    const FormatLocale locale = LoadFormatLocale(source, CodePageFacts{});
    EXPECT_EQ(locale.shortTimePicture, c.shortPicture);
    EXPECT_EQ(locale.longTimePicture, c.longPicture);
  }
}

TEST(TranslateDatePictureTest, EraCalendarsAndEastAsianGregorian) {
  CodePageFacts western;
  CodePageFacts japanese;
  japanese.primaryLanguage = 0x11;
  for (int b = 0x81; b <= 0x9F; ++b) japanese.leadByteSet.set(b);
  japanese.doubleByteMode = true;
  struct Case {
    const char* picture;
    int calendarType;
    const CodePageFacts* codePage;
    const char* expected;
  } cases[] = {
      {"gg y/M/d", 3, &western, "ggg e/M/d"},
      {"yyyy/MM/dd", 4, &western, "eeee/MM/dd"},
      {"YY-Yy-y", 5, &western, "ee-ee-e"},
      {"yyyyy", 3, &western, "eeeee"},
      {"GGyy", 3, &western, "gggee"},
      {"\x94y yy", 3, &japanese, "\x94y ee"},  // a trail byte "y" stays
      {"gg yyyy/M/d", 1, &japanese, " yyyy/M/d"},
      {"Gg yyyy", 1, &western, "Gg yyyy"},
      {"yyyy", 2, &western, "yyyy"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TranslateDatePicture(c.picture, c.calendarType, *c.codePage), c.expected)
        << c.picture;
  }
}

TEST(LoadFormatLocaleTest, CalendarTypeDrivesTheDatePictureTranslation) {
  FakeLocaleSource source;
  source.items[item::kCalendarType] = "3";
  source.items[item::kShortDate] = "gg y/M/d";
  EXPECT_EQ(LoadFormatLocale(source, CodePageFacts{}).shortDatePicture, "ggg e/M/d");
}

TEST(ParseWholeNumberTest, AcceptsOnlyWholeDecimalNumbers) {
  long value = -1;
  EXPECT_TRUE(ParseWholeNumber("932", value));
  EXPECT_EQ(value, 932);
  EXPECT_TRUE(ParseWholeNumber("-5", value));
  EXPECT_EQ(value, -5);
  for (const char* bad : {"", "-", "12a", " 1", "99999999999"}) {
    EXPECT_FALSE(ParseWholeNumber(bad, value)) << bad;
  }
}

}  // namespace
}  // namespace kalvori
