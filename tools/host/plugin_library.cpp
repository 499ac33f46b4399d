#include "tools/host/plugin_library.h"

namespace kalvori::tools {
namespace {

template <typename Function>
Function Resolve(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) {
  module_ = LoadLibraryA(path.c_str());
  if (module_ == nullptr) {
    problem_ = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return;
  }
  getPluginInfo = Resolve<GetPluginInfoFunction>(module_, "GetPluginInfo");
  initGlobalModule = Resolve<InitGlobalModuleFunction>(module_, "InitGlobalModule");
  doneModule = Resolve<DoneModuleFunction>(module_, "DoneModule");
  std::string missing;
  if (!getPluginInfo) missing += " GetPluginInfo";
  if (!initGlobalModule) missing += " InitGlobalModule";
  if (!doneModule) missing += " DoneModule";
  if (!missing.empty()) problem_ = path + " lacks the export(s):" + missing;
}

PluginLibrary::~PluginLibrary() {
  if (module_ != nullptr) FreeLibrary(module_);
}

}  // namespace kalvori::tools
