// Regional settings, read once at module load and only read afterwards.
#pragma once

#include "text/code_page_facts.h"
#include "text/format_locale.h"
#include "text/locale_source.h"

namespace kalvori {

struct RegionalSettings {
  CodePageFacts codePage;
  FormatLocale format;
};

CodePageFacts LoadCodePageFacts(LocaleSource& source);

// Needs the code-page facts: the date picture translation steps over
// double-byte characters.
FormatLocale LoadFormatLocale(LocaleSource& source, const CodePageFacts& codePage);

inline RegionalSettings LoadRegionalSettings(LocaleSource& source) {
  RegionalSettings settings;
  settings.codePage = LoadCodePageFacts(source);
  settings.format = LoadFormatLocale(source, settings.codePage);
  return settings;
}

// Adapts a locale's date picture to the era tokens of the format language.
std::string TranslateDatePicture(const std::string& picture, int calendarType,
                                 const CodePageFacts& codePage);

// Reads a whole decimal number with an optional sign; false for any other text.
bool ParseWholeNumber(const char* text, long& value);

}  // namespace kalvori
