// Binds the locale source to kernel32 and user32.
#pragma once

#include "text/locale_source.h"

namespace kalvori {

class Win32LocaleSource : public LocaleSource {
 public:
  std::uint32_t PlatformId() override;
  std::uint32_t ThreadLocale() override;
  int LocaleInfo(std::uint32_t locale, std::uint32_t item, char* buffer, int size) override;
  std::uint32_t AnsiCodePage() override;
  std::array<unsigned char, 12> LeadByteRanges(std::uint32_t codePage) override;
  bool DbcsEnabled() override;
};

}  // namespace kalvori
