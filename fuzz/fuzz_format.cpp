// Any format text, any moment from 0001-01-01 to 9999-12-31, any regional
// values (double-byte lead bytes, pictures that hold picture tokens).
// Properties: at most 256 bytes, the same text every time, and the compiled
// form (with its bounded and laid-out writers) writes exactly the same.
#include <cstdlib>

#include "fakes/fake_text_platform.h"
#include "fuzz/fuzz_input.h"
#include "text/clock_format.h"
#include "text/compiled_format.h"

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
  double value = day - 693594.0 + (input.Word() % 86400000u) / 86400000.0;
  if (flags & 8) value = -value;    // before 1899-12-30, or before year 1
  if (flags & 16) value *= 1000.0;  // years beyond 9999
  regional.format.shortDatePicture = input.Piece(300);
  regional.format.longTimePicture = input.Piece(300);
  regional.format.amText = input.Piece(300);
  regional.format.pmText = input.Piece(8);
  if (flags & 32) {  // else the names keep their equal lengths, as laid-out formats need
    regional.format.monthAbbrevs[1 + input.Byte() % 12] = input.Piece(40);
    regional.format.dayFullNames[1 + input.Byte() % 7] = input.Piece(40);
  }
  const std::string format = input.Piece(256);

  testing::FakeTextPlatform platform;
  platform.eraTexts["gg"] = "\x95\xbd\x90";
  platform.eraTexts["yy"] = "01";
  const ClockText first = FormatClockText(format, value, regional, platform);
  const ClockText second = FormatClockText(format, value, regional, platform);
  if (first.Size() > ClockText::kCapacity || first.View() != second.View()) std::abort();
  const CompiledClockFormat compiled(format, regional);
  if (compiled.Render(value, platform).View() != first.View()) std::abort();
  return 0;
}
