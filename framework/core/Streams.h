// Byte streams: the abstract stream and the in-memory stream.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;

  // Reads up to count bytes; returns how many were read (0 at the end).
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  // Writes count bytes; returns how many were written.
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t size);

  // Exactly count bytes or EReadError "Stream read error".
  void ReadBuffer(void* buffer, int64_t count);
  // Exactly count bytes or EWriteError "Stream write error".
  void WriteBuffer(const void* buffer, int64_t count);
  // Copies count bytes from source (the whole source from its start when count is 0).
  int64_t CopyFrom(TStream& source, int64_t count);

  uint8_t ReadByte();
  uint16_t ReadUInt16LE();
  uint32_t ReadUInt32LE();
  void WriteByte(uint8_t value) { WriteBuffer(&value, 1); }
  void WriteUInt16LE(uint16_t value);
  void WriteUInt32LE(uint32_t value);
};

// A growable stream held in memory.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : data_(std::move(bytes)) {}

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(data_.size()); }
  void SetSize(int64_t size) override;

  void Clear();
  const uint8_t* Memory() const { return data_.data(); }
  uint8_t* Memory() { return data_.data(); }
  const std::vector<uint8_t>& Bytes() const { return data_; }
  std::vector<uint8_t> TakeBytes();
  void LoadFromStream(TStream& source);
  void SaveToStream(TStream& destination) const;

 private:
  std::vector<uint8_t> data_;
  int64_t position_ = 0;  // may lie beyond the end; a write there zero-fills the gap
};

// A read-only view over bytes owned elsewhere.
class TReadOnlyMemoryStream : public TStream {
 public:
  TReadOnlyMemoryStream(const void* data, int64_t size)
      : data_(static_cast<const uint8_t*>(data)), size_(size) {}
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return size_; }

 private:
  const uint8_t* data_;
  int64_t size_;
  int64_t position_ = 0;
};
