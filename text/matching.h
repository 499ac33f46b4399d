// Case-insensitive containment and trimming of 8-bit ANSI texts.
#pragma once

#include <string_view>

#include "text/code_page_facts.h"
#include "text/text_platform.h"

namespace kalvori {

// True when `subText` occurs in `text` ignoring letter case (as the
// platform upper-cases the code page). Each text counts up to its first NUL;
// an empty `subText` occurs nowhere. With a double-byte code page, an
// occurrence that starts on the trail byte of a character does not count.
bool ContainsTextIgnoreCase(std::string_view text, std::string_view subText,
                            const CodePageFacts& codePage, TextPlatform& platform);

// `text` without its leading and trailing bytes of value 0 to 32.
std::string_view TrimBlanks(std::string_view text);

// True when the byte at `pos` is the second byte of a double-byte character.
bool IsTrailByte(std::string_view text, std::size_t pos, const CodePageFacts& codePage);

}  // namespace kalvori
