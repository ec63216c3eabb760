#include "framework/core/Streams.h"

#include <algorithm>
#include <cstring>

#include "framework/core/SysUtils.h"

int64_t TStream::Size() {
  const int64_t position = Seek(0, TSeekOrigin::soCurrent);
  const int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(position, TSeekOrigin::soBeginning);
  return size;
}

void TStream::SetSize(int64_t) {
  throw EStreamError("Stream does not support resizing");
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count < 0 || (count != 0 && Read(buffer, count) != count)) throw EReadError();
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count < 0 || (count != 0 && Write(buffer, count) != count)) throw EWriteError();
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<uint8_t> chunk(static_cast<size_t>(std::min<int64_t>(count, 65536)));
  int64_t remaining = count;
  while (remaining > 0) {
    const int64_t part = std::min<int64_t>(remaining, static_cast<int64_t>(chunk.size()));
    source.ReadBuffer(chunk.data(), part);
    WriteBuffer(chunk.data(), part);
    remaining -= part;
  }
  return count;
}

uint8_t TStream::ReadByte() {
  uint8_t value = 0;
  ReadBuffer(&value, 1);
  return value;
}

uint16_t TStream::ReadUInt16LE() {
  uint8_t bytes[2];
  ReadBuffer(bytes, 2);
  return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

uint32_t TStream::ReadUInt32LE() {
  uint8_t bytes[4];
  ReadBuffer(bytes, 4);
  return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
         (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

void TStream::WriteUInt16LE(uint16_t value) {
  const uint8_t bytes[2] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
  WriteBuffer(bytes, 2);
}

void TStream::WriteUInt32LE(uint32_t value) {
  const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                            static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
  WriteBuffer(bytes, 4);
}

static int64_t SeekTarget(int64_t position, int64_t size, int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case TSeekOrigin::soBeginning:
      return offset;
    case TSeekOrigin::soCurrent:
      return position + offset;
    case TSeekOrigin::soEnd:
      return size + offset;
  }
  return position;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  if (count <= 0 || position_ >= Size()) return 0;
  const int64_t available = std::min<int64_t>(count, Size() - position_);
  std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(available));
  position_ += available;
  return available;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  const int64_t end = position_ + count;
  if (end > Size()) data_.resize(static_cast<size_t>(end));
  std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
  position_ = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t target = SeekTarget(position_, Size(), offset, origin);
  if (target >= 0) position_ = target;
  return position_;
}

void TMemoryStream::SetSize(int64_t size) {
  data_.resize(static_cast<size_t>(std::max<int64_t>(size, 0)));
  if (position_ > Size()) position_ = Size();
}

void TMemoryStream::Clear() {
  data_.clear();
  data_.shrink_to_fit();
  position_ = 0;
}

std::vector<uint8_t> TMemoryStream::TakeBytes() {
  position_ = 0;
  return std::move(data_);
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const int64_t size = source.Size();
  data_.resize(static_cast<size_t>(size));
  if (size > 0) source.ReadBuffer(data_.data(), size);
  position_ = 0;
}

void TMemoryStream::SaveToStream(TStream& destination) const {
  if (!data_.empty()) destination.WriteBuffer(data_.data(), static_cast<int64_t>(data_.size()));
}

int64_t TReadOnlyMemoryStream::Read(void* buffer, int64_t count) {
  if (count <= 0 || position_ >= size_) return 0;
  const int64_t available = std::min<int64_t>(count, size_ - position_);
  std::memcpy(buffer, data_ + position_, static_cast<size_t>(available));
  position_ += available;
  return available;
}

int64_t TReadOnlyMemoryStream::Write(const void*, int64_t) {
  return 0;
}

int64_t TReadOnlyMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t target = SeekTarget(position_, size_, offset, origin);
  if (target >= 0) position_ = target;
  return position_;
}
