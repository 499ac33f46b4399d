// The date-time format language of the clock (text/format_parser.h tells the
// tokens). Output is at most 256 bytes.
#pragma once

#include <string_view>

#include "text/clock_text.h"
#include "text/date_time.h"
#include "text/regional_settings.h"
#include "text/text_platform.h"

namespace kalvori {

// The format text counts up to its first NUL byte; an empty one formats as "C".
ClockText FormatClockText(std::string_view format, DateTimeValue value,
                          const RegionalSettings& regional, TextPlatform& platform);

DateTimeValue CurrentLocalDateTime(TextPlatform& platform);

}  // namespace kalvori
