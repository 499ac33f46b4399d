// A host of our own inside the test: loads the plug-in, starts it with a
// HostInfo record over an INI file, and drives passes by hand.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "tools/host/plugin_library.h"
#include "wine/wine_support.h"

namespace kalvori::wine_testing {

constexpr UINT_PTR kClockTimer = 100;
// Long enough that the timer never fires by itself during a test.
constexpr const char* kQuietPeriod = "Refresh period (ms)=600000\r\n";

class ClockFixture {
 public:
  ClockFixture();
  ~ClockFixture();

  // Writes the [Kalvori] section (lines of key=value) and starts the plug-in.
  std::uint32_t Start(const std::string& sectionLines);
  // Starts with this whole configuration file.
  std::uint32_t StartWithFile(const std::string& fileText);
  // Starts with a configuration file that does not exist.
  std::uint32_t StartWithoutFile();
  std::uint32_t Stop();

  // One stamping pass, as the timer would run it; returns its duration in ms.
  double Pass();

  HWND ClockWindow() const { return clockWindow_; }
  HWND Parent() const { return parent_; }
  std::uint32_t ReportedWindow() const { return hostRecord_[212 / 4]; }
  void ClearReportedWindow() { hostRecord_[212 / 4] = 0; }
  tools::PluginLibrary& Plugin() { return *plugin_; }
  void Unload() { plugin_.reset(); }

 private:
  HMODULE starter_ = nullptr;  // the host's reader, loaded for the host's whole life
  std::unique_ptr<tools::PluginLibrary> plugin_;
  HWND parent_ = nullptr;
  HWND clockWindow_ = nullptr;
  std::string configPath_;
  std::string fileText_;
  std::uint32_t hostRecord_[64] = {};
  bool running_ = false;
  std::uint32_t StartWith(const char* configPath);
};

}  // namespace kalvori::wine_testing
