#include "text/clock_format.h"

#include <cstring>

namespace kalvori {
namespace {

constexpr int kMaxDepth = 2;  // the format text, and pictures it expands

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsWithIgnoringCase(std::string_view text, std::size_t pos, std::string_view form) {
  if (text.size() - pos < form.size()) return false;
  for (std::size_t i = 0; i < form.size(); ++i) {
    if (AsciiUpper(text[pos + i]) != form[i]) return false;
  }
  return true;
}

constexpr std::string_view kAmPmSlash = "AM/PM";
constexpr std::string_view kAPSlash = "A/P";
constexpr std::string_view kAmPm = "AMPM";
constexpr std::string_view kFullDay = "AAAA";
constexpr std::string_view kShortDay = "AAA";

bool StartsWithAmPmForm(std::string_view text, std::size_t pos) {
  return StartsWithIgnoringCase(text, pos, kAmPmSlash) ||
         StartsWithIgnoringCase(text, pos, kAPSlash) || StartsWithIgnoringCase(text, pos, kAmPm);
}

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

template <std::size_t N>
std::string_view NameAt(const std::array<std::string, N>& names, int index) {
  if (index < 1 || static_cast<std::size_t>(index) >= N) return {};
  return names[index];
}

// One interpretation of a text: the format text itself or an expanded picture.
// Its date and time fields are decoded when a token first needs them.
struct Level {
  std::string_view text;
  std::size_t pos = 0;
  char previousLetter = 0;
  bool twelveHour = false;
  bool timeDecoded = false;
  bool dateDecoded = false;
  DecodedMoment moment;
};

class Formatter {
 public:
  Formatter(DateTimeValue value, const RegionalSettings& regional, TextPlatform& platform,
            ClockText& out)
      : split_(SplitDateTime(value)),
        codePage_(regional.codePage),
        locale_(regional.format),
        platform_(platform),
        out_(out) {}

  void Interpret(std::string_view text) {
    text = UpToNul(text);
    if (text.empty() || depth_ >= kMaxDepth) return;
    ++depth_;
    Level level;
    level.text = text;
    while (level.pos < text.size()) Step(level);
    --depth_;
  }

 private:
  const DecodedMoment& Time(Level& level) {
    if (!level.timeDecoded) {
      DecodeTimeOfDay(split_.msOfDay, level.moment);
      level.timeDecoded = true;
    }
    return level.moment;
  }
  const DecodedMoment& Date(Level& level) {
    if (!level.dateDecoded) {
      DecodeDate(split_.dayNumber, level.moment);
      level.dateDecoded = true;
    }
    return level.moment;
  }

  void Step(Level& level) {
    const std::string_view text = level.text;
    const char byte = text[level.pos];
    if (codePage_.IsLeadByte(static_cast<unsigned char>(byte))) {
      const std::size_t length = codePage_.CharLength(text, level.pos);
      out_.Append(text.substr(level.pos, length));
      level.pos += length;
      level.previousLetter = 0;
      return;
    }
    ++level.pos;
    char letter = AsciiUpper(byte);
    if (letter >= 'A' && letter <= 'Z') {
      if (letter == 'M' && level.previousLetter == 'H') letter = 'N';
      level.previousLetter = letter;
    }
    switch (letter) {
      case 'Y':
      case 'M':
      case 'N':
      case 'D':
      case 'H':
      case 'S':
      case 'Z':
      case 'T':
      case 'C':
      case 'E':
      case 'G': {
        int run = 1;
        while (level.pos < text.size() && text[level.pos] == byte) {
          ++run;
          ++level.pos;
        }
        Run(level, letter, run);
        break;
      }
      case 'A':
        AForm(level, level.pos - 1);
        break;
      case '\'':
      case '"':
        QuotedLiteral(level, byte);
        break;
      case '/':
        if (locale_.dateSep != '\0') out_.Append(locale_.dateSep);
        break;
      case ':':
        if (locale_.timeSep != '\0') out_.Append(locale_.timeSep);
        break;
      default:
        out_.Append(byte);
        break;
    }
  }

  void Run(Level& level, char letter, int run) {
    switch (letter) {
      case 'Y': {
        const int year = Date(level).date.year;
        if (run <= 2) {
          Number(year % 100, 2);
        } else {
          Number(year, 4);
        }
        break;
      }
      case 'M': {
        const int month = Date(level).date.month;
        if (run <= 2) {
          Number(month, run);
        } else {
          out_.Append(NameAt(run == 3 ? locale_.monthAbbrevs : locale_.monthFullNames, month));
        }
        break;
      }
      case 'N':
        Number(Time(level).minute, run == 1 ? 1 : 2);
        break;
      case 'D': {
        const DecodedMoment& moment = Date(level);
        if (run <= 2) {
          Number(moment.date.day, run);
        } else if (run == 3) {
          out_.Append(NameAt(locale_.dayAbbrevs, moment.weekday));
        } else if (run == 4) {
          out_.Append(NameAt(locale_.dayFullNames, moment.weekday));
        } else {
          Interpret(run == 5 ? locale_.shortDatePicture : locale_.longDatePicture);
        }
        break;
      }
      case 'H':
        Hour(level, run);
        break;
      case 'S':
        Number(Time(level).second, run == 1 ? 1 : 2);
        break;
      case 'Z':
        Number(Time(level).millisecond, run < 3 ? run : 3);
        break;
      case 'T':
        Interpret(run == 1 ? locale_.shortTimePicture : locale_.longTimePicture);
        break;
      case 'C':
        DateAndTime(level);
        break;
      case 'E':
        EraYear(level, run);
        break;
      case 'G':
        EraName(level, run);
        break;
    }
  }

  // An hour is in 12-hour form when an AM/PM form earlier in the level said
  // so, or when one follows before the next hour or a-letter.
  void Hour(Level& level, int run) {
    const std::string_view text = level.text;
    bool inQuotes = false;
    std::size_t p = level.pos;
    while (p < text.size()) {
      const char c = text[p];
      if (codePage_.IsLeadByte(static_cast<unsigned char>(c))) {
        p += codePage_.CharLength(text, p);
        continue;
      }
      if (c == '\'' || c == '"') {
        inQuotes = !inQuotes;
      } else if (c == 'H' || c == 'h') {
        break;
      } else if ((c == 'A' || c == 'a') && !inQuotes) {
        if (StartsWithAmPmForm(text, p)) level.twelveHour = true;
        break;
      }
      ++p;
    }
    int hour = Time(level).hour;
    if (level.twelveHour) {
      if (hour == 0) {
        hour = 12;
      } else if (hour > 12) {
        hour -= 12;
      }
    }
    Number(hour, run == 1 ? 1 : 2);
  }

  void AForm(Level& level, std::size_t start) {
    const std::string_view text = level.text;
    const bool morning = Time(level).hour < 12;
    if (StartsWithIgnoringCase(text, start, kAmPmSlash)) {
      out_.Append(text.substr(morning ? start : start + 3, 2));
      level.pos = start + 5;
      level.twelveHour = true;
    } else if (StartsWithIgnoringCase(text, start, kAPSlash)) {
      out_.Append(text[morning ? start : start + 2]);
      level.pos = start + 3;
      level.twelveHour = true;
    } else if (StartsWithIgnoringCase(text, start, kAmPm)) {
      out_.Append(morning ? locale_.amText : locale_.pmText);
      level.pos = start + 4;
      level.twelveHour = true;
    } else if (StartsWithIgnoringCase(text, start, kFullDay)) {
      out_.Append(NameAt(locale_.dayFullNames, Date(level).weekday));
      level.pos = start + 4;
    } else if (StartsWithIgnoringCase(text, start, kShortDay)) {
      out_.Append(NameAt(locale_.dayAbbrevs, Date(level).weekday));
      level.pos = start + 3;
    } else {
      out_.Append(text[start]);
    }
  }

  // A double-byte character inside is stepped over whole, so its trail byte
  // never closes the literal; an unclosed literal runs to the end.
  void QuotedLiteral(Level& level, char quote) {
    const std::string_view text = level.text;
    const std::size_t start = level.pos;
    std::size_t p = start;
    while (p < text.size() && text[p] != quote) p += codePage_.CharLength(text, p);
    if (p > text.size()) p = text.size();
    out_.Append(text.substr(start, p - start));
    level.pos = p < text.size() ? p + 1 : p;
  }

  void DateAndTime(Level& level) {
    if (depth_ >= kMaxDepth) return;  // pictures never expand inside a picture
    Interpret(locale_.shortDatePicture);
    const DecodedMoment& moment = Time(level);
    if (moment.hour != 0 || moment.minute != 0 || moment.second != 0) {
      out_.Append(' ');
      Interpret(locale_.longTimePicture);
    }
  }

  // The era text for the value's date, up to its first NUL; empty on failure.
  std::string_view EraText(Level& level, const char* picture) {
    const CivilDate& date = Date(level).date;
    const int written = platform_.FormatAltCalendarDate(date.year, date.month, date.day, picture,
                                                        eraBuffer_, sizeof eraBuffer_);
    if (written <= 0) return {};
    return std::string_view(eraBuffer_, strnlen(eraBuffer_, sizeof eraBuffer_));
  }

  void EraYear(Level& level, int run) {
    std::string_view year = EraText(level, run <= 2 ? "yy" : "yyyy");
    if (run == 1 && !year.empty() && year[0] == '0') year.remove_prefix(1);
    out_.Append(year);
  }

  void EraName(Level& level, int run) {
    const std::string_view name = EraText(level, "gg");
    if (run == 1 && codePage_.primaryLanguage == 0x04 && codePage_.subLanguage == 0x01) {
      std::size_t bounds[5];
      if (SplitCharacters(name, bounds) == 4) {
        out_.Append(name.substr(bounds[2], bounds[4] - bounds[2]));
        return;
      }
    } else if (run == 1 && codePage_.primaryLanguage == 0x11) {
      std::size_t bounds[5];
      if (SplitCharacters(name, bounds) >= 1) out_.Append(name.substr(0, bounds[1]));
      return;
    }
    out_.Append(name);
  }

  // Character boundaries of the first four characters: bounds[i] is where
  // character i starts. Returns the character count (counting stops at 5).
  int SplitCharacters(std::string_view text, std::size_t (&bounds)[5]) const {
    int count = 0;
    std::size_t p = 0;
    bounds[0] = 0;
    while (p < text.size() && count < 5) {
      p += codePage_.doubleByteMode ? codePage_.CharLength(text, p) : 1;
      ++count;
      if (count < 5) bounds[count] = p;
    }
    return count;
  }

  void Number(long value, int minDigits) {
    if (value >= 0 && value < 100 && minDigits <= 2) {  // nearly every field
      if (value >= 10 || minDigits == 2) out_.Append(static_cast<char>('0' + value / 10));
      out_.Append(static_cast<char>('0' + value % 10));
      return;
    }
    char digits[24];
    int length = 0;
    unsigned long magnitude =
        value < 0 ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    do {
      digits[length++] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    while (length < minDigits) digits[length++] = '0';
    if (value < 0) out_.Append('-');
    while (length > 0) out_.Append(digits[--length]);
  }

  const DayAndTime split_;
  const CodePageFacts& codePage_;
  const FormatLocale& locale_;
  TextPlatform& platform_;
  ClockText& out_;
  int depth_ = 0;
  char eraBuffer_[256];
};

}  // namespace

ClockText FormatClockText(std::string_view format, DateTimeValue value,
                          const RegionalSettings& regional, TextPlatform& platform) {
  ClockText out;  // returned in place
  Formatter formatter(value, regional, platform, out);
  format = UpToNul(format);
  formatter.Interpret(format.empty() ? std::string_view("C") : format);
  return out;
}

DateTimeValue CurrentLocalDateTime(TextPlatform& platform) {
  return EncodeDateTime(platform.LocalTime());
}

}  // namespace kalvori
