#include "clock/settings.h"

#include <cstring>

#include "host/starter_api.h"
#include "plugin/descriptor.h"
#include "text/matching.h"

namespace kalvori {
namespace {

// The text that a read left in the shared value buffer: up to its first NUL,
// or all of it when the reader left no NUL.
std::string_view BufferText(const char (&buffer)[kValueBufferSize]) {
  return std::string_view(buffer, strnlen(buffer, sizeof buffer));
}

std::string Bracketed(std::string_view format) {
  std::string prefix;
  prefix.reserve(format.size() + 3);
  prefix += '[';
  prefix += format;
  prefix += "] ";
  return prefix;
}

}  // namespace

void DefaultsOnlyReader::GetCFGString(const char*, const char* fallback, char* buffer,
                                      std::int32_t size, void*) {
  if (size <= 0) return;
  const std::size_t length = strnlen(fallback, static_cast<std::size_t>(size) - 1);
  std::memcpy(buffer, fallback, length);
  buffer[length] = '\0';
}

std::vector<std::string> SplitTitleFilters(std::string_view value) {
  std::vector<std::string> entries;
  for (std::size_t end = value.find(';'); end != std::string_view::npos; end = value.find(';')) {
    entries.emplace_back(value.substr(0, end));
    value.remove_prefix(end + 1);
  }
  return entries;
}

void LoadSettings(ConfigReader& reader, std::uint32_t configFile, ClockSettings& settings) {
  alignas(8) unsigned char readerBlock[host::kConfigReaderBlockSize];
  char value[kValueBufferSize] = {};
  static const char kEmpty[] = "";

  reader.OpenCFGr(configFile, readerBlock);
  reader.FindSection(SectionName, 0, readerBlock);

  const std::int32_t format =
      reader.GetCFGInt(ParamTable[0].name, kDefaultFormatIndex, readerBlock);
  if (format == kUserFormatIndex) {
    reader.GetCFGString(ParamTable[1].name, kDefaultUserFormat, value, kValueBufferSize,
                        readerBlock);
    settings.prefixFormat = Bracketed(TrimBlanks(BufferText(value)));
  } else {
    // Values outside the table select the default format.
    const bool known = format >= 0 && format < kBuiltinFormatCount;
    settings.prefixFormat = Bracketed(BuiltinFormats[known ? format : kDefaultFormatIndex]);
  }

  reader.GetCFGString(ParamTable[2].name, kEmpty, value, kValueBufferSize, readerBlock);
  settings.classFilter = kFixedClassFilter;
  settings.classFilter += BufferText(value);

  reader.GetCFGString(ParamTable[3].name, kEmpty, value, kValueBufferSize, readerBlock);
  settings.titleFilters = SplitTitleFilters(BufferText(value));

  settings.refreshPeriod = reader.GetCFGInt(ParamTable[4].name, kDefaultRefreshPeriod, readerBlock);
  reader.CloseCFGr(readerBlock);
}

}  // namespace kalvori
