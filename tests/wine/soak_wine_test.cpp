// Many starts, stops and passes in one process: no growth of private bytes,
// handles, or GDI and USER objects beyond a small fixed bound.
//
// Wine reports neither PrivateUsage nor handle, GDI or USER counts (they read
// 0), so private bytes are counted from the committed private regions of the
// address space, and windows are counted directly; the API counts are still
// checked, for a real Windows.
// clang-format off
#include <windows.h>
#include <psapi.h>  // needs windows.h first
// clang-format on

#include <gtest/gtest.h>

#include <string>

#include "wine/clock_fixture.h"

namespace kalvori::wine_testing {
namespace {

struct Usage {
  SIZE_T privateBytes;
  DWORD handles;
  DWORD gdiObjects;
  DWORD userObjects;
  DWORD windows;
};

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<DWORD*>(count);
  return TRUE;
}

Usage MeasureUsage(HWND parent) {
  Usage usage = {CommittedPrivateBytes(), 0, 0, 0, 0};
  GetProcessHandleCount(GetCurrentProcess(), &usage.handles);
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&usage.windows));
  EnumChildWindows(parent, CountWindow, reinterpret_cast<LPARAM>(&usage.windows));
  usage.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  usage.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  return usage;
}

void Report(const char* what, const Usage& before, const Usage& after) {
  std::printf(
      "%s: private bytes %lu -> %lu, windows %lu -> %lu, handles %lu -> %lu, GDI %lu -> %lu, "
      "USER %lu -> %lu\n",
      what, static_cast<unsigned long>(before.privateBytes),
      static_cast<unsigned long>(after.privateBytes), before.windows, after.windows, before.handles,
      after.handles, before.gdiObjects, after.gdiObjects, before.userObjects, after.userObjects);
}

void ExpectNoGrowth(const Usage& before, const Usage& after) {
  EXPECT_LE(after.privateBytes, before.privateBytes + 256 * 1024);
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_LE(after.handles, before.handles + 4);
  EXPECT_LE(after.gdiObjects, before.gdiObjects + 2);
  EXPECT_LE(after.userObjects, before.userObjects + 2);
}

TEST(SoakTest, ThousandStartStopCyclesAndTenThousandPasses) {
  ClockFixture clock;
  TestWindow editor("Soak editor");
  TestWindow other("Soak other");
  const std::string settings =
      std::string("Format=4\r\nFilter (by Text)=zz;yy;\r\n") + kQuietPeriod;

  for (int i = 0; i < 50; ++i) {  // warm-up: caches, first allocations
    ASSERT_NE(clock.Start(settings), 0u);
    clock.Pass();
    ASSERT_NE(clock.Stop(), 0u);
  }
  const Usage beforeCycles = MeasureUsage(clock.Parent());
  for (int i = 0; i < 1000; ++i) {
    ASSERT_NE(clock.Start(settings), 0u) << i;
    ASSERT_NE(clock.Stop(), 0u) << i;
  }
  const Usage afterCycles = MeasureUsage(clock.Parent());
  Report("1000 start/stop cycles", beforeCycles, afterCycles);
  ExpectNoGrowth(beforeCycles, afterCycles);

  ASSERT_NE(clock.Start(settings), 0u);
  editor.BringToFront();
  for (int i = 0; i < 200; ++i) clock.Pass();
  const Usage beforePasses = MeasureUsage(clock.Parent());
  for (int i = 0; i < 10000; ++i) {
    if (i % 1000 == 0) (i / 1000 % 2 ? other : editor).BringToFront();
    clock.Pass();
  }
  const Usage afterPasses = MeasureUsage(clock.Parent());
  Report("10000 passes", beforePasses, afterPasses);
  ExpectNoGrowth(beforePasses, afterPasses);
  EXPECT_NE(clock.Stop(), 0u);
  EXPECT_EQ(TitleOf(editor.Handle()), "Soak editor");
  EXPECT_EQ(TitleOf(other.Handle()), "Soak other");
}

}  // namespace
}  // namespace kalvori::wine_testing
