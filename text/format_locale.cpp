#include "text/format_locale.h"

namespace kalvori {

const std::array<const char*, 13> kEnglishMonthAbbrevs = {
    "", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const std::array<const char*, 13> kEnglishMonthNames = {
    "",     "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "September", "October", "November", "December"};
const std::array<const char*, 8> kEnglishDayAbbrevs = {"",    "Sun", "Mon", "Tue",
                                                       "Wed", "Thu", "Fri", "Sat"};
const std::array<const char*, 8> kEnglishDayNames = {"",          "Sunday",   "Monday", "Tuesday",
                                                     "Wednesday", "Thursday", "Friday", "Saturday"};

FormatLocale::FormatLocale() {
  for (int i = 1; i <= 12; ++i) {
    monthAbbrevs[i] = kEnglishMonthAbbrevs[i];
    monthFullNames[i] = kEnglishMonthNames[i];
  }
  for (int i = 1; i <= 7; ++i) {
    dayAbbrevs[i] = kEnglishDayAbbrevs[i];
    dayFullNames[i] = kEnglishDayNames[i];
  }
}

}  // namespace kalvori
