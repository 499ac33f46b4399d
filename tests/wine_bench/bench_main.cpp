// Figures that only the real window system shows, measured under Wine:
//   the cost of one pass over 50 real top-level windows;
//   title writes per minute to a steady foreground window under "hh:mm" and
//   "hh:mm:ss", against what a pass that writes twice would do;
//   the DLL's size and the private memory that loading and starting it add.
//
//   kalvori_wine_bench [SECONDS]   (default 60 s per format; scaled to a minute)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "wine/clock_fixture.h"

using namespace kalvori::wine_testing;

namespace {

int settextCount = 0;

LRESULT CALLBACK CountingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) ++settextCount;
  return DefWindowProcA(window, message, wParam, lParam);
}

void PassCostWith50Windows() {
  ClockFixture clock;
  clock.Start(std::string("Format=4\r\n") + kQuietPeriod);
  std::vector<std::unique_ptr<TestWindow>> windows;
  for (int i = 0; i < 50; ++i) {
    windows.push_back(std::make_unique<TestWindow>("Bench window " + std::to_string(i)));
  }
  windows[0]->BringToFront();
  for (int i = 0; i < 20; ++i) clock.Pass();
  double total = 0;
  const int passes = 200;
  for (int i = 0; i < passes; ++i) total += clock.Pass();
  std::printf("pass over 50 real top-level windows: %.2f ms (mean of %d)\n", total / passes,
              passes);
}

void WritesPerMinute(const char* format, const char* shown, int seconds) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = CountingWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "KalvoriCountingWindow";
  RegisterClassA(&windowClass);
  ClockFixture clock;
  clock.Start(std::string("Format=") + format + "\r\n");  // default period
  HWND window =
      CreateWindowExA(0, "KalvoriCountingWindow", "Steady editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      50, 50, 300, 150, nullptr, nullptr, windowClass.hInstance, nullptr);
  SetForegroundWindow(window);
  PumpUntil([&] { return GetForegroundWindow() == window; }, 3000);
  PumpMessages(1500);  // the first stamp lands
  settextCount = 0;
  int passes = 0;
  const ULONGLONG end = GetTickCount64() + seconds * 1000ULL;
  while (GetTickCount64() < end) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_TIMER && message.hwnd == clock.ClockWindow() &&
          message.wParam == 100) {
        ++passes;
      }
      DispatchMessageA(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  const double scale = 60.0 / seconds;
  std::printf(
      "format %s: %.1f title writes per minute (%d in %d s), %.1f passes per minute; "
      "a pass writing twice would make %.0f\n",
      shown, settextCount * scale, settextCount, seconds, passes * scale, 2 * passes * scale);
  DestroyWindow(window);
  UnregisterClassA("KalvoriCountingWindow", windowClass.hInstance);
}

void SizeAndMemory() {
  WIN32_FILE_ATTRIBUTE_DATA attributes = {};
  GetFileAttributesExA(PluginPath().c_str(), GetFileExInfoStandard, &attributes);
  HMODULE starter = LoadLibraryA((BuildFolder() + "\\starter.dll").c_str());
  const SIZE_T before = CommittedPrivateBytes();
  {
    ClockFixture clock;
    const SIZE_T loaded = CommittedPrivateBytes();
    clock.Start(std::string("Format=4\r\n") + kQuietPeriod);
    clock.Pass();
    const SIZE_T started = CommittedPrivateBytes();
    std::printf(
        "Kalvori.plg: %lu bytes on disk; private memory +%lu KiB loaded, +%lu KiB started\n",
        attributes.nFileSizeLow, static_cast<unsigned long>((loaded - before) / 1024),
        static_cast<unsigned long>((started - before) / 1024));
  }
  FreeLibrary(starter);
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
  SizeAndMemory();
  PassCostWith50Windows();
  WritesPerMinute("0", "hh:mm   ", seconds);
  WritesPerMinute("4", "hh:mm:ss", seconds);
  return 0;
}
