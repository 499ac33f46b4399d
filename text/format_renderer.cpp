#include "text/format_renderer.h"

#include <cstring>

#include "text/field_digits.h"

namespace kalvori {
namespace {

template <std::size_t N>
std::string_view NameAt(const std::array<std::string, N>& names, int index) {
  if (index < 1 || static_cast<std::size_t>(index) >= N) return {};
  return names[index];
}

}  // namespace

void FormatRenderer::Field(FormatOpCode code, int width) { Put(code, width); }

// Inlined into Write's loop: a stored format's steps run without a call each.
__attribute__((always_inline)) inline void FormatRenderer::Put(FormatOpCode code, int width) {
  if (code == FormatOpCode::kEndUnlessMidnight) {
    skipping_ = false;
    return;
  }
  if (skipping_) return;
  const FormatLocale& locale = regional_.format;
  switch (code) {
    case FormatOpCode::kYear: {
      const int year = Date().date.year;
      Number(width == 2 ? year % 100 : year, width);
      break;
    }
    case FormatOpCode::kMonth:
      Number(Date().date.month, width);
      break;
    case FormatOpCode::kMonthAbbrev:
      out_.Append(NameAt(locale.monthAbbrevs, Date().date.month));
      break;
    case FormatOpCode::kMonthName:
      out_.Append(NameAt(locale.monthFullNames, Date().date.month));
      break;
    case FormatOpCode::kDay:
      Number(Date().date.day, width);
      break;
    case FormatOpCode::kDayAbbrev:
      out_.Append(NameAt(locale.dayAbbrevs, Date().weekday));
      break;
    case FormatOpCode::kDayName:
      out_.Append(NameAt(locale.dayFullNames, Date().weekday));
      break;
    case FormatOpCode::kHour:
      Number(Time().hour, width);
      break;
    case FormatOpCode::kHour12:
      Number(TwelveHour(Time().hour), width);
      break;
    case FormatOpCode::kMinute:
      Number(Time().minute, width);
      break;
    case FormatOpCode::kSecond:
      Number(Time().second, width);
      break;
    case FormatOpCode::kMillisecond:
      Number(Time().millisecond, width);
      break;
    case FormatOpCode::kAmPmText:
      out_.Append(IsMorning() ? locale.amText : locale.pmText);
      break;
    case FormatOpCode::kEraYear:
      EraYear(width);
      break;
    case FormatOpCode::kEraName:
      EraName(width);
      break;
    case FormatOpCode::kUnlessMidnight: {
      const DecodedMoment& time = Time();
      skipping_ = time.hour == 0 && time.minute == 0 && time.second == 0;
      break;
    }
    case FormatOpCode::kEndUnlessMidnight:
    case FormatOpCode::kText:
    case FormatOpCode::kMorningText:
    case FormatOpCode::kEveningText:
      break;
  }
}

// The era text for the value's date, up to its first NUL; empty on failure.
std::string_view FormatRenderer::EraText(const char* picture) {
  const CivilDate& date = Date().date;
  const int written = platform_.FormatAltCalendarDate(date.year, date.month, date.day, picture,
                                                      eraBuffer_, sizeof eraBuffer_);
  if (written <= 0) return {};
  return std::string_view(eraBuffer_, strnlen(eraBuffer_, sizeof eraBuffer_));
}

void FormatRenderer::EraYear(int width) {
  std::string_view year = EraText(width <= 2 ? "yy" : "yyyy");
  if (width == 1 && !year.empty() && year[0] == '0') year.remove_prefix(1);
  out_.Append(year);
}

void FormatRenderer::EraName(int width) {
  const CodePageFacts& codePage = regional_.codePage;
  const std::string_view name = EraText("gg");
  if (width == 1 && codePage.primaryLanguage == 0x04 && codePage.subLanguage == 0x01) {
    std::size_t bounds[5];
    if (SplitCharacters(name, bounds) == 4) {
      out_.Append(name.substr(bounds[2], bounds[4] - bounds[2]));
      return;
    }
  } else if (width == 1 && codePage.primaryLanguage == 0x11) {
    std::size_t bounds[5];
    if (SplitCharacters(name, bounds) >= 1) out_.Append(name.substr(0, bounds[1]));
    return;
  }
  out_.Append(name);
}

// Character boundaries of the first four characters: bounds[i] is where
// character i starts. Returns the character count (counting stops at 5).
int FormatRenderer::SplitCharacters(std::string_view text, std::size_t (&bounds)[5]) const {
  const CodePageFacts& codePage = regional_.codePage;
  int count = 0;
  std::size_t p = 0;
  bounds[0] = 0;
  while (p < text.size() && count < 5) {
    p += codePage.doubleByteMode ? codePage.CharLength(text, p) : 1;
    ++count;
    if (count < 5) bounds[count] = p;
  }
  return count;
}

void FormatRenderer::Number(int value, int minDigits) {
  char digits[16];
  out_.Append(std::string_view(digits, PutNumber(digits, value, minDigits) - digits));
}

void FormatRenderer::Write(const FormatOp* ops, std::size_t count, const char* texts) {
  for (const FormatOp* op = ops; op != ops + count; ++op) {
    if (op->code <= FormatOpCode::kEveningText) {
      Text(op->code, std::string_view(texts + op->offset, op->length));
    } else {
      Put(op->code, op->width);
    }
  }
}

}  // namespace kalvori
