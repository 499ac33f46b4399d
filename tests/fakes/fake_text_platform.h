// A scripted stand-in for the runtime text services of the platform.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "text/code_page_facts.h"
#include "text/text_platform.h"

namespace kalvori::testing {

class FakeTextPlatform : public TextPlatform {
 public:
  // Upper-cases like a code page would: ASCII letters, Latin-1 letters when
  // there is no lead-byte set, and never the bytes of a double-byte character.
  void UpperCase(char* bytes, std::size_t count) override {
    ++upperCaseCalls;
    for (std::size_t i = 0; i < count; ++i) {
      const auto b = static_cast<unsigned char>(bytes[i]);
      if (leadBytes.IsLeadByte(b)) {
        ++i;  // skip the trail byte
      } else if (b >= 'a' && b <= 'z') {
        bytes[i] = static_cast<char>(b - 32);
      } else if (!leadBytes.leadByteSet.any() && b >= 0xE0 && b != 0xF7 && b != 0xFF) {
        bytes[i] = static_cast<char>(b - 32);
      }
    }
  }

  int FormatAltCalendarDate(int year, int month, int day, const char* picture, char* buffer,
                            int size) override {
    eraCalls.emplace_back(year, month, day, picture);
    auto found = eraTexts.find(picture);
    if (found == eraTexts.end()) return 0;
    const std::string& text = found->second;
    if (static_cast<int>(text.size()) + 1 > size) return 0;
    text.copy(buffer, text.size());
    buffer[text.size()] = '\0';
    return static_cast<int>(text.size()) + 1;
  }

  LocalTimeFields LocalTime() override {
    ++clockReadings;
    LocalTimeFields now = now_;
    if (advanceMsPerReading != 0) Advance(advanceMsPerReading);
    return now;
  }

  void SetNow(const LocalTimeFields& now) { now_ = now; }

  // Moves the clock forward within the day (tests stay away from midnight).
  void Advance(int milliseconds) {
    long ms = ((now_.hour * 60L + now_.minute) * 60 + now_.second) * 1000 + now_.millisecond +
              milliseconds;
    now_.millisecond = static_cast<int>(ms % 1000);
    now_.second = static_cast<int>(ms / 1000 % 60);
    now_.minute = static_cast<int>(ms / 60000 % 60);
    now_.hour = static_cast<int>(ms / 3600000 % 24);
  }

  CodePageFacts leadBytes;                      // what UpperCase steps over
  std::map<std::string, std::string> eraTexts;  // picture -> text
  std::vector<std::tuple<int, int, int, std::string>> eraCalls;
  int upperCaseCalls = 0;
  int clockReadings = 0;
  int advanceMsPerReading = 0;

 private:
  LocalTimeFields now_{2016, 6, 19, 14, 5, 9, 250};
};

}  // namespace kalvori::testing
