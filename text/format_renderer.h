// Writes the steps of a format (text/format_ops.h) for one moment into a
// clock text. Date and time fields are decoded when a step first needs them.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/clock_text.h"
#include "text/date_time.h"
#include "text/format_ops.h"
#include "text/regional_settings.h"
#include "text/text_platform.h"

namespace kalvori {

class FormatRenderer {
 public:
  FormatRenderer(DateTimeValue value, const RegionalSettings& regional, TextPlatform& platform,
                 ClockText& out)
      : split_(SplitDateTime(value)), regional_(regional), platform_(platform), out_(out) {}

  // The three text codes.
  void Text(FormatOpCode code, std::string_view text) {
    if (skipping_) return;
    if (code != FormatOpCode::kText && (code == FormatOpCode::kMorningText) != IsMorning()) return;
    out_.Append(text);
  }

  // Every other code.
  void Field(FormatOpCode code, int width);

  // Stored steps; text steps index `texts`.
  void Write(const FormatOp* ops, std::size_t count, const char* texts);

 private:
  const DecodedMoment& Time() {
    if (!timeDecoded_) {
      DecodeTimeOfDay(split_.msOfDay, moment_);
      timeDecoded_ = true;
    }
    return moment_;
  }
  const DecodedMoment& Date() {
    if (!dateDecoded_) {
      DecodeDate(split_.dayNumber, moment_);
      dateDecoded_ = true;
    }
    return moment_;
  }
  bool IsMorning() { return Time().hour < 12; }

  void Put(FormatOpCode code, int width);
  void Number(int value, int minDigits);
  std::string_view EraText(const char* picture);
  void EraYear(int width);
  void EraName(int width);
  int SplitCharacters(std::string_view text, std::size_t (&bounds)[5]) const;

  const DayAndTime split_;
  const RegionalSettings& regional_;
  TextPlatform& platform_;
  ClockText& out_;
  DecodedMoment moment_;
  bool timeDecoded_ = false;
  bool dateDecoded_ = false;
  bool skipping_ = false;  // inside kUnlessMidnight at midnight
  char eraBuffer_[256];
};

}  // namespace kalvori
