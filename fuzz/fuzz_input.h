// Splits a fuzzer's bytes into the pieces a target needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace kalvori::fuzzing {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t Byte() {
    if (rest_.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(rest_[0]);
    rest_.remove_prefix(1);
    return b;
  }
  std::uint32_t Word() {
    std::uint32_t w = 0;
    for (int i = 0; i < 4; ++i) w = (w << 8) | Byte();
    return w;
  }
  // A piece up to the next 0xFF separator (or the end), at most `limit` bytes.
  std::string Piece(std::size_t limit) {
    std::size_t end = rest_.find('\xFF');
    if (end == std::string_view::npos) end = rest_.size();
    std::string piece(rest_.substr(0, end < limit ? end : limit));
    rest_.remove_prefix(end < rest_.size() ? end + 1 : end);
    return piece;
  }
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

}  // namespace kalvori::fuzzing
