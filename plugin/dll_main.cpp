// The DLL entry point: keeps the module handle and reads the regional
// settings before any export can run; releases the module's state at unload.
#include <windows.h>

#include "adapters/win32/win32_locale_source.h"
#include "plugin/lifecycle.h"
#include "plugin/module.h"

namespace kalvori {

Module& TheModule() {
  static Module module;
  return module;
}

}  // namespace kalvori

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  try {
    switch (reason) {
      case DLL_PROCESS_ATTACH: {
        kalvori::Module& module = kalvori::TheModule();
        module.instance = instance;
        kalvori::Win32LocaleSource locale;
        module.regional = kalvori::LoadRegionalSettings(locale);
        break;
      }
      case DLL_PROCESS_DETACH:
        kalvori::ReleaseModuleState();
        break;
      default:
        break;
    }
  } catch (...) {
    // Out of memory at load leaves the English defaults in place.
  }
  return TRUE;
}
