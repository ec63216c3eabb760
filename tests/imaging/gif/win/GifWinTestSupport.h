// Helpers for the Windows tests of the GIF graphic: GIF files made by the codec, the banner's
// stored picture data and a clipboard owned by a hidden window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/Colors.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/GdiObjects.h"
#include "imaging/gif/GIFTypes.h"
#include "tests/support/win/PixelSurface.h"

// One frame of a test GIF: indices row by row from the top into an 8-bit palette.
struct GifFrameSpec {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<TGIFRgb> palette;
  std::vector<uint8_t> indices;
  // The palette entry marked transparent, or -1.
  int transparentIndex = -1;
};

// A GIF file written by the codec from the frames.
std::vector<uint8_t> BuildGifFile(const std::vector<GifFrameSpec>& frames);
// A 4 x 2 frame of red, green, blue and white with white (index 3) transparent:
//   row 0: 0 1 2 3    row 1: 3 2 1 0
GifFrameSpec FourColourFrame();
// Points the first graphic control extension of a GIF file at another transparent index (the
// writer names the first entry of the transparent colour). False when the file has none.
bool MarkTransparentIndex(std::vector<uint8_t>& file, uint8_t index);
// The colour of a palette entry as 0x00BBGGRR.
TColor ColorOf(const TGIFRgb& rgb);

// The bytes of the banner's stored picture data as the build generated them.
std::vector<uint8_t> BannerPictureData();
// The GIF file inside stored picture data of a TDvGIFImage.
std::vector<uint8_t> StoredGifFile(const std::vector<uint8_t>& stored);
// Stored picture data of a TDvGIFImage holding the file.
std::vector<uint8_t> StoredGifPicture(const std::vector<uint8_t>& file);

// The clipboard, opened for a scope by a hidden window of its own and emptied on opening.
class ClipboardScope {
 public:
  ClipboardScope();
  ~ClipboardScope();
  ClipboardScope(const ClipboardScope&) = delete;
  ClipboardScope& operator=(const ClipboardScope&) = delete;
  bool IsOpen() const { return open_; }

 private:
  HWND window_ = nullptr;
  bool open_ = false;
};

// Opens the clipboard without emptying it (for reading back).
class ClipboardReader {
 public:
  ClipboardReader();
  ~ClipboardReader();
  ClipboardReader(const ClipboardReader&) = delete;
  ClipboardReader& operator=(const ClipboardReader&) = delete;
  bool IsOpen() const { return open_; }

 private:
  bool open_ = false;
};
