#include "adapters/win32/win32_locale_source.h"

#include <windows.h>

#include <cstring>

namespace kalvori {

std::uint32_t Win32LocaleSource::PlatformId() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return 0;
#pragma GCC diagnostic pop
  return info.dwPlatformId;
}

std::uint32_t Win32LocaleSource::ThreadLocale() { return GetThreadLocale(); }

int Win32LocaleSource::LocaleInfo(std::uint32_t locale, std::uint32_t item, char* buffer,
                                  int size) {
  return GetLocaleInfoA(locale, item, buffer, size);
}

std::uint32_t Win32LocaleSource::AnsiCodePage() { return GetACP(); }

std::array<unsigned char, 12> Win32LocaleSource::LeadByteRanges(std::uint32_t codePage) {
  std::array<unsigned char, 12> ranges{};
  CPINFO info = {};
  if (GetCPInfo(codePage, &info)) std::memcpy(ranges.data(), info.LeadByte, ranges.size());
  return ranges;
}

bool Win32LocaleSource::DbcsEnabled() { return GetSystemMetrics(SM_DBCSENABLED) != 0; }

}  // namespace kalvori
