// What the module knows of the ANSI code page: which bytes begin a double-byte
// character, and the language of the locale found at load.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kalvori {

struct CodePageFacts {
  std::uint16_t primaryLanguage = 0x09;  // English
  std::uint16_t subLanguage = 0x01;
  std::bitset<256> leadByteSet;
  bool doubleByteMode = false;

  // Unchecked: every byte value is a valid index.
  bool IsLeadByte(unsigned char byte) const { return leadByteSet[byte]; }

  // The number of bytes of the character that starts at `pos`: two for a
  // lead byte followed by a non-NUL byte inside the text, else one. A lead
  // byte at the very end of a text is a character of its own.
  std::size_t CharLength(std::string_view text, std::size_t pos) const {
    if (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() &&
        text[pos + 1] != '\0') {
      return 2;
    }
    return 1;
  }
};

}  // namespace kalvori
