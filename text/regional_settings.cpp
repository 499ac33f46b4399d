#include "text/regional_settings.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace kalvori {
namespace {

constexpr std::uint32_t kEnglishUs = 0x0409;

// Languages whose code pages are single-byte on every NT system.
bool IsWesternLanguage(std::uint16_t primary) {
  switch (primary) {
    case 0x00:
    case 0x06:
    case 0x07:
    case 0x09:
    case 0x0A:
    case 0x0B:
    case 0x0C:
    case 0x10:
    case 0x13:
    case 0x14:
    case 0x16:
    case 0x1D:
      return true;
    default:
      return false;
  }
}

void FillLeadByteSet(LocaleSource& source, std::uint32_t locale, CodePageFacts& facts) {
  char codePageText[7] = {};
  source.LocaleInfo(locale, locale_item::kDefaultAnsiCodePage, codePageText, sizeof codePageText);
  codePageText[sizeof codePageText - 1] = '\0';
  long codePage = 0;
  if (!ParseWholeNumber(codePageText, codePage)) codePage = source.AnsiCodePage();
  const auto ranges = source.LeadByteRanges(static_cast<std::uint32_t>(codePage));
  for (std::size_t i = 0; i + 1 < ranges.size(); i += 2) {
    const unsigned first = ranges[i];
    const unsigned last = ranges[i + 1];
    if (first == 0 && last == 0) break;
    for (unsigned b = first; b <= last; ++b) facts.leadByteSet.set(b);
  }
}

class LocaleReader {
 public:
  LocaleReader(LocaleSource& source, std::uint32_t locale) : source_(source), locale_(locale) {}

  std::string Text(std::uint32_t item, const char* fallback) {
    char buffer[256];
    if (source_.LocaleInfo(locale_, item, buffer, sizeof buffer) <= 0) return fallback;
    return std::string(buffer, strnlen(buffer, sizeof buffer));
  }

  // Like Text, but an empty name counts as missing.
  std::string Name(std::uint32_t item, const char* fallback) {
    std::string text = Text(item, fallback);
    return text.empty() ? std::string(fallback) : text;
  }

  // A two-byte buffer: a separator of two or more characters does not fit and
  // so yields the default.
  char Character(std::uint32_t item, char fallback) {
    char buffer[2] = {};
    if (source_.LocaleInfo(locale_, item, buffer, sizeof buffer) <= 0) return fallback;
    return buffer[0];
  }

  long Number(std::uint32_t item, long fallback) {
    const std::string fallbackText = std::to_string(fallback);
    const std::string text = Text(item, fallbackText.c_str());
    long value = 0;
    return ParseWholeNumber(text.c_str(), value) ? value : fallback;
  }

 private:
  LocaleSource& source_;
  std::uint32_t locale_;
};

bool StartsWithIgnoringAsciiCase(const std::string& text, std::size_t pos, const char* token) {
  const std::size_t length = std::strlen(token);
  if (pos + length > text.size()) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (std::tolower(static_cast<unsigned char>(text[pos + i])) != token[i]) return false;
  }
  return true;
}

}  // namespace

bool ParseWholeNumber(const char* text, long& value) {
  if (text == nullptr || *text == '\0') return false;
  const char* p = text;
  if (*p == '+' || *p == '-') ++p;
  if (*p == '\0') return false;
  for (const char* q = p; *q != '\0'; ++q) {
    if (*q < '0' || *q > '9') return false;
  }
  errno = 0;
  const long long parsed = std::strtoll(text, nullptr, 10);
  if (errno == ERANGE || parsed > INT_MAX || parsed < INT_MIN) return false;
  value = static_cast<long>(parsed);
  return true;
}

CodePageFacts LoadCodePageFacts(LocaleSource& source) {
  CodePageFacts facts;
  std::uint32_t locale = kEnglishUs;
  const std::uint32_t threadLocale = source.ThreadLocale();
  if (threadLocale != 0) locale = threadLocale;
  const std::uint32_t languageId = threadLocale & 0xFFFF;
  if (languageId != 0) {
    facts.primaryLanguage = static_cast<std::uint16_t>(languageId & 0x3FF);
    facts.subLanguage = static_cast<std::uint16_t>(languageId >> 10);
  }

  if (source.PlatformId() == kPlatformWin32Nt) {
    if (!IsWesternLanguage(facts.primaryLanguage)) {
      FillLeadByteSet(source, locale, facts);
      facts.doubleByteMode = facts.leadByteSet.any();
    }
  } else {
    facts.doubleByteMode = source.DbcsEnabled();
    if (facts.doubleByteMode) FillLeadByteSet(source, locale, facts);
  }
  return facts;
}

std::string TranslateDatePicture(const std::string& picture, int calendarType,
                                 const CodePageFacts& codePage) {
  if (calendarType == 3 || calendarType == 4 || calendarType == 5) {
    std::string result;
    std::size_t pos = 0;
    while (pos < picture.size()) {
      if (codePage.IsLeadByte(static_cast<unsigned char>(picture[pos]))) {
        const std::size_t length = codePage.CharLength(picture, pos);
        result.append(picture, pos, length);
        pos += length;
      } else if (StartsWithIgnoringAsciiCase(picture, pos, "gg")) {
        result += "ggg";
        pos += 2;
      } else if (StartsWithIgnoringAsciiCase(picture, pos, "yyyy")) {
        result += "eeee";
        pos += 4;
      } else if (StartsWithIgnoringAsciiCase(picture, pos, "yy")) {
        result += "ee";
        pos += 2;
      } else if (picture[pos] == 'y' || picture[pos] == 'Y') {
        result += 'e';
        ++pos;
      } else {
        result += picture[pos++];
      }
    }
    return result;
  }
  if (codePage.primaryLanguage == 0x04 || codePage.primaryLanguage == 0x11 ||
      codePage.primaryLanguage == 0x12) {
    std::string result;
    for (char c : picture) {
      if (c != 'g' && c != 'G') result += c;
    }
    return result;
  }
  return picture;
}

FormatLocale LoadFormatLocale(LocaleSource& source, const CodePageFacts& codePage) {
  namespace item = locale_item;
  LocaleReader reader(source, source.ThreadLocale());
  FormatLocale locale;
  locale.dateSep = reader.Character(item::kDateSeparator, '/');
  locale.timeSep = reader.Character(item::kTimeSeparator, ':');

  const int calendarType = static_cast<int>(reader.Number(item::kCalendarType, 1));
  locale.shortDatePicture =
      TranslateDatePicture(reader.Text(item::kShortDate, "m/d/yy"), calendarType, codePage);
  locale.longDatePicture =
      TranslateDatePicture(reader.Text(item::kLongDate, "mmmm d, yyyy"), calendarType, codePage);

  locale.amText = reader.Text(item::kAmText, "am");
  locale.pmText = reader.Text(item::kPmText, "pm");

  for (int i = 1; i <= 12; ++i) {
    locale.monthAbbrevs[i] = reader.Name(item::kAbbrevMonthName1 + i - 1, kEnglishMonthAbbrevs[i]);
    locale.monthFullNames[i] = reader.Name(item::kMonthName1 + i - 1, kEnglishMonthNames[i]);
  }
  // The platform numbers weekdays from Monday; the format language from Sunday.
  for (int i = 1; i <= 7; ++i) {
    const std::uint32_t offset = i == 1 ? 6 : static_cast<std::uint32_t>(i - 2);
    locale.dayAbbrevs[i] = reader.Name(item::kAbbrevDayName1 + offset, kEnglishDayAbbrevs[i]);
    locale.dayFullNames[i] = reader.Name(item::kDayName1 + offset, kEnglishDayNames[i]);
  }

  const std::string hour = reader.Number(item::kTimeLeadingZero, 0) == 0 ? "h" : "hh";
  std::string prefix;
  std::string suffix;
  if (reader.Number(item::kTimeFormat, 0) == 0) {
    if (reader.Number(item::kTimeMarkPosition, 0) == 0) {
      suffix = " AMPM";
    } else {
      prefix = "AMPM ";
    }
  }
  locale.shortTimePicture = prefix + hour + ":mm" + suffix;
  locale.longTimePicture = prefix + hour + ":mm:ss" + suffix;
  return locale;
}

}  // namespace kalvori
