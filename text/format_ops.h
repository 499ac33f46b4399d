// The steps a format text breaks into: texts to copy as they stand, and
// fields whose text depends on the moment. A format is read once into these
// steps, and the steps are then written for any moment.
#pragma once

#include <cstdint>

namespace kalvori {

enum class FormatOpCode : std::uint8_t {
  kText,         // copied as it stands
  kMorningText,  // copied before noon only (the first half of "AM/PM", "A/P")
  kEveningText,  // copied from noon on only
  kYear,         // width 2: the last two digits; 4: at least four digits
  kMonth,        // width 1 or 2
  kMonthAbbrev,
  kMonthName,
  kDay,  // width 1 or 2
  kDayAbbrev,
  kDayName,
  kHour,    // 24-hour, width 1 or 2
  kHour12,  // 12-hour, width 1 or 2
  kMinute,
  kSecond,
  kMillisecond,        // width 1 to 3
  kAmPmText,           // the locale's morning or evening text
  kEraYear,            // width 1 (no leading zero), 2 or 4
  kEraName,            // width 1 (short form) or 2
  kUnlessMidnight,     // what follows, up to kEndUnlessMidnight, only when
  kEndUnlessMidnight,  // the time of day is not 00:00:00
};

// One step of a stored format; texts are kept in a pool the steps index.
struct FormatOp {
  FormatOpCode code;
  std::uint8_t width;
  std::uint32_t offset;  // text steps: where in the pool
  std::uint32_t length;
};

}  // namespace kalvori
