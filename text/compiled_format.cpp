#include "text/compiled_format.h"

#include <cstring>

#include "text/field_digits.h"
#include "text/format_parser.h"
#include "text/format_renderer.h"

namespace kalvori {
namespace {

// Texts are copied in blocks of this size; the output area and the text pool
// both have room for a block's overhang.
constexpr std::size_t kBlock = 16;

char* CopyText(char* at, const char* text, std::size_t length) {
  for (std::size_t i = 0; i < length; i += kBlock) std::memcpy(at + i, text + i, kBlock);
  return at + length;
}

char* PutTwoDigits(char* at, int value) {
  std::memcpy(at, kDigitPairs + 2 * value, 2);
  return at + 2;
}

// The two-digit case, nearly every field, in one copy.
char* PutField(char* at, int value, int width) {
  if (width == 2 && value < 100) return PutTwoDigits(at, value);
  return PutNumber(at, value, width);
}

constexpr std::size_t kUnbounded = ClockText::kCapacity + 1;
constexpr std::uint32_t kNoTarget = 0xFFFFFFFF;

}  // namespace

CompiledClockFormat::CompiledClockFormat(std::string_view format, const RegionalSettings& regional)
    : regional_(&regional) {
  FormatParser<CompiledClockFormat>(regional, *this).ParseFormat(format);
  MakeBounded();
}

// Adjacent plain texts become one step. Texts beyond what could ever be
// written are not kept: the output holds 256 bytes.
void CompiledClockFormat::Text(FormatOpCode code, std::string_view text) {
  if (text.size() > ClockText::kCapacity) text = text.substr(0, ClockText::kCapacity);
  if (code == FormatOpCode::kText && !ops_.empty() && ops_.back().code == FormatOpCode::kText &&
      ops_.back().length + text.size() <= ClockText::kCapacity) {
    ops_.back().length += static_cast<std::uint32_t>(text.size());
  } else {
    ops_.push_back({code, 0, static_cast<std::uint32_t>(texts_.size()),
                    static_cast<std::uint32_t>(text.size())});
  }
  texts_.append(text.data(), text.size());
}

void CompiledClockFormat::Field(FormatOpCode code, int width) {
  ops_.push_back({code, static_cast<std::uint8_t>(width), 0, 0});
}

// The format is bounded when the longest text it can give fits the output
// with a block to spare: then nothing is ever clipped, and it is written
// without checking room. Era texts come from the platform and have no bound.
void CompiledClockFormat::MakeBounded() {
  std::size_t longest = 0;
  for (const FormatOp& op : ops_) {
    if (!AddPiece(op, longest) || longest + kBlock > ClockText::kCapacity) {
      pieces_.clear();
      tables_.clear();
      return;
    }
  }
  for (Piece& piece : pieces_) {  // an unclosed part goes on to the end
    if (piece.code == FormatOpCode::kUnlessMidnight && piece.table == kNoTarget) {
      piece.table = static_cast<std::uint32_t>(pieces_.size());
    }
  }
  texts_.append(kBlock, '\0');
  bounded_ = true;
  LayOut();
}

// Adds what the step writes to the pieces, and the most bytes it can write
// to `longest`. False for a step without a bound.
bool CompiledClockFormat::AddPiece(const FormatOp& op, std::size_t& longest) {
  const FormatLocale& locale = regional_->format;
  const std::size_t table = tables_.size();
  const auto add = [&](FormatOpCode code, std::size_t length) {
    pieces_.push_back({code, op.width, static_cast<std::uint32_t>(table), {0, 0}});
    longest += length;
    return length <= ClockText::kCapacity;
  };
  const std::string_view text(texts_.data() + op.offset, op.length);
  switch (op.code) {
    case FormatOpCode::kText:
      AddText({op.offset, op.length});
      longest += op.length;
      return true;
    case FormatOpCode::kMorningText: {
      const std::string_view entries[] = {text, ""};
      return add(op.code, AddTable(entries, 2));
    }
    case FormatOpCode::kEveningText: {
      // The second half of an AM/PM form joins the first in one choice.
      Piece* last = pieces_.empty() ? nullptr : &pieces_.back();
      if (last && last->code == FormatOpCode::kMorningText && last->text.length == 0 &&
          tables_[last->table + 1].length == 0) {
        tables_[last->table + 1] = {op.offset, op.length};
        longest += op.length;
        return true;
      }
      const std::string_view entries[] = {"", text};
      return add(op.code, AddTable(entries, 2));
    }
    case FormatOpCode::kAmPmText: {
      const std::string_view entries[] = {locale.amText, locale.pmText};
      return add(op.code, AddTable(entries, 2));
    }
    case FormatOpCode::kYear:  // a year of more than four digits is not written here
      needsDate_ = true;
      return add(op.code, op.width);
    case FormatOpCode::kMonth:
    case FormatOpCode::kDay:
      needsDate_ = true;
      return add(op.code, 2);
    case FormatOpCode::kHour:
    case FormatOpCode::kHour12:
    case FormatOpCode::kMinute:
    case FormatOpCode::kSecond:
      return add(op.code, 2);
    case FormatOpCode::kMillisecond:
      return add(op.code, 3);
    case FormatOpCode::kMonthAbbrev:
      needsDate_ = true;
      return add(op.code, AddNameTable(locale.monthAbbrevs));
    case FormatOpCode::kMonthName:
      needsDate_ = true;
      return add(op.code, AddNameTable(locale.monthFullNames));
    case FormatOpCode::kDayAbbrev:
      needsDate_ = true;
      return add(op.code, AddNameTable(locale.dayAbbrevs));
    case FormatOpCode::kDayName:
      needsDate_ = true;
      return add(op.code, AddNameTable(locale.dayFullNames));
    case FormatOpCode::kUnlessMidnight:
      pieces_.push_back({op.code, 0, kNoTarget, {0, 0}});  // the target is set at its end
      return true;
    case FormatOpCode::kEndUnlessMidnight:
      for (std::size_t i = pieces_.size(); i-- > 0;) {
        if (pieces_[i].code == FormatOpCode::kUnlessMidnight && pieces_[i].table == kNoTarget) {
          pieces_[i].table = static_cast<std::uint32_t>(pieces_.size());
          break;
        }
      }
      pieces_.push_back({FormatOpCode::kText, 0, 0, {0, 0}});
      return true;
    case FormatOpCode::kEraYear:
    case FormatOpCode::kEraName:
      break;
  }
  return false;
}

// The text goes after the last piece's own text, where it directly follows
// it (as adjacent steps' texts do), else into a piece of its own.
void CompiledClockFormat::AddText(TextRef text) {
  if (!pieces_.empty()) {
    TextRef& last = pieces_.back().text;
    if (last.length == 0) {
      last = text;
      return;
    }
    if (last.offset + last.length == text.offset) {
      last.length += text.length;
      return;
    }
  }
  pieces_.push_back({FormatOpCode::kText, 0, 0, text});
}

// Returns the longest entry; more than the capacity when one is too long.
std::size_t CompiledClockFormat::AddTable(const std::string_view* entries, std::size_t count) {
  std::size_t longest = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view entry = entries[i];
    if (entry.size() > ClockText::kCapacity) return kUnbounded;
    const auto offset = static_cast<std::uint32_t>(texts_.size());
    texts_.append(entry.data(), entry.size());  // may move texts_, so copied before
    tables_.push_back({offset, static_cast<std::uint32_t>(entry.size())});
    if (entry.size() > longest) longest = entry.size();
  }
  return longest;
}

// Indexed by month (1 to 12) or weekday (1 to 7); entry 0 is never used.
template <std::size_t N>
std::size_t CompiledClockFormat::AddNameTable(const std::array<std::string, N>& names) {
  std::string_view entries[N];
  for (std::size_t i = 1; i < N; ++i) entries[i] = names[i];
  return AddTable(entries, N);
}

ClockText CompiledClockFormat::Render(DateTimeValue value, TextPlatform& platform) const {
  ClockText out;  // returned in place
  const bool written =
      fixedLayout_ ? WriteLaidOut(value, out) : bounded_ && WriteBounded(value, out);
  if (!written) {
    FormatRenderer renderer(value, *regional_, platform, out);
    renderer.Write(ops_.data(), ops_.size(), texts_.data());
  }
  return out;
}

// Writes the piece's step (not its text) at `at`; returns where it ends.
// Into a laid-out text, table entries are copied exactly: what follows them
// is already in place.
template <bool kLaidOut>
__attribute__((always_inline)) inline char* CompiledClockFormat::WriteStep(
    const Piece& piece, const DecodedMoment& moment, char* at) const {
  const auto entry = [&](int index) {
    const TextRef& text = tables_[piece.table + index];
    const char* from = texts_.data() + text.offset;
    if (!kLaidOut) return CopyText(at, from, text.length);
    for (std::uint32_t i = 0; i < text.length; ++i) at[i] = from[i];
    return at + text.length;
  };
  switch (piece.code) {
    case FormatOpCode::kYear:
      return piece.width == 2 ? PutTwoDigits(at, moment.date.year % 100)
                              : PutField(at, moment.date.year, 4);
    case FormatOpCode::kMonth:
      return PutField(at, moment.date.month, piece.width);
    case FormatOpCode::kDay:
      return PutField(at, moment.date.day, piece.width);
    case FormatOpCode::kHour:
      return PutField(at, moment.hour, piece.width);
    case FormatOpCode::kHour12:
      return PutField(at, TwelveHour(moment.hour), piece.width);
    case FormatOpCode::kMinute:
      return PutField(at, moment.minute, piece.width);
    case FormatOpCode::kSecond:
      return PutField(at, moment.second, piece.width);
    case FormatOpCode::kMillisecond:
      return PutField(at, moment.millisecond, piece.width);
    case FormatOpCode::kMonthAbbrev:
    case FormatOpCode::kMonthName:
      return entry(moment.date.month);
    case FormatOpCode::kDayAbbrev:
    case FormatOpCode::kDayName:
      return entry(moment.weekday);
    case FormatOpCode::kMorningText:
    case FormatOpCode::kEveningText:
    case FormatOpCode::kAmPmText:
      return entry(moment.hour < 12 ? 0 : 1);
    case FormatOpCode::kText:
    case FormatOpCode::kUnlessMidnight:
    case FormatOpCode::kEndUnlessMidnight:
    case FormatOpCode::kEraYear:
    case FormatOpCode::kEraName:
      break;
  }
  return at;
}

// The date and time fields; false for dates outside years 1 to 9999 (no
// month at all, or a year of more than four digits), which only the general
// writer writes.
__attribute__((always_inline)) inline bool CompiledClockFormat::Decode(
    DateTimeValue value, DecodedMoment& moment) const {
  const DayAndTime split = SplitDateTime(value);
  if (needsDate_) {
    DecodedMoment date;  // apart, so that `moment` can stay in registers
    DecodeDate(split.dayNumber, date);
    if (date.date.year < 1 || date.date.year > 9999) return false;
    moment.date = date.date;
    moment.weekday = date.weekday;
  }
  DecodeTimeOfDay(split.msOfDay, moment);
  return true;
}

// False, with `out` untouched, when the moment needs the general writer.
bool CompiledClockFormat::WriteLaidOut(DateTimeValue value, ClockText& out) const {
  DecodedMoment moment;
  if (!Decode(value, moment)) return false;
  out.Fill([&](char* const area) {
    CopyText(area, layout_.data(), layoutSize_);
    for (const Piece& piece : pieces_) WriteStep<true>(piece, moment, area + piece.text.offset);
    return layoutSize_;
  });
  return true;
}

// False, with `out` untouched, when the moment needs the general writer.
bool CompiledClockFormat::WriteBounded(DateTimeValue value, ClockText& out) const {
  DecodedMoment moment;
  if (!Decode(value, moment)) return false;
  const bool midnight = moment.hour == 0 && moment.minute == 0 && moment.second == 0;
  const Piece* const first = pieces_.data();
  const Piece* const end = first + pieces_.size();
  out.Fill([&](char* const area) {
    char* at = area;
    for (const Piece* piece = first; piece != end; ++piece) {
      if (piece->code == FormatOpCode::kUnlessMidnight && midnight) {
        piece = first + piece->table - 1;
        continue;
      }
      at = WriteStep<false>(*piece, moment, at);
      at = CopyText(at, texts_.data() + piece->text.offset, piece->text.length);
    }
    return static_cast<std::size_t>(at - area);
  });
  return true;
}

// When every step writes the same number of bytes at every moment (as in
// every built-in format), the whole text is laid out once, and only the
// steps are written, each at its place. The pieces then hold those places
// instead of their texts.
void CompiledClockFormat::LayOut() {
  std::vector<Piece> steps;
  std::size_t size = 0;
  const auto place = [&](std::string_view text) {
    std::memcpy(layout_.data() + size, text.data(), text.size());
    size += text.size();
  };
  for (const Piece& piece : pieces_) {
    const std::size_t length = FixedLength(piece);
    if (length == kUnbounded) return;
    if (piece.code != FormatOpCode::kText) {
      steps.push_back({piece.code,
                       piece.width,
                       piece.table,
                       {static_cast<std::uint32_t>(size), static_cast<std::uint32_t>(length)}});
      size += length;
    }
    place(std::string_view(texts_.data() + piece.text.offset, piece.text.length));
  }
  pieces_.swap(steps);
  layoutSize_ = size;
  fixedLayout_ = true;
}

// The length the piece's step always writes; kUnbounded when it varies.
std::size_t CompiledClockFormat::FixedLength(const Piece& piece) const {
  switch (piece.code) {
    case FormatOpCode::kText:
      return 0;
    case FormatOpCode::kYear:
      return piece.width;  // a longer year is not written here
    case FormatOpCode::kMonth:
    case FormatOpCode::kDay:
    case FormatOpCode::kHour:
    case FormatOpCode::kHour12:
    case FormatOpCode::kMinute:
    case FormatOpCode::kSecond:
      return piece.width == 2 ? 2 : kUnbounded;
    case FormatOpCode::kMillisecond:
      return piece.width == 3 ? 3 : kUnbounded;
    case FormatOpCode::kMonthAbbrev:
    case FormatOpCode::kMonthName:
      return TableEntriesLength(piece.table + 1, 12);
    case FormatOpCode::kDayAbbrev:
    case FormatOpCode::kDayName:
      return TableEntriesLength(piece.table + 1, 7);
    case FormatOpCode::kMorningText:
    case FormatOpCode::kEveningText:
    case FormatOpCode::kAmPmText:
      return TableEntriesLength(piece.table, 2);
    case FormatOpCode::kUnlessMidnight:
    case FormatOpCode::kEndUnlessMidnight:
    case FormatOpCode::kEraYear:
    case FormatOpCode::kEraName:
      break;
  }
  return kUnbounded;
}

// The entries' common length; kUnbounded when they differ.
std::size_t CompiledClockFormat::TableEntriesLength(std::size_t first, std::size_t count) const {
  const std::size_t length = tables_[first].length;
  for (std::size_t i = first + 1; i < first + count; ++i) {
    if (tables_[i].length != length) return kUnbounded;
  }
  return length;
}

}  // namespace kalvori
