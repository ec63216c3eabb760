// Right-to-left text: the four reading and layout modes of a control and what each one means.
// Portable: never includes windows.h.
#pragma once

#include <string>
#include <vector>

// bdLeftToRight: the usual. bdRightToLeft: text read right to left, alignment and layout
// mirrored. bdRightToLeftNoAlign: read right to left, layout mirrored, alignment kept.
// bdRightToLeftReadingOnly: read right to left, nothing else changes.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// A component whose reading order the components it owns may take: a menu with ParentBiDiMode reads
// as its owner does. Controls implement it, so that menus need not know them.
class IBiDiModeOwner {
 public:
  virtual ~IBiDiModeOwner() = default;
  virtual TBiDiMode BiDiMode() const = 0;
};

// Form data names, by ordinal.
const std::vector<std::string>& BiDiModeNames();

// The text is read right to left (every mode but bdLeftToRight).
constexpr bool ReadsRightToLeft(TBiDiMode mode) {
  return mode != bdLeftToRight;
}
// Left and right alignment swap (bdRightToLeft only).
constexpr bool AlignmentFlipped(TBiDiMode mode) {
  return mode == bdRightToLeft;
}
// The layout is mirrored: scroll bars, embedded buttons and glyphs move to the other side.
constexpr bool LayoutMirrored(TBiDiMode mode) {
  return mode == bdRightToLeft || mode == bdRightToLeftNoAlign;
}
