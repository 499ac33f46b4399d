// Binds the runtime text services to user32 and kernel32.
#pragma once

#include "text/text_platform.h"

namespace kalvori {

class Win32TextPlatform : public TextPlatform {
 public:
  void UpperCase(char* bytes, std::size_t count) override;
  int FormatAltCalendarDate(int year, int month, int day, const char* picture, char* buffer,
                            int size) override;
  LocalTimeFields LocalTime() override;
};

}  // namespace kalvori
