// The plug-in started inside this process, on real windows.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "wine/clock_fixture.h"

namespace kalvori::wine_testing {
namespace {

constexpr const char* kHourMinute = "Format=0\r\n";  // "[hh:mm] "

// "[hh:mm] " followed by `rest`.
bool CarriesHourMinuteStamp(const std::string& title, const std::string& rest) {
  return title.size() == 8 + rest.size() && title[0] == '[' && std::isdigit(title[1]) &&
         std::isdigit(title[2]) && title[3] == ':' && std::isdigit(title[4]) &&
         std::isdigit(title[5]) && title.compare(6, 2, "] ") == 0 &&
         title.compare(8, rest.size(), rest) == 0;
}

class ClockInWineTest : public ::testing::Test {
 protected:
  ClockFixture clock_;
};

TEST_F(ClockInWineTest, StartCreatesTheHiddenClockWindowAndReportsIt) {
  ASSERT_NE(clock_.Start(kQuietPeriod), 0u);
  const HWND window = clock_.ClockWindow();
  ASSERT_TRUE(IsWindow(window));
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  EXPECT_STREQ(className, "Kalvorium ver. 1.1");
  EXPECT_EQ(GetParent(window), clock_.Parent());
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & ~WS_CLIPSIBLINGS,
            static_cast<DWORD>(WS_CHILD));
  EXPECT_FALSE(IsWindowVisible(window));
  RECT rect = {};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 0);
  EXPECT_EQ(rect.bottom - rect.top, 0);
  EXPECT_EQ(TitleOf(window), "");
}

TEST_F(ClockInWineTest, ASecondStartReturnsZeroAndChangesNothing) {
  ASSERT_NE(clock_.Start(kQuietPeriod), 0u);
  const std::uint32_t first = clock_.ReportedWindow();
  clock_.ClearReportedWindow();
  EXPECT_EQ(clock_.Start("Format=4\r\n"), 0u);
  EXPECT_EQ(clock_.ReportedWindow(), 0u);  // nothing written
  EXPECT_TRUE(IsWindow(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(first))));
  TestWindow editor("Editor");
  editor.BringToFront();
  clock_.Pass();
  EXPECT_TRUE(CarriesHourMinuteStamp(TitleOf(editor.Handle()), "Editor") ||
              TitleOf(editor.Handle()).find("AM] Editor") != std::string::npos ||
              TitleOf(editor.Handle()).find("PM] Editor") != std::string::npos)
      << TitleOf(editor.Handle());  // the first start's settings (default format 1)
}

TEST_F(ClockInWineTest, StopWithoutStartReturnsZero) { EXPECT_EQ(clock_.Stop(), 0u); }

TEST_F(ClockInWineTest, ANullRecordStartsNothing) {
  EXPECT_EQ(clock_.Plugin().initGlobalModule(nullptr), 0u);
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "Kalvorium ver. 1.1";
  EXPECT_NE(RegisterClassA(&windowClass), 0);  // the class was never registered
  UnregisterClassA("Kalvorium ver. 1.1", windowClass.hInstance);
}

TEST_F(ClockInWineTest, ANullHostRecordSkipsOnlyTheReport) {
  std::uint32_t info[28] = {};
  info[36 / 4] = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(clock_.Parent()));
  EXPECT_NE(clock_.Plugin().initGlobalModule(info), 0u);
  EXPECT_NE(FindWindowExA(clock_.Parent(), nullptr, "Kalvorium ver. 1.1", nullptr), nullptr);
  EXPECT_NE(clock_.Plugin().doneModule(), 0u);
  EXPECT_EQ(FindWindowExA(clock_.Parent(), nullptr, "Kalvorium ver. 1.1", nullptr), nullptr);
}

TEST_F(ClockInWineTest, StopFreesTheClassAndStartAgainReportsANewWindow) {
  ASSERT_NE(clock_.Start(kQuietPeriod), 0u);
  const HWND first = clock_.ClockWindow();
  EXPECT_NE(clock_.Stop(), 0u);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(clock_.Stop(), 0u);  // a second stop destroys nothing

  ASSERT_NE(clock_.Start(kQuietPeriod), 0u);
  EXPECT_TRUE(IsWindow(clock_.ClockWindow()));
  EXPECT_EQ(clock_.ReportedWindow(),
            static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(clock_.ClockWindow())));
  EXPECT_NE(clock_.Stop(), 0u);

  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "Kalvorium ver. 1.1";
  EXPECT_NE(RegisterClassA(&windowClass), 0);
  UnregisterClassA("Kalvorium ver. 1.1", windowClass.hInstance);
}

TEST_F(ClockInWineTest, OnlyTimer100RunsAPass) {
  ASSERT_NE(clock_.Start(std::string(kHourMinute) + kQuietPeriod), 0u);
  TestWindow editor("Editor");
  editor.BringToFront();
  EXPECT_EQ(SendMessageA(clock_.ClockWindow(), WM_TIMER, 7, 0), 0);
  EXPECT_EQ(TitleOf(editor.Handle()), "Editor");
  EXPECT_EQ(SendMessageA(clock_.ClockWindow(), WM_TIMER, 100, 0), 0);
  EXPECT_TRUE(CarriesHourMinuteStamp(TitleOf(editor.Handle()), "Editor"))
      << TitleOf(editor.Handle());
}

TEST_F(ClockInWineTest, TheTimerRunsPassesByItself) {
  ASSERT_NE(clock_.Start(std::string(kHourMinute) + "Refresh period (ms)=200\r\n"), 0u);
  TestWindow editor("Editor");
  editor.BringToFront();
  EXPECT_TRUE(
      PumpUntil([&] { return CarriesHourMinuteStamp(TitleOf(editor.Handle()), "Editor"); }, 5000))
      << TitleOf(editor.Handle());
}

TEST_F(ClockInWineTest, AfterStopNoPassRunsAndStampsAreTakenOff) {
  ASSERT_NE(clock_.Start(std::string(kHourMinute) + "Refresh period (ms)=100\r\n"), 0u);
  TestWindow editor("Editor");
  editor.BringToFront();
  ASSERT_TRUE(PumpUntil([&] { return TitleOf(editor.Handle()) != "Editor"; }, 5000));
  EXPECT_NE(clock_.Stop(), 0u);
  EXPECT_EQ(TitleOf(editor.Handle()), "Editor");
  PumpMessages(500);
  EXPECT_EQ(TitleOf(editor.Handle()), "Editor");
}

TEST_F(ClockInWineTest, TheProcessCanUnloadTheModuleAfterStop) {
  ASSERT_NE(clock_.Start(kQuietPeriod), 0u);
  EXPECT_NE(clock_.Stop(), 0u);
  clock_.Unload();
  EXPECT_EQ(GetModuleHandleA(PluginPath().c_str()), nullptr);
}

TEST_F(ClockInWineTest, ForegroundIsStampedAndRestoredWhenAnotherTakesIt) {
  ASSERT_NE(clock_.Start(std::string(kHourMinute) + kQuietPeriod), 0u);
  TestWindow editor("Untitled - Editor");
  TestWindow inbox("[1] Inbox");
  editor.BringToFront();
  clock_.Pass();
  EXPECT_TRUE(CarriesHourMinuteStamp(TitleOf(editor.Handle()), "Untitled - Editor"));
  EXPECT_EQ(TitleOf(inbox.Handle()), "[1] Inbox");

  inbox.BringToFront();
  clock_.Pass();
  EXPECT_EQ(TitleOf(editor.Handle()), "Untitled - Editor");
  EXPECT_TRUE(CarriesHourMinuteStamp(TitleOf(inbox.Handle()), "[1] Inbox"));

  editor.BringToFront();
  clock_.Pass();
  EXPECT_EQ(TitleOf(inbox.Handle()), "[1] Inbox");  // only our own stamp came off
}

TEST_F(ClockInWineTest, ALongTitleIsKeptWhole) {
  ASSERT_NE(clock_.Start(std::string(kHourMinute) + kQuietPeriod), 0u);
  const std::string longTitle = "Report " + std::string(293, 'x');
  TestWindow report(longTitle);
  TestWindow other("Other");
  report.BringToFront();
  clock_.Pass();
  EXPECT_TRUE(CarriesHourMinuteStamp(TitleOf(report.Handle()), longTitle));
  other.BringToFront();
  clock_.Pass();
  EXPECT_EQ(TitleOf(report.Handle()), longTitle);
}

TEST_F(ClockInWineTest, SettingsComeFromTheIniThroughStarterDll) {
  ASSERT_NE(clock_.Start("Format=8\r\n"
                         "User format=  <hh|'h'nn> \r\n"
                         "Filter (by Class)=SecretClass\r\n"
                         "Filter (by Text)=Private;Hidden\r\n" +
                         std::string(kQuietPeriod)),
            0u);
  TestWindow editor("Editor");
  TestWindow privateWindow("Private notes");
  TestWindow hiddenWord("Hidden - not a filter");  // after the last ";": no entry
  TestWindow secret("Secret", "SecretClass");
  for (TestWindow* window : {&editor, &privateWindow, &secret, &hiddenWord}) {
    window->BringToFront();
    clock_.Pass();
  }
  EXPECT_EQ(TitleOf(privateWindow.Handle()), "Private notes");
  EXPECT_EQ(TitleOf(secret.Handle()), "Secret");
  EXPECT_EQ(TitleOf(editor.Handle()), "Editor");
  const std::string stamped = TitleOf(hiddenWord.Handle());
  ASSERT_EQ(stamped.size(), std::string("[<07|h39>] Hidden - not a filter").size()) << stamped;
  EXPECT_EQ(stamped.substr(0, 2), "[<");
  EXPECT_EQ(stamped.substr(4, 2), "|h");
  EXPECT_EQ(stamped.substr(8), ">] Hidden - not a filter") << stamped;
}

TEST_F(ClockInWineTest, WithoutAConfigurationEveryValueIsItsDefault) {
  ASSERT_NE(clock_.Start(""), 0u);  // empty section: default format 1, 999 ms
  TestWindow editor("Editor");
  editor.BringToFront();
  clock_.Pass();
  const std::string title = TitleOf(editor.Handle());
  EXPECT_EQ(title.size(), std::string("[02:05 PM] Editor").size()) << title;
  EXPECT_NE(title.find("M] Editor"), std::string::npos) << title;
}

TEST_F(ClockInWineTest, AHungForegroundWindowOfAnotherProcessCostsAboutATimeout) {
  ASSERT_NE(clock_.Start(std::string(kHourMinute) + kQuietPeriod), 0u);
  ChildProcess helper("\"" + BuildFolder() +
                      "\\kalvori_wine_helper.exe\" \"Hung helper\" --hang-after 1500");
  ASSERT_TRUE(helper.Started());
  const HWND hung = WaitForWindow("Hung helper", 20000);
  ASSERT_NE(hung, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == hung; }, 5000));
  PumpMessages(2500);  // now it no longer pumps
  const double first = clock_.Pass();
  const double second = clock_.Pass();  // left alone: no second wait
  RecordProperty("hung_pass_ms", std::to_string(first));
  EXPECT_LT(first, 600.0);  // ~100 ms timeout, plus emulation overhead
  EXPECT_LT(second, first);
  EXPECT_EQ(TitleOf(hung), "Hung helper");
}

}  // namespace
}  // namespace kalvori::wine_testing
