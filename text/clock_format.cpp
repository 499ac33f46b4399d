#include "text/clock_format.h"

#include "text/format_parser.h"
#include "text/format_renderer.h"

namespace kalvori {

ClockText FormatClockText(std::string_view format, DateTimeValue value,
                          const RegionalSettings& regional, TextPlatform& platform) {
  ClockText out;  // returned in place
  FormatRenderer renderer(value, regional, platform, out);
  FormatParser<FormatRenderer>(regional, renderer).ParseFormat(format);
  return out;
}

DateTimeValue CurrentLocalDateTime(TextPlatform& platform) {
  return EncodeDateTime(platform.LocalTime());
}

}  // namespace kalvori
