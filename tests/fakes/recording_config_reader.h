// A configuration reader that answers from a table of values and records
// every call with its arguments.
#pragma once

#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "clock/config_reader.h"

namespace kalvori::testing {

struct ReaderCall {
  std::string function;
  std::string key;       // section for FindSection
  std::string fallback;  // GetCFGString's default, or GetCFGInt's as text
  bool fallbackIsNull = false;
  std::int32_t number = 0;  // configFile, FindSection's zero, or buffer size
  void* reader = nullptr;
  char* buffer = nullptr;
};

class RecordingConfigReader : public ConfigReader {
 public:
  void OpenCFGr(std::uint32_t configFile, void* reader) override {
    calls.push_back({"OpenCFGr", "", "", false, static_cast<std::int32_t>(configFile), reader});
  }
  void FindSection(const char* section, std::int32_t zero, void* reader) override {
    calls.push_back({"FindSection", section, "", false, zero, reader});
  }
  std::int32_t GetCFGInt(const char* key, std::int32_t fallback, void* reader) override {
    calls.push_back({"GetCFGInt", key, std::to_string(fallback), false, 0, reader});
    auto found = numbers.find(key);
    return found == numbers.end() ? fallback : found->second;
  }
  void GetCFGString(const char* key, const char* fallback, char* buffer, std::int32_t size,
                    void* reader) override {
    calls.push_back(
        {"GetCFGString", key, fallback ? fallback : "", fallback == nullptr, size, reader, buffer});
    auto raw = rawTexts.find(key);
    if (raw != rawTexts.end()) {  // bytes exactly as given, NUL or not
      std::memcpy(buffer, raw->second.data(), std::min<std::size_t>(raw->second.size(), size));
      return;
    }
    auto found = texts.find(key);
    const std::string value = found == texts.end() ? std::string(fallback) : found->second;
    std::strncpy(buffer, value.c_str(), size - 1);
    buffer[std::min<std::size_t>(value.size(), size - 1)] = '\0';
  }
  void CloseCFGr(void* reader) override {
    calls.push_back({"CloseCFGr", "", "", false, 0, reader});
  }

  std::map<std::string, std::int32_t> numbers;
  std::map<std::string, std::string> texts;
  std::map<std::string, std::string> rawTexts;
  std::vector<ReaderCall> calls;
};

}  // namespace kalvori::testing
