// One extension block kept with a frame: graphic control, plain text, application or comment.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class TGIFExtensionKind : uint8_t { ekGraphicControl, ekPlainText, ekApplication, ekComment };

class TExtension {
 public:
  explicit TExtension(TGIFExtensionKind kind);

  // The block label byte: 0xF9, 0x01, 0xFF or 0xFE.
  static uint8_t Label(TGIFExtensionKind kind);
  // Length of the fixed part after the label: 6, 13, 12 or 0.
  static size_t FixedSize(TGIFExtensionKind kind);

  TGIFExtensionKind Kind() const { return kind_; }
  // The raw bytes after the label, at FixedSize() length.
  std::vector<uint8_t>& Fixed() { return fixed_; }
  const std::vector<uint8_t>& Fixed() const { return fixed_; }
  // One string per data sub-block, holding its raw bytes.
  std::vector<std::string>& Data() { return data_; }
  const std::vector<std::string>& Data() const { return data_; }

 private:
  TGIFExtensionKind kind_;
  std::vector<uint8_t> fixed_;
  std::vector<std::string> data_;
};

// Graphic control fixed part: block size, packed byte, delay (LE hundredths), index, terminator.
namespace gce {
inline constexpr size_t kPacked = 1;
inline constexpr size_t kDelayLow = 2;
inline constexpr size_t kDelayHigh = 3;
inline constexpr size_t kTransparentIndex = 4;
}  // namespace gce
