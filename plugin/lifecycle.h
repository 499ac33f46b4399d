// Start and stop of the clock: the window class, the hidden clock window,
// its timer, and the module state that lives until unload.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kalvori {

constexpr UINT_PTR kClockTimerId = 100;

std::uint32_t StartClock(const void* hostInfo);
std::uint32_t StopClock();
LRESULT CALLBACK ClockWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// At unload: releases the labels, the filters and the settings texts.
void ReleaseModuleState();

}  // namespace kalvori
