// Binds the configuration reader to the host's starter.dll, resolved at run
// time. When the library or any of its five functions cannot be found,
// Reader() is one that gives every setting its default.
#pragma once

#include <windows.h>

#include "clock/config_reader.h"
#include "host/starter_api.h"

namespace kalvori {

class StarterConfigReader : public ConfigReader {
 public:
  StarterConfigReader();
  ~StarterConfigReader() override;
  StarterConfigReader(const StarterConfigReader&) = delete;
  StarterConfigReader& operator=(const StarterConfigReader&) = delete;

  bool Complete() const;
  // This reader when starter.dll is complete, else a defaults-only one.
  ConfigReader& Reader();

  void OpenCFGr(std::uint32_t configFile, void* reader) override;
  void FindSection(const char* section, std::int32_t zero, void* reader) override;
  std::int32_t GetCFGInt(const char* key, std::int32_t fallback, void* reader) override;
  void GetCFGString(const char* key, const char* fallback, char* buffer, std::int32_t size,
                    void* reader) override;
  void CloseCFGr(void* reader) override;

 private:
  HMODULE library_ = nullptr;  // our own reference, released in the destructor
  host::OpenCFGrFunction open_ = nullptr;
  host::FindSectionFunction findSection_ = nullptr;
  host::GetCFGIntFunction getInt_ = nullptr;
  host::GetCFGStringFunction getString_ = nullptr;
  host::CloseCFGrFunction close_ = nullptr;
  DefaultsOnlyReader defaults_;
};

}  // namespace kalvori
