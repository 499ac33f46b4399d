// A formatted clock text: one fixed 256-byte area that every token appends
// to. Only Append decides what fits; whatever does not is dropped.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace kalvori {

class ClockText {
 public:
  static constexpr std::size_t kCapacity = 256;

  void Append(std::string_view piece) {
    const std::size_t room = kCapacity - size_;
    const std::size_t count = piece.size() < room ? piece.size() : room;
    if (count != 0) std::memcpy(bytes_.data() + size_, piece.data(), count);
    size_ += count;
  }
  void Append(char byte) {
    if (size_ < kCapacity) bytes_[size_++] = byte;
  }

  // For a writer that knows its text fits: `write` gets the whole area of
  // kCapacity bytes (bytes past the text are never read) and returns the
  // text's length.
  template <class Write>
  void Fill(Write write) {
    const std::size_t count = write(bytes_.data());
    size_ = count < kCapacity ? count : kCapacity;
  }

  std::string_view View() const { return std::string_view(bytes_.data(), size_); }
  std::size_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }

 private:
  std::array<char, kCapacity> bytes_;  // only the first size_ bytes are ever read
  std::size_t size_ = 0;
};

}  // namespace kalvori
