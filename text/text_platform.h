// The platform services that the text functions call while they run (as
// opposed to the locale values read once at load).
#pragma once

#include <cstddef>

#include "text/date_time.h"

namespace kalvori {

class TextPlatform {
 public:
  virtual ~TextPlatform() = default;
  // CharUpperBuffA over `count` bytes, in place.
  virtual void UpperCase(char* bytes, std::size_t count) = 0;
  // GetDateFormatA with the thread's current locale and DATE_USE_ALT_CALENDAR:
  // characters written including the NUL, 0 on failure.
  virtual int FormatAltCalendarDate(int year, int month, int day, const char* picture, char* buffer,
                                    int size) = 0;
  // GetLocalTime.
  virtual LocalTimeFields LocalTime() = 0;
};

}  // namespace kalvori
