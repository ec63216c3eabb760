#include "tools/checkglyphs/CheckGlyphArt.h"

#include <array>

namespace {

// Indexes into the standard 16 colours.
constexpr uint8_t kGray = 8;
constexpr uint8_t kRed = 9;
constexpr uint8_t kBlue = 12;
constexpr uint8_t kFuchsia = 13;
constexpr uint8_t kWhite = 15;

constexpr int kLast = kCheckGlyphSize - 1;

// The check mark: for each row of the 7 × 7 interior, a bit per interior column (bit 0 = column
// 0).
constexpr std::array<uint8_t, 7> kMarkRows = {
    0b1000000, 0b1100000, 0b1110001, 0b0111011, 0b0011111, 0b0001110, 0b0000100,
};

uint8_t ColorIndexAt(TCheckGlyph glyph, int row, int column) {
  if (row == 0 || row == kLast || column == 0 || column == kLast) return kGray;
  const bool light = row <= 2 || column <= 2;
  const bool dark = row >= kLast - 2 || column >= kLast - 2;
  // Where the bands meet (top right, bottom left) they split along the diagonal.
  if (light && dark) return row + column <= kLast ? kFuchsia : kRed;
  if (light) return kFuchsia;
  if (dark) return kRed;
  switch (glyph) {
    case TCheckGlyph::Grayed:
      return kBlue;
    case TCheckGlyph::Checked:
      return (kMarkRows[row - 3] >> (column - 3)) & 1 ? kBlue : kWhite;
    case TCheckGlyph::Unchecked:
      break;
  }
  return kWhite;
}

}  // namespace

TDibImage CheckGlyphImage(TCheckGlyph glyph) {
  TDibImage image;
  image.width = kCheckGlyphSize;
  image.height = kCheckGlyphSize;
  image.bitCount = 4;
  image.palette = StandardSixteenColors();
  image.bits.assign(image.Stride() * kCheckGlyphSize, 0);
  for (int row = 0; row < kCheckGlyphSize; ++row) {
    uint8_t* line = image.Row(row);
    for (int column = 0; column < kCheckGlyphSize; ++column) {
      const uint8_t index = ColorIndexAt(glyph, row, column);
      line[column / 2] |= column % 2 == 0 ? static_cast<uint8_t>(index << 4) : index;
    }
  }
  return image;
}
