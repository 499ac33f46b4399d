// The built plug-in, loaded the way a host loads it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "adapters/win32/win32_locale_source.h"
#include "adapters/win32/win32_text_platform.h"
#include "plugin/descriptor.h"
#include "text/clock_format.h"
#include "tools/host/plugin_library.h"
#include "wine/wine_support.h"

namespace kalvori {
namespace {

using tools::PluginLibrary;
using wine_testing::PluginPath;

std::string Render(const char* format, const SYSTEMTIME& at, const RegionalSettings& regional,
                   TextPlatform& platform) {
  const LocalTimeFields fields{at.wYear,   at.wMonth,  at.wDay,         at.wHour,
                               at.wMinute, at.wSecond, at.wMilliseconds};
  return std::string(FormatClockText(format, EncodeDateTime(fields), regional, platform).View());
}

TEST(PluginExportsTest, LoadsWithAllThreeExportsByPlainName) {
  PluginLibrary plugin(PluginPath());
  EXPECT_EQ(plugin.Problem(), "");
  HMODULE module = GetModuleHandleA(PluginPath().c_str());
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(GetProcAddress(module, "GetPluginInfo@0"), nullptr);
  EXPECT_EQ(GetProcAddress(module, "_GetPluginInfo@0"), nullptr);
}

TEST(PluginExportsTest, EveryWordOfTheDescriptorAndTheLabelsOfTheCurrentTime) {
  PluginLibrary plugin(PluginPath());
  ASSERT_NE(plugin.getPluginInfo, nullptr);
  SYSTEMTIME before, after;
  GetLocalTime(&before);
  const auto* words = reinterpret_cast<const std::uint32_t*>(plugin.getPluginInfo());
  GetLocalTime(&after);

  ASSERT_NE(words, nullptr);
  EXPECT_EQ(words[0], 24u);
  EXPECT_STREQ(reinterpret_cast<const char*>(words[1]), "Kalvorium ver. 1.1");
  const char* description = reinterpret_cast<const char*>(words[2]);
  EXPECT_EQ(std::strncmp(description, "Show time in window title bar\r\nFormat: h  - ", 44), 0);
  EXPECT_GT(std::strlen(description), 434u);
  EXPECT_STREQ(reinterpret_cast<const char*>(words[3]), "Kalvori");
  EXPECT_EQ(words[4], 5u);

  const auto* table = reinterpret_cast<const std::uint32_t*>(words[5]);
  const struct {
    const char* name;
    std::uint32_t kind, word3, word4;
  } rows[] = {{"Format", 272, 0, 8},
              {"User format", 7, 1, 0},
              {"Filter (by Class)", 7, 1, 0},
              {"Filter (by Text)", 7, 1, 0},
              {"Refresh period (ms)", 2, 1000, 0}};
  for (int i = 0; i < 5; ++i) {
    const std::uint32_t* entry = table + 6 * i;
    EXPECT_STREQ(reinterpret_cast<const char*>(entry[0]), rows[i].name);
    EXPECT_EQ(entry[1], rows[i].kind);
    EXPECT_EQ(entry[2], entry[0]);
    EXPECT_EQ(entry[3], rows[i].word3);
    EXPECT_EQ(entry[4], rows[i].word4);
    if (i > 0) {
      EXPECT_EQ(entry[5], 0u);
    }
  }

  const auto* labels = reinterpret_cast<const char* const*>(table[5]);
  ASSERT_NE(labels, nullptr);
  Win32LocaleSource locale;
  const RegionalSettings regional = LoadRegionalSettings(locale);
  Win32TextPlatform platform;
  for (int i = 0; i < 8; ++i) {
    const std::string label = labels[i];
    const std::string early = Render(BuiltinFormats[i], before, regional, platform);
    const std::string late = Render(BuiltinFormats[i], after, regional, platform);
    EXPECT_TRUE(label == early || label == late) << i << ": " << label << " vs " << early;
  }
  EXPECT_STREQ(labels[8], "User format");

  // Independent of our formatter: hh:mm:ss with the current time.
  char plain[16];
  std::snprintf(plain, sizeof plain, "%02u:%02u", before.wHour, before.wMinute);
  char plainAfter[16];
  std::snprintf(plainAfter, sizeof plainAfter, "%02u:%02u", after.wHour, after.wMinute);
  if (regional.format.timeSep == ':') {
    EXPECT_TRUE(std::string(labels[0]) == plain || std::string(labels[0]) == plainAfter)
        << labels[0];
  }

  // A second call: the same record, the same table address.
  const auto* again = reinterpret_cast<const std::uint32_t*>(plugin.getPluginInfo());
  EXPECT_EQ(again, words);
  EXPECT_EQ(table[5], reinterpret_cast<const std::uint32_t*>(again[5])[5]);
}

}  // namespace
}  // namespace kalvori
