#include "plugin/descriptor.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <new>

#include "text/clock_format.h"

namespace kalvori {

const char PluginTitle[] = "Kalvorium ver. 1.1";
const char SectionName[] = "Kalvori";

namespace {

#define KALVORI_TOKEN_HELP                                                 \
  "Show time in window title bar\r\n"                                      \
  "Format: h  - Displays the hour without a leading zero (0-23)\r\n"       \
  "hh - Displays the hour with a leading zero (00-23\r\n"                  \
  "n  - Displays the minute without a leading zero (0-59)\r\n"             \
  "nn - Displays the minute with a leading zero (00-59)\r\n"               \
  "s  - Displays the second without a leading zero (0-59)\r\n"             \
  "ss - Displays the second with a leading zero (00-59)\r\n"               \
  "am/pm - Uses the 12-hour clock for the preceding h or hh specifier\r\n" \
  "\r\n"

static_assert(sizeof(KALVORI_TOKEN_HELP) - 1 == 434, "the token help is 434 bytes");

const char kUserFormatLabel[] = "User format";
const char kEmptyLabel[] = "";

const char kFormatKey[] = "Format";
const char kUserFormatKey[] = "User format";
const char kClassFilterKey[] = "Filter (by Class)";
const char kTitleFilterKey[] = "Filter (by Text)";
const char kRefreshPeriodKey[] = "Refresh period (ms)";

std::array<std::unique_ptr<char[]>, kBuiltinFormatCount> ownedLabels;

}  // namespace

const char PluginDescription[] = KALVORI_TOKEN_HELP "Kalvori title-bar clock, by the Kalvori team";

const char* const BuiltinFormats[kBuiltinFormatCount] = {
    "hh:mm",    "hh:mm AMPM",    "hh:mm AM/PM",    "hh:mm A/P",
    "hh:mm:ss", "hh:mm:ss AMPM", "hh:mm:ss AM/PM", "hh:mm:ss A/P"};

PluginInfoRecord PluginInfo = {};
const char* FormatChoices[kFormatChoiceCount] = {};
ParamDescriptor ParamTable[kParamCount] = {
    {kFormatKey, 0x110, kFormatKey, 0, 8, nullptr},
    {kUserFormatKey, 7, kUserFormatKey, 1, 0, nullptr},
    {kClassFilterKey, 7, kClassFilterKey, 1, 0, nullptr},
    {kTitleFilterKey, 7, kTitleFilterKey, 1, 0, nullptr},
    {kRefreshPeriodKey, 2, kRefreshPeriodKey, 1000, 0, nullptr},
};

const PluginInfoRecord* DescribePlugin(const RegionalSettings& regional, TextPlatform& platform) {
  for (int i = 0; i < kBuiltinFormatCount; ++i) {
    const ClockText label =
        FormatClockText(BuiltinFormats[i], CurrentLocalDateTime(platform), regional, platform);
    std::unique_ptr<char[]> text(new (std::nothrow) char[label.Size() + 1]);
    if (text) {
      std::memcpy(text.get(), label.View().data(), label.Size());
      text[label.Size()] = '\0';
    }
    FormatChoices[i] = text ? text.get() : kEmptyLabel;
    ownedLabels[i] = std::move(text);  // releases the previous call's label
  }
  FormatChoices[kUserFormatIndex] = kUserFormatLabel;

  PluginInfo.size = sizeof(PluginInfoRecord);
  PluginInfo.title = PluginTitle;
  PluginInfo.description = PluginDescription;
  PluginInfo.section = SectionName;
  PluginInfo.paramCount = kParamCount;
  PluginInfo.params = ParamTable;
  ParamTable[0].choices = FormatChoices;
  return &PluginInfo;
}

void ReleaseFormatChoiceLabels() {
  for (int i = 0; i < kFormatChoiceCount; ++i) FormatChoices[i] = nullptr;
  for (auto& label : ownedLabels) label.reset();
}

}  // namespace kalvori
