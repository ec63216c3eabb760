// A cursor over the reader's private copy of the file.
// Portable: never includes windows.h.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "framework/core/SysUtils.h"

class TGIFByteReader {
 public:
  TGIFByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool AtEnd() const { return position_ >= size_; }
  size_t Remaining() const { return size_ - position_; }
  const uint8_t* Current() const { return data_ + position_; }
  void Skip(size_t count) { position_ += std::min(count, Remaining()); }

  // Exactly count bytes or "Stream read error".
  void Read(void* out, size_t count) {
    if (count > Remaining()) throw EReadError();
    if (count == 0) return;
    std::memcpy(out, data_ + position_, count);
    position_ += count;
  }
  // Up to count bytes; returns how many were there.
  size_t ReadUpTo(void* out, size_t count) {
    const size_t available = std::min(count, Remaining());
    if (available == 0) return 0;
    std::memcpy(out, data_ + position_, available);
    position_ += available;
    return available;
  }
  uint8_t Byte() {
    if (AtEnd()) throw EReadError();
    return data_[position_++];
  }
  uint16_t Word() {
    const uint8_t low = Byte();
    return static_cast<uint16_t>(low | (Byte() << 8));
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
};
