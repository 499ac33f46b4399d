// The configuration reader as the settings see it: the five functions of
// the host's starter.dll (see host/starter_api.h), one method each.
#pragma once

#include <cstdint>

namespace kalvori {

class ConfigReader {
 public:
  virtual ~ConfigReader() = default;
  virtual void OpenCFGr(std::uint32_t configFile, void* reader) = 0;
  virtual void FindSection(const char* section, std::int32_t zero, void* reader) = 0;
  virtual std::int32_t GetCFGInt(const char* key, std::int32_t fallback, void* reader) = 0;
  virtual void GetCFGString(const char* key, const char* fallback, char* buffer, std::int32_t size,
                            void* reader) = 0;
  virtual void CloseCFGr(void* reader) = 0;
};

// Stands in when the host's reader cannot be found: every value is its default.
class DefaultsOnlyReader : public ConfigReader {
 public:
  void OpenCFGr(std::uint32_t, void*) override {}
  void FindSection(const char*, std::int32_t, void*) override {}
  std::int32_t GetCFGInt(const char*, std::int32_t fallback, void*) override { return fallback; }
  void GetCFGString(const char*, const char* fallback, char* buffer, std::int32_t size,
                    void*) override;
  void CloseCFGr(void*) override {}
};

}  // namespace kalvori
