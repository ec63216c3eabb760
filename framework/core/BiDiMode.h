// Right-to-left text: the four reading and layout modes of a control and what each one means.
// Portable: never includes windows.h.
#pragma once

#include <string>
#include <vector>

// bdLeftToRight: the usual. bdRightToLeft: text read right to left, alignment and layout
// mirrored. bdRightToLeftNoAlign: read right to left, layout mirrored, alignment kept.
// bdRightToLeftReadingOnly: read right to left, nothing else changes.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

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
