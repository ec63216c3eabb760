// The arithmetic of the menu's two-colour linear gradients, and the direct fill of 32-bit pixel
// rows. Portable: never includes windows.h.
#pragma once

#include <cstdint>

#include "controls/menu/core/MenuStylerTypes.h"
#include "framework/core/Colors.h"
#include "framework/core/Types.h"

// The colour offset steps along a gradient of length steps from start to end (plain colours):
// each channel is start + (offset * (end - start)) div length. length 0 or less gives start.
TColor GradientColor(TColor start, TColor end, int offset, int length);

// What a gradient from start to end paints (plain colours, or clNone): nothing when start is
// clNone; one solid colour when end is clNone or equal to start.
enum class TGradientKind { None, Solid, Shaded };
TGradientKind KindOfGradient(TColor start, TColor end);

// 32-bit pixels, 0x00RRGGBB each (the layout of a top-down 32-bit DIB section), rowPixels per row.
struct TPixelRows {
  uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int rowPixels = 0;
  uint32_t* Row(int y) const { return pixels + static_cast<ptrdiff_t>(y) * rowPixels; }
};

// Fills the part of full that lies inside clip (and inside the rows) with its share of the
// gradient from start to end (plain colours) computed over full: gdVertical one colour per row,
// gdHorizontal one per column, written on the first row and copied to the others.
void FillGradientPixels(const TPixelRows& rows, const TRect& full, TGradientDirection direction,
                        TColor start, TColor end, const TRect& clip);
