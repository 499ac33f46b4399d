// Reads a format text into steps (text/format_ops.h) and hands each to a
// sink: the renderer, which writes it at once, or a recorder, which keeps it
// for later. The reading depends only on the format text and the regional
// settings, never on the moment; whatever depends on the moment is a step.
//
// Letters, in either case, stand for fields: y year, m month (minute after an
// hour), n minute, d day, h hour, s second, z millisecond, e/g era; runs of a
// letter choose the width or form. a-forms write AM/PM markers or weekday
// names, c/t/ddddd/dddddd expand the locale's pictures (one level deep),
// quotes make literals, "/" and ":" write the locale's separators.
#pragma once

#include <string_view>

#include "text/format_ops.h"
#include "text/regional_settings.h"

namespace kalvori {

namespace format_parsing {

inline char AsciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool StartsWithIgnoringCase(std::string_view text, std::size_t pos, std::string_view form) {
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

inline bool StartsWithAmPmForm(std::string_view text, std::size_t pos) {
  return StartsWithIgnoringCase(text, pos, kAmPmSlash) ||
         StartsWithIgnoringCase(text, pos, kAPSlash) || StartsWithIgnoringCase(text, pos, kAmPm);
}

inline std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace format_parsing

// Sink needs: Text(FormatOpCode, std::string_view) for the three text codes,
// and Field(FormatOpCode, int width) for every other code.
template <class Sink>
class FormatParser {
 public:
  FormatParser(const RegionalSettings& regional, Sink& sink)
      : codePage_(regional.codePage), locale_(regional.format), sink_(sink) {}

  // The format text counts up to its first NUL byte; an empty one reads as "C".
  void ParseFormat(std::string_view format) {
    format = format_parsing::UpToNul(format);
    Parse(format.empty() ? std::string_view("C") : format);
  }

 private:
  static constexpr int kMaxDepth = 2;  // the format text, and pictures it expands

  // One reading of a text: the format text itself or an expanded picture.
  struct Level {
    std::string_view text;
    std::size_t pos = 0;
    char previousLetter = 0;
    bool twelveHour = false;
  };

  void Parse(std::string_view text) {
    text = format_parsing::UpToNul(text);
    if (text.empty() || depth_ >= kMaxDepth) return;
    ++depth_;
    Level level;
    level.text = text;
    while (level.pos < text.size()) Step(level);
    --depth_;
  }

  void Text(std::string_view text) { sink_.Text(FormatOpCode::kText, text); }
  void Field(FormatOpCode code, int width = 0) { sink_.Field(code, width); }

  void Step(Level& level) {
    const std::string_view text = level.text;
    const char byte = text[level.pos];
    if (codePage_.IsLeadByte(static_cast<unsigned char>(byte))) {
      const std::size_t length = codePage_.CharLength(text, level.pos);
      Text(text.substr(level.pos, length));
      level.pos += length;
      level.previousLetter = 0;
      return;
    }
    ++level.pos;
    char letter = format_parsing::AsciiUpper(byte);
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
        if (locale_.dateSep != '\0') Text(std::string_view(&locale_.dateSep, 1));
        break;
      case ':':
        if (locale_.timeSep != '\0') Text(std::string_view(&locale_.timeSep, 1));
        break;
      default:
        Text(text.substr(level.pos - 1, 1));
        break;
    }
  }

  void Run(Level& level, char letter, int run) {
    const int shortWidth = run == 1 ? 1 : 2;
    switch (letter) {
      case 'Y':
        Field(FormatOpCode::kYear, run <= 2 ? 2 : 4);
        break;
      case 'M':
        if (run <= 2) {
          Field(FormatOpCode::kMonth, run);
        } else {
          Field(run == 3 ? FormatOpCode::kMonthAbbrev : FormatOpCode::kMonthName);
        }
        break;
      case 'N':
        Field(FormatOpCode::kMinute, shortWidth);
        break;
      case 'D':
        if (run <= 2) {
          Field(FormatOpCode::kDay, run);
        } else if (run == 3) {
          Field(FormatOpCode::kDayAbbrev);
        } else if (run == 4) {
          Field(FormatOpCode::kDayName);
        } else {
          Parse(run == 5 ? locale_.shortDatePicture : locale_.longDatePicture);
        }
        break;
      case 'H':
        Field(IsTwelveHour(level) ? FormatOpCode::kHour12 : FormatOpCode::kHour, shortWidth);
        break;
      case 'S':
        Field(FormatOpCode::kSecond, shortWidth);
        break;
      case 'Z':
        Field(FormatOpCode::kMillisecond, run < 3 ? run : 3);
        break;
      case 'T':
        Parse(run == 1 ? locale_.shortTimePicture : locale_.longTimePicture);
        break;
      case 'C':
        DateAndTime();
        break;
      case 'E':
        Field(FormatOpCode::kEraYear, run <= 2 ? run : 4);
        break;
      case 'G':
        Field(FormatOpCode::kEraName, shortWidth);
        break;
    }
  }

  // An hour is in 12-hour form when an AM/PM form earlier in the level said
  // so, or when one follows before the next hour or a-letter.
  bool IsTwelveHour(Level& level) const {
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
        if (format_parsing::StartsWithAmPmForm(text, p)) level.twelveHour = true;
        break;
      }
      ++p;
    }
    return level.twelveHour;
  }

  void AForm(Level& level, std::size_t start) {
    using namespace format_parsing;
    const std::string_view text = level.text;
    if (StartsWithIgnoringCase(text, start, kAmPmSlash)) {
      sink_.Text(FormatOpCode::kMorningText, text.substr(start, 2));
      sink_.Text(FormatOpCode::kEveningText, text.substr(start + 3, 2));
      level.pos = start + 5;
      level.twelveHour = true;
    } else if (StartsWithIgnoringCase(text, start, kAPSlash)) {
      sink_.Text(FormatOpCode::kMorningText, text.substr(start, 1));
      sink_.Text(FormatOpCode::kEveningText, text.substr(start + 2, 1));
      level.pos = start + 3;
      level.twelveHour = true;
    } else if (StartsWithIgnoringCase(text, start, kAmPm)) {
      Field(FormatOpCode::kAmPmText);
      level.pos = start + 4;
      level.twelveHour = true;
    } else if (StartsWithIgnoringCase(text, start, kFullDay)) {
      Field(FormatOpCode::kDayName);
      level.pos = start + 4;
    } else if (StartsWithIgnoringCase(text, start, kShortDay)) {
      Field(FormatOpCode::kDayAbbrev);
      level.pos = start + 3;
    } else {
      Text(text.substr(start, 1));
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
    if (p > start) Text(text.substr(start, p - start));
    level.pos = p < text.size() ? p + 1 : p;
  }

  // The short date, then a blank and the long time unless it is midnight.
  void DateAndTime() {
    if (depth_ >= kMaxDepth) return;  // pictures never expand inside a picture
    Parse(locale_.shortDatePicture);
    Field(FormatOpCode::kUnlessMidnight);
    Text(" ");
    Parse(locale_.longTimePicture);
    Field(FormatOpCode::kEndUnlessMidnight);
  }

  const CodePageFacts& codePage_;
  const FormatLocale& locale_;
  Sink& sink_;
  int depth_ = 0;
};

}  // namespace kalvori
