// The platform's locale services, as read once when the module loads.
// The Win32 binding calls kernel32 and user32; tests use a scripted fake.
#pragma once

#include <array>
#include <cstdint>

namespace kalvori {

// Locale item codes, as the platform numbers them.
namespace locale_item {
constexpr std::uint32_t kTimeLeadingZero = 0x25;     // LOCALE_ITLZERO
constexpr std::uint32_t kTimeFormat = 0x23;          // LOCALE_ITIME
constexpr std::uint32_t kTimeMarkPosition = 0x1005;  // LOCALE_ITIMEMARKPOSN
constexpr std::uint32_t kCalendarType = 0x1009;      // LOCALE_ICALENDARTYPE
constexpr std::uint32_t kDefaultAnsiCodePage = 0x1004;
constexpr std::uint32_t kDateSeparator = 0x1D;  // LOCALE_SDATE
constexpr std::uint32_t kTimeSeparator = 0x1E;  // LOCALE_STIME
constexpr std::uint32_t kShortDate = 0x1F;      // LOCALE_SSHORTDATE
constexpr std::uint32_t kLongDate = 0x20;       // LOCALE_SLONGDATE
constexpr std::uint32_t kAmText = 0x28;         // LOCALE_S1159
constexpr std::uint32_t kPmText = 0x29;         // LOCALE_S2359
constexpr std::uint32_t kDayName1 = 0x2A;       // LOCALE_SDAYNAME1 (Monday) .. +6 (Sunday)
constexpr std::uint32_t kAbbrevDayName1 = 0x31;
constexpr std::uint32_t kMonthName1 = 0x38;
constexpr std::uint32_t kAbbrevMonthName1 = 0x44;
}  // namespace locale_item

constexpr std::uint32_t kPlatformWin32Nt = 2;  // VER_PLATFORM_WIN32_NT

class LocaleSource {
 public:
  virtual ~LocaleSource() = default;
  // GetVersionExA's platform identifier, 0 when it cannot be read.
  virtual std::uint32_t PlatformId() = 0;
  // GetThreadLocale.
  virtual std::uint32_t ThreadLocale() = 0;
  // GetLocaleInfoA: characters written including the NUL, 0 on failure
  // (also when the text and its NUL do not fit into `size` bytes).
  virtual int LocaleInfo(std::uint32_t locale, std::uint32_t item, char* buffer, int size) = 0;
  // GetACP.
  virtual std::uint32_t AnsiCodePage() = 0;
  // GetCPInfo's lead-byte list: up to six (first, last) pairs, ended by a
  // pair of zeros; all zeros when the code page is unknown.
  virtual std::array<unsigned char, 12> LeadByteRanges(std::uint32_t codePage) = 0;
  // GetSystemMetrics(SM_DBCSENABLED) != 0.
  virtual bool DbcsEnabled() = 0;
};

}  // namespace kalvori
