#include "adapters/win32/starter_config_reader.h"

namespace kalvori {
namespace {

template <typename Function>
Function Resolve(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

StarterConfigReader::StarterConfigReader() {
  library_ = LoadLibraryA(host::kStarterLibraryName);
  if (library_ == nullptr) return;
  open_ = Resolve<host::OpenCFGrFunction>(library_, "OpenCFGr");
  findSection_ = Resolve<host::FindSectionFunction>(library_, "FindSection");
  getInt_ = Resolve<host::GetCFGIntFunction>(library_, "GetCFGInt");
  getString_ = Resolve<host::GetCFGStringFunction>(library_, "GetCFGString");
  close_ = Resolve<host::CloseCFGrFunction>(library_, "CloseCFGr");
}

StarterConfigReader::~StarterConfigReader() {
  if (library_ != nullptr) FreeLibrary(library_);
}

bool StarterConfigReader::Complete() const {
  return open_ && findSection_ && getInt_ && getString_ && close_;
}

ConfigReader& StarterConfigReader::Reader() {
  if (Complete()) return *this;
  return defaults_;
}

void StarterConfigReader::OpenCFGr(std::uint32_t configFile, void* reader) {
  open_(configFile, reader);
}

void StarterConfigReader::FindSection(const char* section, std::int32_t zero, void* reader) {
  findSection_(section, zero, reader);
}

std::int32_t StarterConfigReader::GetCFGInt(const char* key, std::int32_t fallback, void* reader) {
  return getInt_(key, fallback, reader);
}

void StarterConfigReader::GetCFGString(const char* key, const char* fallback, char* buffer,
                                       std::int32_t size, void* reader) {
  getString_(key, fallback, buffer, size, reader);
}

void StarterConfigReader::CloseCFGr(void* reader) { close_(reader); }

}  // namespace kalvori
