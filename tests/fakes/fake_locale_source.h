// A scripted locale: items that are not set fail like an unknown item.
#pragma once

#include <map>
#include <string>

#include "text/locale_source.h"

namespace kalvori::testing {

class FakeLocaleSource : public LocaleSource {
 public:
  std::uint32_t PlatformId() override { return platformId; }
  std::uint32_t ThreadLocale() override { return threadLocale; }

  int LocaleInfo(std::uint32_t locale, std::uint32_t item, char* buffer, int size) override {
    askedLocales[item] = locale;
    auto found = items.find(item);
    if (found == items.end()) return 0;
    const std::string& text = found->second;
    if (static_cast<int>(text.size()) + 1 > size) return 0;  // does not fit with its NUL
    text.copy(buffer, text.size());
    buffer[text.size()] = '\0';
    return static_cast<int>(text.size()) + 1;
  }

  std::uint32_t AnsiCodePage() override { return ansiCodePage; }

  std::array<unsigned char, 12> LeadByteRanges(std::uint32_t codePage) override {
    askedCodePage = codePage;
    auto found = leadRanges.find(codePage);
    return found == leadRanges.end() ? std::array<unsigned char, 12>{} : found->second;
  }

  bool DbcsEnabled() override { return dbcsEnabled; }

  std::uint32_t platformId = kPlatformWin32Nt;
  std::uint32_t threadLocale = 0x0409;
  std::uint32_t ansiCodePage = 1252;
  bool dbcsEnabled = false;
  std::map<std::uint32_t, std::string> items;
  std::map<std::uint32_t, std::array<unsigned char, 12>> leadRanges;
  std::map<std::uint32_t, std::uint32_t> askedLocales;
  std::uint32_t askedCodePage = 0;
};

// Lead bytes of code page 932: 0x81-0x9F and 0xE0-0xFC.
inline std::array<unsigned char, 12> ShiftJisLeadRanges() {
  return {0x81, 0x9F, 0xE0, 0xFC, 0, 0, 0, 0, 0, 0, 0, 0};
}

}  // namespace kalvori::testing
