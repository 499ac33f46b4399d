// What the host learns of the plug-in from GetPluginInfo.
//
// The host calls GetPluginInfo at any time, on one thread at a time, and gets
// the address of PluginInfo. Records are plain sequences of 32-bit words on
// the host's platform; their texts are NUL-terminated ANSI texts that the
// module owns. Constant texts and records stay valid while the module is
// loaded; the Format choice labels only until the next GetPluginInfo call,
// which renders them anew with the current time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "text/regional_settings.h"
#include "text/text_platform.h"

namespace kalvori {

struct ParamDescriptor {
  const char* name;         // also the configuration key
  std::uint32_t kind;       // the host's kind code
  const char* sameName;     // the same text as `name`
  std::uint32_t hostWord3;  // numbers that the host interprets
  std::uint32_t hostWord4;
  const char* const* choices;  // labels, or null
};

struct PluginInfoRecord {
  std::uint32_t size;
  const char* title;
  const char* description;
  const char* section;
  std::uint32_t paramCount;
  const ParamDescriptor* params;
};

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(ParamDescriptor) == 24, "six 32-bit words");
static_assert(offsetof(ParamDescriptor, choices) == 20, "word 5");
static_assert(sizeof(PluginInfoRecord) == 24, "six 32-bit words");
static_assert(offsetof(PluginInfoRecord, params) == 20, "word 5");
#endif

constexpr int kBuiltinFormatCount = 8;
constexpr int kFormatChoiceCount = 9;  // the built-in formats and "User format"
constexpr int kUserFormatIndex = 8;
constexpr int kParamCount = 5;

extern const char PluginTitle[];        // "Kalvorium ver. 1.1", also the window class
extern const char SectionName[];        // "Kalvori"
extern const char PluginDescription[];  // token help, then one credit line
extern const char* const BuiltinFormats[kBuiltinFormatCount];

extern PluginInfoRecord PluginInfo;
extern ParamDescriptor ParamTable[kParamCount];
extern const char* FormatChoices[kFormatChoiceCount];

// Renders the eight labels from eight separate clock readings, releases the
// labels of the previous call, fills PluginInfo and returns its address.
// Never throws: a label that cannot be allocated reads as an empty text.
const PluginInfoRecord* DescribePlugin(const RegionalSettings& regional, TextPlatform& platform);

// Releases the labels; the slots become null again.
void ReleaseFormatChoiceLabels();

}  // namespace kalvori
