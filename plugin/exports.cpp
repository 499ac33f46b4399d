#include "plugin/exports.h"

#include "plugin/lifecycle.h"
#include "plugin/module.h"

const kalvori::PluginInfoRecord* __stdcall GetPluginInfo() {
  try {
    kalvori::Module& module = kalvori::TheModule();
    return kalvori::DescribePlugin(module.regional, module.textPlatform);
  } catch (...) {
    return &kalvori::PluginInfo;
  }
}

std::uint32_t __stdcall InitGlobalModule(const void* hostInfo) {
  try {
    return kalvori::StartClock(hostInfo);
  } catch (...) {
    return 0;
  }
}

std::uint32_t __stdcall DoneModule() {
  try {
    return kalvori::StopClock();
  } catch (...) {
    return 0;
  }
}
