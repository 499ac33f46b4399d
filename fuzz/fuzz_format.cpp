// Any format text, any moment from 0001-01-01 to 9999-12-31, any regional
// values (double-byte lead bytes, pictures that hold picture tokens).
// Property: at most 256 bytes, and the same text every time.
#include <cstdlib>

#include "fakes/fake_text_platform.h"
#include "fuzz/fuzz_input.h"
#include "text/clock_format.h"

using namespace kalvori;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzInput input(data, size);
  RegionalSettings regional;
  const std::uint8_t flags = input.Byte();
  if (flags & 1) {
    for (int b = 0x81; b <= 0x9F; ++b) regional.codePage.leadByteSet.set(b);
    regional.codePage.doubleByteMode = true;
  }
  regional.codePage.primaryLanguage = (flags & 2) ? 0x11 : (flags & 4) ? 0x04 : 0x09;
  regional.format.dateSep = static_cast<char>(input.Byte());
  regional.format.timeSep = static_cast<char>(input.Byte());
  const double day = 1.0 + (input.Word() % 3652059u);  // day numbers of years 1 to 9999
  const double value = day - 693594.0 + (input.Word() % 86400000u) / 86400000.0;
  regional.format.shortDatePicture = input.Piece(300);
  regional.format.longTimePicture = input.Piece(300);
  regional.format.amText = input.Piece(300);
  const std::string format = input.Piece(256);

  testing::FakeTextPlatform platform;
  platform.eraTexts["gg"] = "\x95\xbd\x90";
  platform.eraTexts["yy"] = "01";
  const ClockText first = FormatClockText(format, value, regional, platform);
  const ClockText second = FormatClockText(format, value, regional, platform);
  if (first.Size() > ClockText::kCapacity || first.View() != second.View()) std::abort();
  return 0;
}
