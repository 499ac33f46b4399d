// The regional settings read for real through kernel32 and user32, under the
// language that LANG gives Wine. The test command runs these tests once per
// language (selected by filter) and names the language in
// KALVORI_EXPECTED_LOCALE; the double-byte test runs under ja_JP only.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "adapters/win32/win32_locale_source.h"
#include "adapters/win32/win32_text_platform.h"
#include "text/clock_format.h"
#include "text/matching.h"

namespace kalvori {
namespace {

std::string ExpectedLocale() {
  const char* name = std::getenv("KALVORI_EXPECTED_LOCALE");
  return name ? name : "";
}

struct LocaleExpectation {
  const char* name;
  std::uint16_t primaryLanguage;
  bool doubleByteMode;
  unsigned char leadByte;  // one byte that must be in the set (0: none)
  char dateSep;
  const char* longTimePicture;
  const char* shortDatePicture;
};

const LocaleExpectation kExpectations[] = {
    {"en_US", 0x09, false, 0, '/', "h:mm:ss AMPM", "M/d/yyyy"},
    {"de_DE", 0x07, false, 0, '.', "hh:mm:ss", "d.M.yyyy"},
    {"ja_JP", 0x11, true, 0x81, '/', "h:mm:ss", "yyyy/M/d"},
    {"ko_KR", 0x12, true, 0xB0, '/', "AMPM h:mm:ss", "yyyy. M. d."},  // ". " does not fit
};

TEST(LocaleInWineTest, RegionalSettingsOfTheRunningLanguage) {
  const std::string expected = ExpectedLocale();
  Win32LocaleSource source;
  const RegionalSettings regional = LoadRegionalSettings(source);
  for (const auto& e : kExpectations) {
    if (expected != e.name) continue;
    EXPECT_EQ(regional.codePage.primaryLanguage, e.primaryLanguage);
    EXPECT_EQ(regional.codePage.subLanguage, 0x01);
    EXPECT_EQ(regional.codePage.doubleByteMode, e.doubleByteMode);
    EXPECT_EQ(regional.codePage.leadByteSet.any(), e.doubleByteMode);
    if (e.leadByte != 0) {
      EXPECT_TRUE(regional.codePage.IsLeadByte(e.leadByte));
    }
    EXPECT_FALSE(regional.codePage.IsLeadByte('A'));
    EXPECT_EQ(regional.format.dateSep, e.dateSep);
    EXPECT_EQ(regional.format.timeSep, ':');
    EXPECT_EQ(regional.format.longTimePicture, e.longTimePicture);
    EXPECT_EQ(regional.format.shortDatePicture, e.shortDatePicture);
    EXPECT_FALSE(regional.format.monthFullNames[1].empty());
    return;
  }
  FAIL() << "no expectation for " << expected;
}

TEST(LocaleInWineTest, TheDateSeparatorReachesFormattedText) {
  Win32LocaleSource source;
  const RegionalSettings regional = LoadRegionalSettings(source);
  Win32TextPlatform platform;
  const std::string text(
      FormatClockText("d/m", EncodeDateTime({2016, 6, 19, 14, 5, 9, 0}), regional, platform)
          .View());
  EXPECT_EQ(text, std::string("19") + regional.format.dateSep + "6");
}

// Code page 932: 0x83 0x41 is one character whose second byte is an "A".
TEST(DoubleByteInWineTest, JapaneseTitleDoesNotMatchAtATrailByte) {
  Win32LocaleSource source;
  const RegionalSettings regional = LoadRegionalSettings(source);
  Win32TextPlatform platform;
  ASSERT_TRUE(regional.codePage.doubleByteMode);
  const auto contains = [&](const char* text, const char* sub) {
    return ContainsTextIgnoreCase(text, sub, regional.codePage, platform);
  };
  EXPECT_FALSE(
      contains("\x83\x41"
               "BC - Editor",
               "abc"));
  EXPECT_TRUE(
      contains("\x83\x41"
               "BC abc",
               "ABC"));
  EXPECT_TRUE(
      contains("x \x83\x41"
               "BC",
               "\x83\x41"
               "bc"));
  EXPECT_TRUE(contains("Notepad", "NOTEPAD"));
}

}  // namespace
}  // namespace kalvori
