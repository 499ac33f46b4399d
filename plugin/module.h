// Module-wide state: written at load (regional settings) and at start
// (settings), read by the clock on the host's thread.
#pragma once

#include <windows.h>

#include "adapters/win32/win32_text_platform.h"
#include "text/regional_settings.h"

namespace kalvori {

struct Module {
  HINSTANCE instance = nullptr;
  RegionalSettings regional;
  Win32TextPlatform textPlatform;
};

Module& TheModule();

}  // namespace kalvori
