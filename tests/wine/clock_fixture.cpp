#include "wine/clock_fixture.h"

#include "host/host_info.h"

namespace kalvori::wine_testing {

ClockFixture::ClockFixture()
    : starter_(LoadLibraryA((BuildFolder() + "\\starter.dll").c_str())),
      plugin_(std::make_unique<tools::PluginLibrary>(PluginPath())) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "KalvoriTestHost";
  RegisterClassA(&windowClass);
  parent_ = CreateWindowExA(0, "KalvoriTestHost", "test host", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                            nullptr, nullptr, windowClass.hInstance, nullptr);
}

ClockFixture::~ClockFixture() {
  if (running_ && plugin_ && plugin_->doneModule) plugin_->doneModule();
  plugin_.reset();
  DestroyWindow(parent_);
  if (!configPath_.empty()) DeleteFileA(configPath_.c_str());
  if (starter_ != nullptr) FreeLibrary(starter_);
}

std::uint32_t ClockFixture::Start(const std::string& sectionLines) {
  return StartWithFile("[Kalvori]\r\n" + sectionLines);
}

std::uint32_t ClockFixture::StartWithFile(const std::string& fileText) {
  // A new file for new settings: the profile API caches a file by its time
  // stamp, so rewriting one within a second could read the old settings.
  static int files = 0;
  if (configPath_.empty() || fileText != fileText_) {
    if (!configPath_.empty()) DeleteFileA(configPath_.c_str());
    fileText_ = fileText;
    configPath_ = WriteFile("kalvori-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                                std::to_string(++files) + ".ini",
                            fileText);
  }
  return StartWith(configPath_.c_str());
}

std::uint32_t ClockFixture::StartWithoutFile() {
  static const std::string missing = BuildFolder() + "\\no-such-file.ini";
  return StartWith(missing.c_str());
}

std::uint32_t ClockFixture::StartWith(const char* configPath) {
  host::HostInfo info = {};
  info.words[host::kHostRecordOffset / 4] =
      static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hostRecord_));
  info.words[host::kConfigFileOffset / 4] =
      static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(configPath));
  info.words[host::kParentWindowOffset / 4] =
      static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(parent_));
  const std::uint32_t result = plugin_->initGlobalModule(&info);
  if (result != 0) {
    running_ = true;
    clockWindow_ = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(ReportedWindow()));
  }
  return result;
}

std::uint32_t ClockFixture::Stop() {
  running_ = false;
  return plugin_->doneModule();
}

double ClockFixture::Pass() {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  SendMessageA(clockWindow_, WM_TIMER, kClockTimer, 0);
  QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace kalvori::wine_testing
