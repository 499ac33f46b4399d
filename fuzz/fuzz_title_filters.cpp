// Properties: one entry per ";", and the entries joined with ";" give back
// the value up to its last ";".
#include <cstdlib>
#include <string>

#include "clock/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string value(reinterpret_cast<const char*>(data), size);
  const auto entries = kalvori::SplitTitleFilters(value);
  std::size_t semicolons = 0;
  for (char c : value) semicolons += c == ';';
  if (entries.size() != semicolons) std::abort();
  std::string joined;
  for (const auto& entry : entries) joined += entry + ";";
  if (joined != value.substr(0, value.rfind(';') + 1)) std::abort();
  return 0;
}
