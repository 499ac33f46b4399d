// The host's configuration reader library, starter.dll.
//
// A reading is one open/close bracket on one thread:
//   OpenCFGr(configFile, reader)        configFile is the word the host put
//                                       into its HostInfo record (byte offset
//                                       24), handed on unchanged; reader is a
//                                       36-byte block that the caller owns
//                                       and never touches itself.
//   FindSection(section, 0, reader)     later reads look up keys there.
//   GetCFGInt(key, default, reader)     the key's integer, or the default.
//   GetCFGString(key, default, buffer, size, reader)
//                                       the key's text, or the default (never
//                                       a null pointer), NUL-terminated into
//                                       buffer of size bytes.
//   CloseCFGr(reader)                   ends the reading.
// A file, section or key that cannot be had reads as the default handed in.
// All five are stdcall and exported by their plain names; only GetCFGInt's
// result is used.
#pragma once

#include <cstdint>

namespace kalvori::host {

constexpr const char* kStarterLibraryName = "starter.dll";
constexpr std::uint32_t kConfigReaderBlockSize = 36;

#ifdef _WIN32
#define KALVORI_STDCALL __stdcall
#else
#define KALVORI_STDCALL
#endif

using OpenCFGrFunction = std::int32_t(KALVORI_STDCALL*)(std::uint32_t configFile, void* reader);
using FindSectionFunction = std::int32_t(KALVORI_STDCALL*)(const char* section, std::int32_t zero,
                                                           void* reader);
using GetCFGIntFunction = std::int32_t(KALVORI_STDCALL*)(const char* key, std::int32_t fallback,
                                                         void* reader);
using GetCFGStringFunction = std::int32_t(KALVORI_STDCALL*)(const char* key, const char* fallback,
                                                            char* buffer, std::int32_t size,
                                                            void* reader);
using CloseCFGrFunction = std::int32_t(KALVORI_STDCALL*)(void* reader);

}  // namespace kalvori::host
