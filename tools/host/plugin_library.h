// A loaded plug-in and its three exports.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "plugin/descriptor.h"

namespace kalvori::tools {

using GetPluginInfoFunction = const PluginInfoRecord*(__stdcall*)();
using InitGlobalModuleFunction = std::uint32_t(__stdcall*)(const void*);
using DoneModuleFunction = std::uint32_t(__stdcall*)();

class PluginLibrary {
 public:
  explicit PluginLibrary(const std::string& path);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // Empty when the plug-in loaded with all three exports; else what is wrong.
  const std::string& Problem() const { return problem_; }

  GetPluginInfoFunction getPluginInfo = nullptr;
  InitGlobalModuleFunction initGlobalModule = nullptr;
  DoneModuleFunction doneModule = nullptr;

 private:
  HMODULE module_ = nullptr;
  std::string problem_;
};

}  // namespace kalvori::tools
