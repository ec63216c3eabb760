// A bitmap graphic: a device-independent section (bmDIB) or a device-dependent bitmap (bmDDB), with
// its own canvas, palette, transparency, bitmap-file streaming and the CF_BITMAP clipboard form.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/BitmapFile.h"
#include "framework/core/Graphic.h"
#include "framework/win/graphics/BitmapFormats.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/GdiObjects.h"

enum TBitmapHandleType { bmDIB, bmDDB };
enum TTransparentMode { tmAuto, tmFixed };

// "pfDevice", "pf1bit", ... "pfCustom"; "tmAuto", "tmFixed".
const std::vector<std::string>& PixelFormatNames();
const std::vector<std::string>& TransparentModeNames();

// A colour replaced while a resource bitmap loads; to may be a system colour (resolved then).
struct TColorMapEntry {
  TColor from;
  TColor to;
};
// The classic button mapping: black → clBtnText, gray (128, 128, 128) → clBtnShadow,
// silver (192, 192, 192) → clBtnFace, white → clBtnHighlight.
const std::vector<TColorMapEntry>& ButtonColorMap();

class TBitmap;

// The canvas of a bitmap: a memory DC that keeps the bitmap (and its palette) selected while
// drawing; given up whenever the bitmap's handle is used or replaced elsewhere.
class TBitmapCanvas : public TCanvas {
  DV_CLASS(TBitmapCanvas)
 public:
  explicit TBitmapCanvas(TBitmap& bitmap) : bitmap_(bitmap) {}
  ~TBitmapCanvas() override;
  // Puts the bitmap and the canvas's objects back and deletes the DC.
  void FreeContext();
  bool ContextAllocated() const { return memoryDC_ != nullptr; }

 protected:
  void CreateHandle() override;

 private:
  TBitmap& bitmap_;
  std::unique_ptr<MemoryDC> memoryDC_;
  HPALETTE oldPalette_ = nullptr;
};

class TBitmap : public TGraphic {
  DV_CLASS(TBitmap)
 public:
  TBitmap();
  TBitmap(int width, int height, TPixelFormat format = pfDevice);
  ~TBitmap() override;

  // ---- the graphic ----
  // Stretches the bitmap into rect (transparently when Transparent()).
  void Draw(TCanvas& canvas, const TRect& rect) override;
  bool Empty() const override { return width_ == 0 || height_ == 0; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // Resizing keeps the pixels of the common top-left area; new pixels are black.
  void SetWidth(int width) override { SetSize(width, height_); }
  void SetHeight(int height) override { SetSize(width_, height); }
  void SetSize(int width, int height);
  // For palette DIBs a palette made from the colour table; otherwise the palette given or loaded.
  TPaletteHandle Palette() const override;
  // Takes ownership; a palette DIB takes the entries into its colour table.
  void SetPalette(TPaletteHandle palette) override;

  // Bitmap files (.bmp). Loading an exhausted stream gives an empty bitmap; malformed data fails
  // with EInvalidGraphic "Bitmap image is not valid" and leaves the bitmap unchanged. An empty
  // bitmap saves nothing.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  // Stored data: a 32-bit byte count, then the bitmap file.
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;

  // CF_BITMAP only (others fail with EInvalidGraphic "Unsupported clipboard format"). Saving hands
  // out a new device bitmap and palette copy that the clipboard will own.
  void LoadFromClipboardFormat(TClipboardFormat format, TClipboardHandle data,
                               TPaletteHandle palette) override;
  void SaveToClipboardFormat(TClipboardFormat& format, TClipboardHandle& data,
                             TPaletteHandle& palette) override;

  // From a bitmap (a full copy) or any other graphic (drawn at (0, 0) over the canvas's brush
  // colour); nullptr empties the bitmap.
  void Assign(const TPersistent* source) override;

  // ---- the bitmap ----
  // nullptr while empty. The canvas lets go of the bitmap first, so the handle may be selected
  // into another DC or handed to an image list.
  HBITMAP Handle();
  bool HandleAllocated() const { return static_cast<bool>(handle_); }
  // Takes ownership of a device bitmap or DIB section (nullptr empties the bitmap).
  void SetHandle(HBITMAP handle);
  // Gives up the handle to the caller; the bitmap becomes empty.
  HBITMAP ReleaseHandle();
  HPALETTE ReleasePalette();

  // Device bitmaps report pfDevice (pf1bit when monochrome).
  TPixelFormat PixelFormat() const;
  // Converts the pixels (a DDB becomes a DIB); pfCustom is ignored.
  void SetPixelFormat(TPixelFormat format);
  TBitmapHandleType HandleType() const { return handleType_; }
  // Converts between a DIB section and a device bitmap, keeping the pixels.
  void SetHandleType(TBitmapHandleType type);
  // One bit per pixel in black and white.
  bool Monochrome() const;
  void SetMonochrome(bool monochrome);
  int BitsPerPixel() const;

  TBitmapCanvas& Canvas();

  // The bytes of picture row y (0 = top) of the DIB section; a DDB becomes a DIB first. Fails
  // with EInvalidGraphicOperation "Scan line index out of range".
  void* ScanLine(int y);
  // The DIB section's bytes per row.
  int ScanLineSize() const;

  // tmAuto: the bottom-left pixel (clNone while empty); tmFixed: the colour set.
  TColor TransparentColor();
  // Sets the colour and tmFixed (clDefault goes back to tmAuto).
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode);

  // An RT_BITMAP resource, with colours mapped while loading (to: resolved system colours).
  // Fails with EInvalidGraphic "Resource %s not found" or "Bitmap image is not valid".
  void LoadFromResourceName(HINSTANCE instance, const std::string& name,
                            const std::vector<TColorMapEntry>& mapping = {});
  void LoadFromResourceID(HINSTANCE instance, int id,
                          const std::vector<TColorMapEntry>& mapping = {});
  static bool HasBitmapResource(HINSTANCE instance, const std::string& name);
  // A packed or file-form DIB already in memory; same failures as LoadFromStream.
  void LoadFromDib(const TDibImage& image);

  // The picture as a DIB image (device bitmaps are read at their own depth, 24 bits for 15 and
  // 16). Empty while the bitmap is empty.
  TDibImage ToDib();
  // The pixels as 24-bit rows (blue, green, red), bottom-up, each padded to 4 bytes, read with
  // the palette selected and realised. Fails with EInvalidGraphic "Bitmap image is not valid"
  // without a handle.
  std::vector<uint8_t> ReadRows24();

 private:
  friend class TBitmapCanvas;

  // A new image of this bitmap's kind: a DIB section of layout_ or a device bitmap.
  struct TImage {
    GdiObject<HBITMAP> handle;
    void* bits = nullptr;
  };
  TImage NewImage(TBitmapHandleType type, const TDibImage& layout, bool monochrome, int width,
                  int height) const;
  void FreeContext();
  // Installs a new image; the canvas lets go of the old one first. The palette is the caller's.
  void ReplaceImage(TImage image, int width, int height, TBitmapHandleType type,
                    const TDibImage& layout, bool monochrome);
  // Re-creates the pixels in another kind or format (BitBlt does the conversion).
  void ConvertTo(TBitmapHandleType type, const TDibImage& layout, bool monochrome);
  void CopyPixels(HBITMAP from, HBITMAP to, int width, int height) const;
  // GetDIBits of every row into bits, in the format that info (a BITMAPINFO with its colour
  // table) asks for, with the palette selected and realised; fails when a row is not read.
  void ReadAllRows(void* bits, std::vector<uint8_t>& info) const;
  void ClearImage();

  GdiObject<HBITMAP> handle_;
  mutable GdiObject<HPALETTE> palette_;
  void* bits_ = nullptr;  // the DIB section's pixels
  int width_ = 0;
  int height_ = 0;
  TBitmapHandleType handleType_ = bmDDB;
  // The DIB section's format (bits empty); for a DDB, the format it had when it was a DIB.
  TDibImage layout_;
  bool monochrome_ = false;
  // What SetSize creates while empty.
  TPixelFormat wantedFormat_ = pfDevice;
  TColor transparentColor_ = clDefault;
  TTransparentMode transparentMode_ = tmAuto;
  std::unique_ptr<TBitmapCanvas> canvas_;
};

// A bitmap held by a published property (a glyph): form data stores its picture as the binary
// value "Data" (a 32-bit byte count, then the bitmap file), and only while it is not empty.
class TStoredBitmap : public TBitmap {
 public:
  using TBitmap::TBitmap;
  void DefineProperties(TFiler& filer) override;
};
