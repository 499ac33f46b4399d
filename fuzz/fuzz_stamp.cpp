// Stamp recognition and remainders: a window is stamped as the foreground,
// then loses the foreground. Properties: the stamped title is the stamp
// followed by the remainder; afterwards the title is exactly the remainder,
// which is the original title or the original less one stamp-shaped prefix.
#include <cstdlib>

#include "clock/title_stamper.h"
#include "fakes/fake_text_platform.h"
#include "fakes/fake_window_system.h"
#include "fuzz/fuzz_input.h"

using namespace kalvori;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzInput input(data, size);
  ClockSettings settings;
  settings.prefixFormat = "[" + input.Piece(60) + "] ";
  settings.classFilter = "REDIVIZU,SHELLTRAY_WND,";
  std::string title = input.Piece(600);
  title = title.substr(0, title.find('\0'));
  RegionalSettings regional;
  testing::FakeTextPlatform platform;
  platform.SetNow({2016, 6, 19, input.Byte() % 24, input.Byte() % 60, input.Byte() % 60, 0});
  testing::FakeWindowSystem windows;
  windows.zOrder.push_back({1, title});
  windows.zOrder.push_back({2, "Other window"});
  TitleStamper stamper(windows, platform, regional, settings);
  if (title.size() < 2) return 0;

  windows.foreground = 1;
  stamper.StampTitles();
  const std::string stamp(stamper.FormatStamp().View());
  const std::string stamped = windows.TitleOf(1);
  if (stamped.compare(0, stamp.size(), stamp) != 0) std::abort();
  const std::string remainder = stamped.substr(stamp.size());
  if (remainder != title &&
      (title.size() != remainder.size() + stamp.size() ||
       title.compare(title.size() - remainder.size(), std::string::npos, remainder) != 0)) {
    std::abort();
  }
  windows.foreground = 2;
  stamper.StampTitles();
  if (windows.TitleOf(1) != remainder) std::abort();
  return 0;
}
