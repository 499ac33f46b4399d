// The regional values that the clock format language writes.
#pragma once

#include <array>
#include <string>

namespace kalvori {

struct FormatLocale {
  char dateSep = '/';  // NUL: "/" vanishes from the output
  char timeSep = ':';  // NUL: ":" vanishes from the output
  std::string shortDatePicture = "m/d/yy";
  std::string longDatePicture = "mmmm d, yyyy";
  std::string shortTimePicture = "h:mm AMPM";
  std::string longTimePicture = "h:mm:ss AMPM";
  std::string amText = "am";
  std::string pmText = "pm";
  std::array<std::string, 13> monthAbbrevs;    // [1..12]
  std::array<std::string, 13> monthFullNames;  // [1..12]
  std::array<std::string, 8> dayAbbrevs;       // [1..7], 1 = Sunday
  std::array<std::string, 8> dayFullNames;     // [1..7], 1 = Sunday

  FormatLocale();
};

// English names, used where a locale has none.
extern const std::array<const char*, 13> kEnglishMonthAbbrevs;
extern const std::array<const char*, 13> kEnglishMonthNames;
extern const std::array<const char*, 8> kEnglishDayAbbrevs;
extern const std::array<const char*, 8> kEnglishDayNames;

}  // namespace kalvori
