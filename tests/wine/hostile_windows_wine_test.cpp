// Hostile windows: odd title lengths, thousands of windows, windows that
// vanish mid-pass, and a window that keeps renaming itself.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "wine/clock_fixture.h"

namespace kalvori::wine_testing {
namespace {

const std::string kSettings = std::string("Format=0\r\n") + kQuietPeriod;

bool CarriesStamp(const std::string& title, const std::string& rest) {
  return title.size() == 8 + rest.size() && title[0] == '[' && title.compare(6, 2, "] ") == 0 &&
         title.compare(8, std::string::npos, rest) == 0;
}

TEST(HostileWindowsTest, TitlesOf0To5000CharactersAreKeptWhole) {
  ClockFixture clock;
  ASSERT_NE(clock.Start(kSettings), 0u);
  TestWindow other("Other window");
  for (std::size_t length : {0u, 1u, 254u, 255u, 5000u}) {
    SCOPED_TRACE(length);
    const std::string title(length, 'q');
    TestWindow window(title);
    window.BringToFront();
    clock.Pass();
    if (length < 2) {
      EXPECT_EQ(TitleOf(window.Handle()), title);  // not eligible
    } else {
      EXPECT_TRUE(CarriesStamp(TitleOf(window.Handle()), title)) << TitleOf(window.Handle()).size();
    }
    other.BringToFront();
    clock.Pass();
    EXPECT_EQ(TitleOf(window.Handle()), title);
  }
}

// Every pass walks all of them; 200 are visible and so read in full (Wine
// under a bare X server is slow to tear down many mapped windows).
// A second process owns 2,000 top-level windows, every tenth visible; every
// pass walks them all.
TEST(HostileWindowsTest, TwoThousandTopLevelWindows) {
  ClockFixture clock;
  ASSERT_NE(clock.Start(kSettings), 0u);
  ChildProcess crowd("\"" + BuildFolder() +
                     "\\kalvori_wine_helper.exe\" \"Crowd owner\" --crowd 2000");
  ASSERT_NE(WaitForWindow("Crowd owner", 60000), nullptr);
  ASSERT_NE(WaitForWindow("Crowd 1999", 60000), nullptr);
  TestWindow editor("Crowd editor");
  editor.BringToFront();
  const double first = clock.Pass();
  const double second = clock.Pass();
  std::printf("one pass over %d top-level windows: %.1f ms (first), %.1f ms (steady)\n", 2002,
              first, second);
  RecordProperty("pass_2000_windows_ms", std::to_string(second));
  EXPECT_TRUE(CarriesStamp(TitleOf(editor.Handle()), "Crowd editor"));
  for (int i = 0; i < 2000; i += 97) {
    const std::string title = "Crowd " + std::to_string(i);
    EXPECT_NE(FindWindowA(nullptr, title.c_str()), nullptr) << title;  // left as they were
  }
}

// A second thread creates and destroys windows as fast as it can while
// passes run; the walk meets windows that are gone.
TEST(HostileWindowsTest, WindowsDestroyedDuringPassesByAnotherThread) {
  ClockFixture clock;
  ASSERT_NE(clock.Start(kSettings), 0u);
  TestWindow editor("Churn editor");
  editor.BringToFront();
  std::atomic<bool> stop{false};
  std::atomic<int> churned{0};
  std::thread churn([&] {
    while (!stop) {
      HWND window = CreateWindowExA(WS_EX_NOACTIVATE, "STATIC", "Churn", WS_POPUP, 0, 0, 10, 10,
                                    nullptr, nullptr, nullptr, nullptr);
      ShowWindow(window, SW_SHOWNOACTIVATE);
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
      DestroyWindow(window);
      ++churned;
    }
  });
  for (int i = 0; i < 300; ++i) {
    clock.Pass();
    PumpMessages(1);
  }
  stop = true;
  churn.join();
  std::printf("300 passes while another thread made and destroyed %d windows\n", churned.load());
  EXPECT_GT(churned.load(), 0);
  clock.Pass();
  EXPECT_TRUE(CarriesStamp(TitleOf(editor.Handle()), "Churn editor"));
}

TEST(HostileWindowsTest, AStampedWindowOfAnotherProcessThatEnds) {
  ClockFixture clock;
  ASSERT_NE(clock.Start(kSettings), 0u);
  auto helper = std::make_unique<ChildProcess>("\"" + BuildFolder() +
                                               "\\kalvori_wine_helper.exe\" \"Short lived\"");
  const HWND window = WaitForWindow("Short lived", 20000);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == window; }, 5000));
  clock.Pass();
  EXPECT_TRUE(CarriesStamp(TitleOf(window), "Short lived"));
  helper.reset();  // the process ends with our stamp in its title
  for (int i = 0; i < 20; ++i) clock.Pass();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_NE(clock.Stop(), 0u);  // nothing left to restore, nothing to fail on
}

TEST(HostileWindowsTest, AWindowThatRenamesItselfEvery10Ms) {
  ClockFixture clock;
  ASSERT_NE(clock.Start(kSettings), 0u);
  ChildProcess helper("\"" + BuildFolder() +
                      "\\kalvori_wine_helper.exe\" \"Restless\" --retitle-every 10");
  const HWND window = WaitForWindow("Restless", 20000);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == window; }, 5000));
  int stamped = 0;
  for (int i = 0; i < 100; ++i) {
    clock.Pass();
    const std::string title = TitleOf(window);
    if (title.rfind("[", 0) == 0) ++stamped;
    EXPECT_EQ(title.find("] ["), std::string::npos) << title;  // never two stamps
    EXPECT_NE(title.find("Restless"), std::string::npos) << title;
    PumpMessages(15);
  }
  std::printf("100 passes on a window renaming itself every 10 ms: stamped right after %d\n",
              stamped);
  EXPECT_GT(stamped, 0);
}

// A window of another thread of the host's own process, whose thread stops
// pumping: reading its title must not hang the host's thread either.
TEST(HostileWindowsTest, AHungThreadOfTheHostProcess) {
  ClockFixture clock;
  ASSERT_NE(clock.Start(kSettings), 0u);
  TestWindow editor("Host editor");
  editor.BringToFront();
  std::atomic<HWND> window{nullptr};
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread hung([&] {
    window = CreateWindowExA(WS_EX_NOACTIVATE, "STATIC", "Hung thread window", WS_POPUP, 0, 0, 10,
                             10, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    WaitForSingleObject(release, INFINITE);  // pumps nothing meanwhile
    DestroyWindow(window);
  });
  ASSERT_TRUE(PumpUntil([&] { return window.load() != nullptr; }, 5000));
  const double first = clock.Pass();
  const double second = clock.Pass();
  SetEvent(release);
  hung.join();
  CloseHandle(release);
  std::printf("passes with a hung thread of this process: %.1f ms, %.1f ms\n", first, second);
  EXPECT_LT(first, 600.0);  // ~100 ms timeout, plus emulation overhead
  EXPECT_LT(second, first);  // then left alone
  EXPECT_TRUE(CarriesStamp(TitleOf(editor.Handle()), "Host editor"));
}

}  // namespace
}  // namespace kalvori::wine_testing
