// Hostile configurations, end to end through the reference starter.dll: each
// starts, gives a clear result on a real window, stops, and the host goes on.
#include <gtest/gtest.h>

#include <string>

#include "wine/clock_fixture.h"

namespace kalvori::wine_testing {
namespace {

// What the foreground title must look like after one pass.
enum class Expect { kDefaultFormat, kHourMinute, kUserText, kUnstamped };

struct HostileCase {
  const char* what;
  std::string ini;  // the whole file; "" for a file that does not exist
  Expect expect;
  std::string userText = "";
};

std::string Section(const std::string& lines) { return "[Kalvori]\r\n" + lines; }

std::string StampOf(const std::string& title, const std::string& rest) {
  if (title.size() < rest.size() ||
      title.compare(title.size() - rest.size(), rest.size(), rest) != 0) {
    return "<no " + rest + ">";
  }
  return title.substr(0, title.size() - rest.size());
}

bool IsDefaultFormatStamp(const std::string& stamp) {  // "[hh:mm AM] "
  return stamp.size() == 11 && stamp[0] == '[' && stamp[3] == ':' && stamp.compare(9, 2, "] ") == 0;
}

TEST(HostileSettingsTest, EveryConfigurationGivesAClearResult) {
  std::string semicolons(1000, ';');
  std::string highBytes;
  for (int b = 128; b < 256; ++b) highBytes += static_cast<char>(b == 0xFF ? 0xFE : b);
  std::string controls = "\x01\x02\x1b\x7f";
  const HostileCase cases[] = {
      {"no file", "", Expect::kDefaultFormat},
      {"no section", "[Other]\r\nFormat=0\r\n", Expect::kDefaultFormat},
      {"no keys", Section(""), Expect::kDefaultFormat},
      {"Format -1", Section("Format=-1\r\n"), Expect::kDefaultFormat},
      {"Format 9", Section("Format=9\r\n"), Expect::kDefaultFormat},
      {"Format 2147483647", Section("Format=2147483647\r\n"), Expect::kDefaultFormat},
      {"Format not a number", Section("Format=zero\r\n"), Expect::kDefaultFormat},
      {"period 0", Section("Format=0\r\nRefresh period (ms)=0\r\n"), Expect::kHourMinute},
      {"period -5", Section("Format=0\r\nRefresh period (ms)=-5\r\n"), Expect::kHourMinute},
      {"period 2147483647", Section("Format=0\r\nRefresh period (ms)=2147483647\r\n"),
       Expect::kHourMinute},
      {"a user format longer than the buffer",
       Section("Format=8\r\nUser format=" + std::string(300, 'x') + "\r\n"), Expect::kUserText,
       "[" + std::string(200, 'x') + "] "},
      {"1000 semicolons", Section("Format=0\r\nFilter (by Text)=" + semicolons + "\r\n"),
       Expect::kHourMinute},
      {"control bytes in every text",
       Section("Format=8\r\nUser format=<" + controls + ">\r\nFilter (by Class)=" + controls +
               "\r\nFilter (by Text)=" + controls + ";\r\n"),
       Expect::kUserText, "[<" + controls + ">] "},
      {"bytes 128 to 255 in every text",
       Section("Format=8\r\nUser format=" + highBytes + "\r\nFilter (by Class)=" + highBytes +
               "\r\nFilter (by Text)=" + highBytes + ";\r\n"),
       Expect::kUserText},
      {"a title filter that every title holds", Section("Format=0\r\nFilter (by Text)=e;\r\n"),
       Expect::kUnstamped},
  };

  TestWindow editor("Hostile editor");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ClockFixture clock;
    ASSERT_NE(c.ini.empty() ? clock.StartWithoutFile() : clock.StartWithFile(c.ini), 0u);
    editor.BringToFront();
    clock.Pass();
    PumpMessages(50);  // a zero period runs passes by itself too
    const std::string title = TitleOf(editor.Handle());
    const std::string stamp = StampOf(title, "Hostile editor");
    switch (c.expect) {
      case Expect::kDefaultFormat:
        EXPECT_TRUE(IsDefaultFormatStamp(stamp)) << title;
        break;
      case Expect::kHourMinute:
        EXPECT_EQ(stamp.size(), 8u) << title;
        break;
      case Expect::kUserText:
        if (!c.userText.empty()) {
          EXPECT_EQ(stamp, c.userText);
        } else {
          EXPECT_EQ(stamp.size(), 3 + highBytes.size()) << title;
        }
        break;
      case Expect::kUnstamped:
        EXPECT_EQ(title, "Hostile editor");
        break;
    }
    EXPECT_NE(clock.Stop(), 0u);
    EXPECT_EQ(TitleOf(editor.Handle()), "Hostile editor");
  }
}

}  // namespace
}  // namespace kalvori::wine_testing
