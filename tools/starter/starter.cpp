// Reference configuration reader, starter.dll, over an INI file.
//
// ConfigFile is a pointer to the NUL-terminated path of the INI file (an
// absolute path: the profile API looks for relative names in the Windows
// folder). Keys are read with GetPrivateProfileStringA, so a missing file,
// section or key gives the default handed in. The caller's 36-byte reader
// block holds a pointer to our reading state between OpenCFGr and CloseCFGr.
#include <windows.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

namespace {

constexpr std::uint32_t kMagic = 0x4B434647;  // marks a block that we opened

struct Reading {
  std::string path;
  std::string section;
};

struct ReaderBlock {
  std::uint32_t magic;
  Reading* reading;
  std::uint32_t unused[7];
};
static_assert(sizeof(ReaderBlock) <= 36, "fits the caller's block");

Reading* ReadingOf(void* reader) {
  auto* block = static_cast<ReaderBlock*>(reader);
  return (block != nullptr && block->magic == kMagic) ? block->reading : nullptr;
}

// A whole decimal number between optional blanks, within 32 bits.
bool ParseInt32(const char* text, std::int32_t& value) {
  while (*text == ' ' || *text == '\t') ++text;
  if (*text == '\0') return false;
  char* end = nullptr;
  errno = 0;
  const long long parsed = std::strtoll(text, &end, 10);
  if (end == text || errno == ERANGE || parsed < INT32_MIN || parsed > INT32_MAX) return false;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0') return false;
  value = static_cast<std::int32_t>(parsed);
  return true;
}

}  // namespace

extern "C" {

__declspec(dllexport) std::int32_t __stdcall OpenCFGr(std::uint32_t configFile, void* reader) {
  if (reader == nullptr) return 0;
  auto* block = static_cast<ReaderBlock*>(reader);
  std::memset(block, 0, sizeof *block);
  Reading* reading = new (std::nothrow) Reading;
  if (reading == nullptr) return 0;
  try {
    if (configFile != 0) reading->path = reinterpret_cast<const char*>(configFile);
  } catch (...) {
    delete reading;
    return 0;
  }
  block->magic = kMagic;
  block->reading = reading;
  return 1;
}

__declspec(dllexport) std::int32_t
    __stdcall FindSection(const char* section, std::int32_t, void* reader) {
  Reading* reading = ReadingOf(reader);
  if (reading == nullptr || section == nullptr) return 0;
  try {
    reading->section = section;
  } catch (...) {
    return 0;
  }
  return 1;
}

__declspec(dllexport) std::int32_t
    __stdcall GetCFGInt(const char* key, std::int32_t fallback, void* reader) {
  Reading* reading = ReadingOf(reader);
  if (reading == nullptr || reading->path.empty() || key == nullptr) return fallback;
  char text[64] = {};
  GetPrivateProfileStringA(reading->section.c_str(), key, "", text, sizeof text,
                           reading->path.c_str());
  std::int32_t value = 0;
  return ParseInt32(text, value) ? value : fallback;
}

__declspec(dllexport) std::int32_t
    __stdcall GetCFGString(const char* key, const char* fallback, char* buffer, std::int32_t size,
                           void* reader) {
  if (buffer == nullptr || size <= 0) return 0;
  if (fallback == nullptr) fallback = "";
  Reading* reading = ReadingOf(reader);
  if (reading == nullptr || reading->path.empty() || key == nullptr) {
    lstrcpynA(buffer, fallback, size);
    return 0;
  }
  return static_cast<std::int32_t>(GetPrivateProfileStringA(reading->section.c_str(), key, fallback,
                                                            buffer, static_cast<DWORD>(size),
                                                            reading->path.c_str()));
}

__declspec(dllexport) std::int32_t __stdcall CloseCFGr(void* reader) {
  Reading* reading = ReadingOf(reader);
  if (reading == nullptr) return 0;
  delete reading;
  std::memset(reader, 0, sizeof(ReaderBlock));
  return 1;
}

}  // extern "C"
