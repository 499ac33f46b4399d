#include "plugin/lifecycle.h"

#include <cstring>
#include <memory>

#include "adapters/win32/starter_config_reader.h"
#include "adapters/win32/win32_window_system.h"
#include "clock/refresh_schedule.h"
#include "clock/settings.h"
#include "clock/title_stamper.h"
#include "host/host_info.h"
#include "plugin/descriptor.h"
#include "plugin/module.h"

namespace kalvori {
namespace {

struct ClockState {
  host::HostInfo hostInfo = {};
  ClockSettings settings;
  HWND ClockWindow = nullptr;
  UINT_PTR ClockTimerId = 0;
  Win32WindowSystem windows;
  std::unique_ptr<TitleStamper> stamper;
};

ClockState& Clock() {
  static ClockState state;
  return state;
}

bool RegisterClockClass(HINSTANCE instance) {
  WNDCLASSA windowClass;
  std::memset(&windowClass, 0, sizeof windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = ClockWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = PluginTitle;
  return RegisterClassA(&windowClass) != 0;
}

void ReportClockWindow(std::uint32_t hostRecord, HWND clockWindow) {
  if (hostRecord == 0) return;
  auto* slot = reinterpret_cast<std::uint32_t*>(static_cast<std::uintptr_t>(hostRecord) +
                                                host::kClockWindowSlotOffset);
  *slot = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(clockWindow));
}

std::int64_t LocalMillisecondOfDay(TextPlatform& platform) {
  const LocalTimeFields now = platform.LocalTime();
  return ((now.hour * 60LL + now.minute) * 60 + now.second) * 1000 + now.millisecond;
}

void OnClockTick() {
  ClockState& clock = Clock();
  if (clock.stamper) clock.stamper->StampTitles();
  if (UsesAlignedSchedule(clock.settings.refreshPeriod)) {
    const std::uint32_t delay =
        AlignedDelay(LocalMillisecondOfDay(TheModule().textPlatform), clock.settings.refreshPeriod);
    SetTimer(clock.ClockWindow, clock.ClockTimerId, delay, nullptr);
  }
}

}  // namespace

std::uint32_t StartClock(const void* hostInfo) {
  if (hostInfo == nullptr) return 0;
  Module& module = TheModule();
  ClockState& clock = Clock();
  std::memcpy(&clock.hostInfo, hostInfo, sizeof clock.hostInfo);

  if (!RegisterClockClass(module.instance)) return 0;

  {
    StarterConfigReader starter;
    LoadSettings(starter.Reader(), clock.hostInfo.ConfigFile(), clock.settings);
  }
  clock.stamper = std::make_unique<TitleStamper>(clock.windows, module.textPlatform,
                                                 module.regional, clock.settings);

  const HWND parent =
      reinterpret_cast<HWND>(static_cast<std::uintptr_t>(clock.hostInfo.ParentWindow()));
  clock.ClockWindow = CreateWindowExA(0, PluginTitle, nullptr, WS_CHILD, 0, 0, 0, 0, parent,
                                      nullptr, module.instance, nullptr);
  ReportClockWindow(clock.hostInfo.HostRecord(), clock.ClockWindow);

  clock.ClockTimerId = kClockTimerId;
  return static_cast<std::uint32_t>(SetTimer(clock.ClockWindow, clock.ClockTimerId,
                                             static_cast<UINT>(clock.settings.refreshPeriod),
                                             nullptr));
}

std::uint32_t StopClock() {
  ClockState& clock = Clock();
  if (clock.stamper) clock.stamper->RemoveStamps();
  KillTimer(clock.ClockWindow, clock.ClockTimerId);
  if (clock.ClockWindow != nullptr) DestroyWindow(clock.ClockWindow);
  const BOOL unregistered = UnregisterClassA(PluginTitle, TheModule().instance);
  // A later stop must never destroy a window that reused the handle.
  clock.ClockWindow = nullptr;
  clock.ClockTimerId = 0;
  clock.stamper.reset();
  return static_cast<std::uint32_t>(unregistered);
}

LRESULT CALLBACK ClockWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    if (wParam == Clock().ClockTimerId && Clock().ClockTimerId != 0) {
      try {
        OnClockTick();
      } catch (...) {
        // The next tick tries again.
      }
    }
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void ReleaseModuleState() {
  ReleaseFormatChoiceLabels();
  ClockState& clock = Clock();
  clock.stamper.reset();
  std::vector<std::string>().swap(clock.settings.titleFilters);
  std::string().swap(clock.settings.classFilter);
  std::string().swap(clock.settings.prefixFormat);
}

}  // namespace kalvori
