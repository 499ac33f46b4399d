#include "adapters/win32/win32_text_platform.h"

#include <windows.h>

namespace kalvori {

void Win32TextPlatform::UpperCase(char* bytes, std::size_t count) {
  CharUpperBuffA(bytes, static_cast<DWORD>(count));
}

int Win32TextPlatform::FormatAltCalendarDate(int year, int month, int day, const char* picture,
                                             char* buffer, int size) {
  if (year < 1 || year > 30827 || month < 1 || month > 12 || day < 1) return 0;
  SYSTEMTIME date = {};
  date.wYear = static_cast<WORD>(year);
  date.wMonth = static_cast<WORD>(month);
  date.wDay = static_cast<WORD>(day);
  return GetDateFormatA(GetThreadLocale(), DATE_USE_ALT_CALENDAR, &date, picture, buffer, size);
}

LocalTimeFields Win32TextPlatform::LocalTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

}  // namespace kalvori
