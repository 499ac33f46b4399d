#include "text/matching.h"

#include <array>
#include <cstring>
#include <memory>

namespace kalvori {
namespace {

// An upper-cased copy of a text. Titles, class names and filters are short,
// so the copy lives on the stack; a longer text takes the heap.
class UpperCopy {
 public:
  UpperCopy(std::string_view text, TextPlatform& platform) {
    char* bytes = inline_.data();
    if (text.size() > inline_.size()) {
      heap_.reset(new char[text.size()]);
      bytes = heap_.get();
    }
    if (!text.empty()) {
      std::memcpy(bytes, text.data(), text.size());
      platform.UpperCase(bytes, text.size());
    }
    // Upper-casing covers the whole counted text; the search stops at a NUL.
    const std::string_view whole(bytes, text.size());
    view_ = whole.substr(0, whole.find('\0'));
  }
  std::string_view View() const { return view_; }

 private:
  std::array<char, 512> inline_;
  std::unique_ptr<char[]> heap_;
  std::string_view view_;
};

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

bool IsTrailByte(std::string_view text, std::size_t pos, const CodePageFacts& codePage) {
  if (!codePage.doubleByteMode || pos == 0 || text[pos] == '\0') return false;
  std::size_t leadRun = 0;
  for (std::size_t i = pos; i > 0 && codePage.IsLeadByte(static_cast<unsigned char>(text[i - 1]));
       --i) {
    ++leadRun;
  }
  return leadRun % 2 == 1;
}

bool ContainsTextIgnoreCase(std::string_view text, std::string_view subText,
                            const CodePageFacts& codePage, TextPlatform& platform) {
  const UpperCopy haystackCopy(text, platform);
  const UpperCopy needleCopy(subText, platform);
  const std::string_view haystack = haystackCopy.View();
  const std::string_view needle = needleCopy.View();
  if (haystack.empty() || needle.empty()) return false;
  for (std::size_t from = 0;;) {
    const std::size_t found = haystack.find(needle, from);
    if (found == std::string_view::npos) return false;
    if (!IsTrailByte(haystack, found, codePage)) return true;
    from = found + 1;
  }
}

std::string_view TrimBlanks(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsBlankOrControl(text[begin])) ++begin;
  if (begin == text.size()) return {};
  std::size_t end = text.size();
  while (IsBlankOrControl(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

}  // namespace kalvori
