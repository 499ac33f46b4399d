// The plug-in's exports, as the host calls them.
//
// The host loads Kalvori.plg; before it can call anything, the DLL entry
// point keeps the module handle and reads the regional settings once. Then:
//   GetPluginInfo    any time, one thread at a time: the descriptor record.
//   InitGlobalModule start: registers the clock window class, reads the
//                    settings through starter.dll, creates the hidden clock
//                    window as a child of the host's window, reports its
//                    handle into the host's record and starts the timer.
//                    Returns 0 when the class could not be registered (also
//                    when the clock is already running), else SetTimer's result.
//   DoneModule       stop: takes the clock's stamps off the titles, kills the
//                    timer, destroys the window and unregisters the class.
//                    Returns UnregisterClassA's result.
// InitGlobalModule, every timer message and DoneModule run on the same host
// thread, which must pump messages for the clock to run. The host calls
// DoneModule before it unloads a started module. All three are stdcall,
// exported by their plain names; none lets an exception out.
#pragma once

#include <cstdint>

#include "plugin/descriptor.h"

#define KALVORI_EXPORT extern "C" __declspec(dllexport)

KALVORI_EXPORT const kalvori::PluginInfoRecord* __stdcall GetPluginInfo();
KALVORI_EXPORT std::uint32_t __stdcall InitGlobalModule(const void* hostInfo);
KALVORI_EXPORT std::uint32_t __stdcall DoneModule();
