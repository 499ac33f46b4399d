// Properties: trimming twice changes nothing; the result is a stretch of the
// text that neither starts nor ends with a byte of value 32 or less.
#include <cstdlib>

#include "text/matching.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string_view trimmed = kalvori::TrimBlanks(text);
  if (kalvori::TrimBlanks(trimmed) != trimmed) std::abort();
  if (!trimmed.empty()) {
    if (trimmed.data() < text.data() || trimmed.data() + trimmed.size() > text.data() + text.size())
      std::abort();
    if (static_cast<unsigned char>(trimmed.front()) <= 32) std::abort();
    if (static_cast<unsigned char>(trimmed.back()) <= 32) std::abort();
  }
  return 0;
}
