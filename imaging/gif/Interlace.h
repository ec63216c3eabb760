// The GIF row order of interlaced frames, shared by the decoder and the encoder.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>

// Returns the row after `row` and may advance `pass` (0..3, starting at 0 with row 0). Passes
// with no rows are skipped; a result not below `height` ends the image.
inline uint32_t NextInterlacedRow(uint32_t row, uint32_t height, int& pass) {
  const uint32_t step = pass < 2 ? 8 : (pass == 2 ? 4 : 2);
  const uint32_t next = row + step;
  if (next < height) return next;
  switch (pass) {
    case 0:
      pass = 1;
      if (height > 4) return 4;
      [[fallthrough]];
    case 1:
      pass = 2;
      if (height > 2) return 2;
      [[fallthrough]];
    case 2:
      pass = 3;
      return 1;
    default:
      return next;
  }
}
