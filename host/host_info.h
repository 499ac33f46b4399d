// The host's start record, HostInfo, that InitGlobalModule receives.
//
// 112 bytes, 28 words of 32 bits, owned by the host and valid only during
// the call; the module copies it whole and reads three words of the copy:
//   byte  4  HostRecord   pointer to a host-owned record; the module writes
//                         the clock window's handle into its word at byte
//                         offset 212 and touches nothing else in it.
//   byte 24  ConfigFile   handed unchanged to starter.dll's OpenCFGr.
//   byte 36  ParentWindow the window that becomes the clock window's parent.
// The other 25 words are the host's business.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kalvori::host {

constexpr std::size_t kHostInfoSize = 112;
constexpr std::size_t kHostRecordOffset = 4;
constexpr std::size_t kConfigFileOffset = 24;
constexpr std::size_t kParentWindowOffset = 36;
constexpr std::size_t kClockWindowSlotOffset = 212;  // inside the HostRecord

struct HostInfo {
  std::uint32_t words[kHostInfoSize / 4];

  std::uint32_t HostRecord() const { return words[kHostRecordOffset / 4]; }
  std::uint32_t ConfigFile() const { return words[kConfigFileOffset / 4]; }
  std::uint32_t ParentWindow() const { return words[kParentWindowOffset / 4]; }
};

static_assert(sizeof(HostInfo) == kHostInfoSize, "28 words of 32 bits");

}  // namespace kalvori::host
