// The date-time format language of the clock.
//
// Letters, in either case, stand for fields: y year, m month (minute after an
// hour), n minute, d day, h hour, s second, z millisecond, e/g era; runs of a
// letter choose the width or form. a-forms write AM/PM markers or weekday
// names, c/t/ddddd/dddddd expand the locale's pictures (one level deep),
// quotes make literals, "/" and ":" write the locale's separators. Output is
// at most 256 bytes.
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
