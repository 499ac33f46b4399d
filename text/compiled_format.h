// A format text read once, for a caller that writes the same format again
// and again (the stamper, on every tick). Render gives exactly what
// FormatClockText gives for the same text and moment, without reading the
// text anew.
//
// The regional settings are those in force when the text was read:
// separators, pictures and names are taken in then. They must outlive the
// format.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/clock_text.h"
#include "text/date_time.h"
#include "text/format_ops.h"
#include "text/regional_settings.h"
#include "text/text_platform.h"

namespace kalvori {

template <class Sink>
class FormatParser;

class CompiledClockFormat {
 public:
  CompiledClockFormat(std::string_view format, const RegionalSettings& regional);

  ClockText Render(DateTimeValue value, TextPlatform& platform) const;

  // Whether the text always fits the output whole, so that it is written
  // without clipping (true unless it has era fields or is very long).
  bool IsBounded() const { return bounded_; }
  // Whether, further, its length never changes, so that it is laid out once
  // and only the fields are written into it (true of the built-in formats).
  bool HasFixedLayout() const { return fixedLayout_; }

 private:
  friend class FormatParser<CompiledClockFormat>;
  // What the parser hands over, kept as steps.
  void Text(FormatOpCode code, std::string_view text);
  void Field(FormatOpCode code, int width);

  struct TextRef {
    std::uint32_t offset;
    std::uint32_t length;
  };

  // The bounded writer's unit: a step (kText: none), then a text as it
  // stands. Name and AM/PM steps pick an entry of the table at
  // tables_[table]; kUnlessMidnight goes on to piece `table` at midnight.
  struct Piece {
    FormatOpCode code;
    std::uint8_t width;
    std::uint32_t table;
    TextRef text;
  };

  void MakeBounded();
  bool AddPiece(const FormatOp& op, std::size_t& longest);
  void AddText(TextRef text);
  std::size_t AddTable(const std::string_view* entries, std::size_t count);
  template <std::size_t N>
  std::size_t AddNameTable(const std::array<std::string, N>& names);
  bool Decode(DateTimeValue value, DecodedMoment& moment) const;
  bool WriteLaidOut(DateTimeValue value, ClockText& out) const;
  bool WriteBounded(DateTimeValue value, ClockText& out) const;
  template <bool kLaidOut>
  char* WriteStep(const Piece& piece, const DecodedMoment& moment, char* at) const;
  void LayOut();
  std::size_t FixedLength(const Piece& piece) const;
  std::size_t TableEntriesLength(std::size_t first, std::size_t count) const;

  const RegionalSettings* regional_;
  std::vector<FormatOp> ops_;
  std::string texts_;  // the text steps' bytes, back to back

  // The bounded form: pieces whose tables' texts are in texts_ too; texts_
  // then ends in padding, so that texts are copied in whole blocks.
  bool bounded_ = false;
  bool needsDate_ = false;
  std::vector<Piece> pieces_;
  std::vector<TextRef> tables_;

  // Laid out: the texts in place, and pieces that hold where each step goes.
  bool fixedLayout_ = false;
  std::size_t layoutSize_ = 0;
  std::array<char, ClockText::kCapacity> layout_{};
};

}  // namespace kalvori
