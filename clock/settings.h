// The clock's settings, read once per start from the section "Kalvori" of
// the host's configuration file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "clock/config_reader.h"

namespace kalvori {

constexpr std::int32_t kValueBufferSize = 201;
constexpr std::int32_t kDefaultFormatIndex = 1;
constexpr std::int32_t kDefaultRefreshPeriod = 999;
constexpr const char* kDefaultUserFormat = "H:nn dd-mm-yy";
constexpr const char* kFixedClassFilter = "REDIVIZU,SHELLTRAY_WND,";

struct ClockSettings {
  std::string prefixFormat;               // "[" + clock format + "] "
  std::string classFilter;                // fixed classes + "Filter (by Class)"
  std::vector<std::string> titleFilters;  // the ";"-ended entries of "Filter (by Text)"
  std::int32_t refreshPeriod = kDefaultRefreshPeriod;  // milliseconds, as read
};

// Reads all values anew; the previous title filters are replaced.
void LoadSettings(ConfigReader& reader, std::uint32_t configFile, ClockSettings& settings);

// Every text before a ";" is an entry, empty ones included; what follows the
// last ";" is not an entry.
std::vector<std::string> SplitTitleFilters(std::string_view value);

}  // namespace kalvori
