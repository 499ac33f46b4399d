// Properties: a non-empty text contains itself; single-byte results equal a
// plain upper-cased search; nothing is found in or for an empty text.
#include <algorithm>
#include <cstdlib>

#include "fakes/fake_text_platform.h"
#include "fuzz/fuzz_input.h"
#include "text/matching.h"

using namespace kalvori;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzInput input(data, size);
  const bool doubleByte = input.Byte() & 1;
  const std::string text = input.Piece(1000);
  const std::string subText = input.Piece(1000);
  CodePageFacts codePage;
  if (doubleByte) {
    for (int b = 0x81; b <= 0x9F; ++b) codePage.leadByteSet.set(b);
    codePage.doubleByteMode = true;
  }
  testing::FakeTextPlatform platform;
  platform.leadBytes = codePage;

  const std::string_view textUpToNul = std::string_view(text).substr(0, text.find('\0'));
  const std::string_view subUpToNul = std::string_view(subText).substr(0, subText.find('\0'));
  const bool found = ContainsTextIgnoreCase(text, subText, codePage, platform);
  if (found && (textUpToNul.empty() || subUpToNul.empty())) std::abort();
  if (!textUpToNul.empty() && !ContainsTextIgnoreCase(text, text, codePage, platform)) std::abort();
  if (!doubleByte) {
    std::string a(textUpToNul), b(subUpToNul);
    platform.UpperCase(a.data(), a.size());
    platform.UpperCase(b.data(), b.size());
    const bool plain = !a.empty() && !b.empty() && a.find(b) != std::string::npos;
    if (plain != found) std::abort();
  }
  return 0;
}
