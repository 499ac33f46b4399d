// kalvori-host: a small plug-in host for trying a .plg on this machine.
//
//   kalvori-host describe PLUGIN
//   kalvori-host run PLUGIN [--config FILE] [--seconds N]
//
// "run" creates a hidden main window as the plug-in's parent, starts the
// plug-in with a HostInfo record, pumps messages until the time is up or
// Ctrl+C, then stops and unloads it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/host_info.h"
#include "tools/host/plugin_library.h"

namespace {

using kalvori::tools::PluginLibrary;

DWORD mainThreadId = 0;

BOOL WINAPI OnConsoleControl(DWORD) {
  PostThreadMessageA(mainThreadId, WM_QUIT, 0, 0);
  return TRUE;
}

int Usage() {
  std::fprintf(stderr,
               "usage: kalvori-host describe PLUGIN\n"
               "       kalvori-host run PLUGIN [--config FILE] [--seconds N]\n");
  return 2;
}

// Control characters shown as escapes, so that the description stays readable.
std::string Printable(const char* text) {
  std::string out;
  for (const char* p = text ? text : ""; *p; ++p) {
    if (*p == '\r') {
      out += "\\r";
    } else if (*p == '\n') {
      out += "\\n\n    ";
    } else {
      out += *p;
    }
  }
  return out;
}

int Describe(const std::string& path) {
  PluginLibrary plugin(path);
  if (!plugin.getPluginInfo) {
    std::fprintf(stderr, "kalvori-host: %s\n", plugin.Problem().c_str());
    return 1;
  }
  if (!plugin.Problem().empty())
    std::fprintf(stderr, "kalvori-host: %s\n", plugin.Problem().c_str());
  const kalvori::PluginInfoRecord* info = plugin.getPluginInfo();
  std::printf("size:        %u\n", info->size);
  std::printf("title:       %s\n", info->title);
  std::printf("section:     %s\n", info->section);
  std::printf("description:\n    %s\n", Printable(info->description).c_str());
  std::printf("parameters:  %u\n", info->paramCount);
  for (std::uint32_t i = 0; i < info->paramCount; ++i) {
    const kalvori::ParamDescriptor& param = info->params[i];
    std::printf("  %u. %-20s kind %u, words %u %u\n", i, param.name, param.kind, param.hostWord3,
                param.hostWord4);
    if (param.choices != nullptr) {
      for (std::uint32_t c = 0; c <= param.hostWord4; ++c) {
        std::printf("       choice %u: %s\n", c, param.choices[c]);
      }
    }
  }
  return 0;
}

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    PostQuitMessage(0);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateHostWindow() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = HostWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "KalvoriHostWindow";
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, "KalvoriHostWindow", "Kalvori host", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                         100, nullptr, nullptr, windowClass.hInstance, nullptr);
}

// The host's configuration reader lies beside the host and stays loaded for
// the host's whole life, as a shell host keeps its own.
class StarterLibrary {
 public:
  StarterLibrary() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder = folder.substr(0, folder.find_last_of("\\/") + 1);
    module_ = LoadLibraryA((folder + "starter.dll").c_str());
  }
  ~StarterLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  StarterLibrary(const StarterLibrary&) = delete;
  StarterLibrary& operator=(const StarterLibrary&) = delete;
  bool Loaded() const { return module_ != nullptr; }

 private:
  HMODULE module_ = nullptr;
};

int Run(const std::string& path, const std::string& config, long seconds) {
  StarterLibrary starter;
  if (!starter.Loaded()) {
    std::fprintf(stderr, "kalvori-host: no starter.dll beside the host; settings take defaults\n");
  }
  PluginLibrary plugin(path);
  if (!plugin.Problem().empty()) {
    std::fprintf(stderr, "kalvori-host: %s\n", plugin.Problem().c_str());
    return 1;
  }
  char configPath[MAX_PATH] = {};
  if (!config.empty() && GetFullPathNameA(config.c_str(), MAX_PATH, configPath, nullptr) == 0) {
    std::fprintf(stderr, "kalvori-host: bad configuration path %s\n", config.c_str());
    return 1;
  }

  mainThreadId = GetCurrentThreadId();
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
  const HWND hostWindow = CreateHostWindow();

  static std::uint32_t hostRecord[128] = {};
  kalvori::host::HostInfo info = {};
  info.words[kalvori::host::kHostRecordOffset / 4] =
      static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hostRecord));
  info.words[kalvori::host::kConfigFileOffset / 4] =
      config.empty() ? 0 : static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(configPath));
  info.words[kalvori::host::kParentWindowOffset / 4] =
      static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hostWindow));

  const std::uint32_t started = plugin.initGlobalModule(&info);
  std::printf("started: result %u, clock window 0x%08x\n", started,
              hostRecord[kalvori::host::kClockWindowSlotOffset / 4]);
  std::fflush(stdout);
  if (seconds > 0) SetTimer(hostWindow, 1, static_cast<UINT>(seconds * 1000), nullptr);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  const std::uint32_t stopped = plugin.doneModule();
  std::printf("stopped: result %u\n", stopped);
  DestroyWindow(hostWindow);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  const std::string plugin = argv[2];
  if (command == "describe" && argc == 3) return Describe(plugin);
  if (command != "run") return Usage();
  std::string config;
  long seconds = 0;
  for (int i = 3; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--config" && i + 1 < argc) {
      config = argv[++i];
    } else if (option == "--seconds" && i + 1 < argc) {
      seconds = std::strtol(argv[++i], nullptr, 10);
    } else {
      return Usage();
    }
  }
  return Run(plugin, config, seconds);
}
