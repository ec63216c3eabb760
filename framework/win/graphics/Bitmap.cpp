#include "framework/win/graphics/Bitmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "framework/core/PictureFormats.h"
#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"
#include "framework/win/graphics/KeyedBlt.h"

namespace {
// The framework's standard graphic kinds are known to every picture.
const bool kBitmapFormatsRegistered = [] {
  FileFormats().Add("bmp", "Bitmaps", 0, TBitmap::StaticClassInfo(), GraphicFactory<TBitmap>());
  ClipboardFormats().Add(CF_BITMAP, TBitmap::StaticClassInfo(), GraphicFactory<TBitmap>());
  return true;
}();
}  // namespace

const std::vector<std::string>& PixelFormatNames() {
  static const std::vector<std::string> names = {"pfDevice", "pf1bit",  "pf4bit",
                                                 "pf8bit",   "pf15bit", "pf16bit",
                                                 "pf24bit",  "pf32bit", "pfCustom"};
  return names;
}

const std::vector<std::string>& TransparentModeNames() {
  static const std::vector<std::string> names = {"tmAuto", "tmFixed"};
  return names;
}

const std::vector<TColorMapEntry>& ButtonColorMap() {
  static const std::vector<TColorMapEntry> map = {{clBlack, clBtnText},
                                                  {clGray, clBtnShadow},
                                                  {clSilver, clBtnFace},
                                                  {clWhite, clBtnHighlight}};
  return map;
}

// ---- TBitmapCanvas ----

const TClassInfo& TBitmapCanvas::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TBitmapCanvas, TCanvas>("TBitmapCanvas");
  return info;
}

TBitmapCanvas::~TBitmapCanvas() {
  FreeContext();
}

void TBitmapCanvas::CreateHandle() {
  auto dc = std::make_unique<MemoryDC>(nullptr);
  if (dc->Get() == nullptr) throw EOutOfMemory();
  if (HBITMAP bitmap = bitmap_.handle_.Get()) dc->SelectBitmap(bitmap);
  if (auto palette = static_cast<HPALETTE>(bitmap_.Palette())) {
    oldPalette_ = SelectPalette(dc->Get(), palette, TRUE);
    RealizePalette(dc->Get());
  }
  memoryDC_ = std::move(dc);
  SetHandle(memoryDC_->Get());
}

void TBitmapCanvas::FreeContext() {
  if (memoryDC_ == nullptr) return;
  SetHandle(nullptr);
  if (oldPalette_ != nullptr) SelectPalette(memoryDC_->Get(), oldPalette_, TRUE);
  oldPalette_ = nullptr;
  memoryDC_.reset();
}

// ---- TBitmap: construction, kinds and formats ----

const TClassInfo& TBitmap::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TBitmap, TGraphic>("TBitmap");
  return info;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) {
  SetPixelFormat(format);
  SetSize(width, height);
}

TBitmap::~TBitmap() {
  // The canvas puts the bitmap back before handle_ and palette_ go.
  canvas_.reset();
}

void TBitmap::FreeContext() {
  if (canvas_ != nullptr) canvas_->FreeContext();
}

TBitmap::TImage TBitmap::NewImage(TBitmapHandleType type, const TDibImage& layout, bool monochrome,
                                  int width, int height) const {
  TImage image;
  if (type == bmDIB) {
    const std::vector<uint8_t> info = MakeBitmapInfo(layout, width, height);
    image.handle.Reset(CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(info.data()),
                                        DIB_RGB_COLORS, &image.bits, nullptr, 0));
  } else if (monochrome) {
    image.handle.Reset(CreateBitmap(width, height, 1, 1, nullptr));
  } else {
    WindowDC screen(nullptr);
    image.handle.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
  }
  if (!image.handle) throw EOutOfMemory();
  if (type == bmDDB) {
    // Device bitmaps start undefined; DIB sections start zeroed (black).
    MemoryDC dc(nullptr);
    dc.SelectBitmap(image.handle.Get());
    PatBlt(dc.Get(), 0, 0, width, height, BLACKNESS);
  }
  return image;
}

void TBitmap::ReplaceImage(TImage image, int width, int height, TBitmapHandleType type,
                           const TDibImage& layout, bool monochrome) {
  FreeContext();
  handle_ = std::move(image.handle);
  bits_ = image.bits;
  width_ = width;
  height_ = height;
  handleType_ = type;
  // layout may be layout_ itself: copy before clearing.
  TDibImage format;
  format.bitCount = layout.bitCount;
  format.compression = layout.compression;
  format.redMask = layout.redMask;
  format.greenMask = layout.greenMask;
  format.blueMask = layout.blueMask;
  format.palette = layout.palette;
  layout_ = std::move(format);
  monochrome_ = monochrome;
}

void TBitmap::CopyPixels(HBITMAP from, HBITMAP to, int width, int height) const {
  MemoryDC source(nullptr);
  MemoryDC dest(nullptr);
  source.SelectBitmap(from);
  dest.SelectBitmap(to);
  // Monochrome sources: 0 is black, 1 white; monochrome targets: white becomes 1.
  SetTextColor(dest.Get(), RGB(0, 0, 0));
  SetBkColor(dest.Get(), RGB(255, 255, 255));
  SetBkColor(source.Get(), RGB(255, 255, 255));
  BitBlt(dest.Get(), 0, 0, width, height, source.Get(), 0, 0, SRCCOPY);
}

void TBitmap::ConvertTo(TBitmapHandleType type, const TDibImage& layout, bool monochrome) {
  FreeContext();
  // A device bitmap keeps the palette of the palette DIB it came from.
  if (type == bmDDB) Palette();
  TImage image = NewImage(type, layout, monochrome, width_, height_);
  CopyPixels(handle_.Get(), image.handle.Get(), width_, height_);
  ReplaceImage(std::move(image), width_, height_, type, layout, monochrome);
  if (type == bmDIB) palette_.Reset();
  Changed();
}

void TBitmap::ClearImage() {
  FreeContext();
  wantedFormat_ = PixelFormat();
  handle_.Reset();
  palette_.Reset();
  bits_ = nullptr;
  width_ = 0;
  height_ = 0;
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  if (width == 0 || height == 0) {
    ClearImage();
    Changed();
    return;
  }
  if (Empty()) {
    const bool mono = handleType_ == bmDDB && wantedFormat_ == pf1bit;
    const TDibImage layout = LayoutForFormat(wantedFormat_);
    ReplaceImage(NewImage(handleType_, layout, mono, width, height), width, height, handleType_,
                 layout, mono);
  } else {
    FreeContext();
    TImage image = NewImage(handleType_, layout_, monochrome_, width, height);
    CopyPixels(handle_.Get(), image.handle.Get(), std::min(width, width_),
               std::min(height, height_));
    ReplaceImage(std::move(image), width, height, handleType_, layout_, monochrome_);
  }
  Changed();
}

TPixelFormat TBitmap::PixelFormat() const {
  if (Empty() && !handle_) return wantedFormat_;
  if (handleType_ == bmDDB) return monochrome_ ? pf1bit : pfDevice;
  switch (layout_.bitCount) {
    case 1:
      return pf1bit;
    case 4:
      return pf4bit;
    case 8:
      return pf8bit;
    case 16:
      return layout_.compression == kDibBitfields ? pf16bit : pf15bit;
    case 24:
      return pf24bit;
    case 32:
      return pf32bit;
    default:
      return pfCustom;
  }
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == pfCustom || format == PixelFormat()) return;
  if (Empty()) {
    wantedFormat_ = format;
    handleType_ = format == pfDevice ? bmDDB : bmDIB;
    return;
  }
  if (format == pfDevice)
    ConvertTo(bmDDB, layout_, false);
  else
    ConvertTo(bmDIB, LayoutForFormat(format), false);
}

void TBitmap::SetHandleType(TBitmapHandleType type) {
  if (type == handleType_) return;
  if (Empty()) {
    // pfDevice as a DIB: the screen's format when the size is set.
    handleType_ = type;
    return;
  }
  if (type == bmDDB) {
    ConvertTo(bmDDB, layout_, Monochrome());
    return;
  }
  const TDibImage layout = monochrome_ ? LayoutForDepth(1) : LayoutForFormat(pfDevice);
  ConvertTo(bmDIB, layout, false);
}

bool TBitmap::Monochrome() const {
  if (handleType_ == bmDDB) return Empty() && !handle_ ? wantedFormat_ == pf1bit : monochrome_;
  return layout_.bitCount == 1 && layout_.palette.size() == 2 &&
         layout_.palette[0] == TDibColor{0, 0, 0, 0} &&
         layout_.palette[1] == TDibColor{255, 255, 255, 0};
}

void TBitmap::SetMonochrome(bool monochrome) {
  if (monochrome == Monochrome()) return;
  if (Empty()) {
    wantedFormat_ = monochrome ? pf1bit : pfDevice;
    handleType_ = bmDDB;
    return;
  }
  if (monochrome)
    ConvertTo(bmDDB, LayoutForDepth(1), true);
  else if (handleType_ == bmDDB)
    ConvertTo(bmDDB, layout_, false);
  else
    ConvertTo(bmDIB, LayoutForFormat(pfDevice), false);
}

int TBitmap::BitsPerPixel() const {
  if (handleType_ == bmDIB)
    return Empty() ? LayoutForFormat(wantedFormat_).bitCount : layout_.bitCount;
  if (monochrome_) return 1;
  BITMAP info{};
  if (handle_ && GetObjectA(handle_.Get(), sizeof info, &info) != 0)
    return info.bmBitsPixel * info.bmPlanes;
  return ScreenBitsPerPixel();
}

// ---- handles and palette ----

HBITMAP TBitmap::Handle() {
  // The caller may select the handle elsewhere or pass it on (image lists refuse selected bitmaps).
  FreeContext();
  return handle_.Get();
}

HBITMAP TBitmap::ReleaseHandle() {
  FreeContext();
  HBITMAP handle = handle_.Release();
  bits_ = nullptr;
  width_ = 0;
  height_ = 0;
  Changed();
  return handle;
}

HPALETTE TBitmap::ReleasePalette() {
  FreeContext();
  Palette();
  return palette_.Release();
}

void TBitmap::SetHandle(HBITMAP handle) {
  if (handle == handle_.Get()) return;
  if (handle == nullptr) {
    ClearImage();
    Changed();
    return;
  }
  FreeContext();
  DIBSECTION section{};
  const int size = GetObjectA(handle, sizeof section, &section);
  GdiObject<HBITMAP> adopted(handle);
  const int width = section.dsBm.bmWidth;
  const int height = std::abs(section.dsBm.bmHeight);
  if (size == static_cast<int>(sizeof(DIBSECTION))) {
    // Any DIB section is re-created bottom-up in one of the formats this class keeps.
    const int bitCount = section.dsBmih.biBitCount;
    TDibImage layout =
        LayoutForDepth(bitCount == 16 && section.dsBmih.biCompression == BI_RGB ? 15 : bitCount);
    if (bitCount <= 8) {
      MemoryDC dc(nullptr);
      dc.SelectBitmap(handle);
      RGBQUAD table[256];
      const UINT count = GetDIBColorTable(dc.Get(), 0, 256, table);
      layout.palette.assign(reinterpret_cast<TDibColor*>(table),
                            reinterpret_cast<TDibColor*>(table) + count);
    }
    TImage image = NewImage(bmDIB, layout, false, width, height);
    CopyPixels(handle, image.handle.Get(), width, height);
    ReplaceImage(std::move(image), width, height, bmDIB, layout, false);
  } else {
    const bool mono = section.dsBm.bmBitsPixel == 1 && section.dsBm.bmPlanes == 1;
    ReplaceImage(TImage{std::move(adopted), nullptr}, width, height, bmDDB, LayoutForDepth(1),
                 mono);
  }
  palette_.Reset();
  Changed();
}

TPaletteHandle TBitmap::Palette() const {
  if (!palette_ && handleType_ == bmDIB && layout_.bitCount <= 8 && !layout_.palette.empty() &&
      handle_)
    palette_.Reset(CreatePaletteFor(layout_.palette));
  return palette_.Get();
}

void TBitmap::SetPalette(TPaletteHandle palette) {
  auto handle = static_cast<HPALETTE>(palette);
  if (handle == palette_.Get()) return;
  FreeContext();
  palette_.Reset(handle);
  if (handleType_ == bmDIB && layout_.bitCount <= 8 && handle_ && handle != nullptr) {
    std::vector<TDibColor> colors = PaletteColors(handle, size_t{1} << layout_.bitCount);
    if (!colors.empty()) {
      MemoryDC dc(nullptr);
      dc.SelectBitmap(handle_.Get());
      SetDIBColorTable(dc.Get(), 0, static_cast<UINT>(colors.size()),
                       reinterpret_cast<const RGBQUAD*>(colors.data()));
      layout_.palette = std::move(colors);
    }
  }
  SetPaletteModified(true);
  Changed();
}

// ---- canvas, scan lines, transparency ----

TBitmapCanvas& TBitmap::Canvas() {
  if (canvas_ == nullptr) {
    canvas_ = std::make_unique<TBitmapCanvas>(*this);
    canvas_->OnChange = [this](TObject*) { Changed(); };
  }
  return *canvas_;
}

int TBitmap::ScanLineSize() const {
  return static_cast<int>(TDibImage::DibStride(width_, layout_.bitCount));
}

void* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= height_) throw EInvalidGraphicOperation("Scan line index out of range");
  if (handleType_ != bmDIB) SetHandleType(bmDIB);
  GdiFlush();
  return static_cast<uint8_t*>(bits_) + static_cast<size_t>(height_ - 1 - y) * ScanLineSize();
}

TColor TBitmap::TransparentColor() {
  if (transparentMode_ == tmFixed) return transparentColor_;
  if (Empty()) return clNone;
  return Canvas().Pixel(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
  const TTransparentMode mode = color == clDefault ? tmAuto : tmFixed;
  if (color == transparentColor_ && mode == transparentMode_) return;
  transparentColor_ = color;
  transparentMode_ = mode;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == transparentMode_) return;
  if (mode == tmAuto) {
    transparentColor_ = clDefault;
  } else if (transparentColor_ == clDefault) {
    transparentColor_ = TransparentColor();
  }
  transparentMode_ = mode;
  Changed();
}

// ---- drawing ----

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
  if (Empty()) return;
  HDC dest = canvas.Handle();
  const bool transparent = Transparent();
  const TColor key = transparent ? TransparentColor() : clNone;
  HDC source = Canvas().Handle();
  auto palette = static_cast<HPALETTE>(Palette());
  HPALETTE oldPalette = nullptr;
  if (palette != nullptr) {
    oldPalette = SelectPalette(dest, palette, TRUE);
    RealizePalette(dest);
  }
  const TRect all{0, 0, width_, height_};
  if (transparent && key != clNone) {
    KeyedStretchBlt(dest, rect, source, all, static_cast<COLORREF>(ColorToRGB(key) & 0xFFFFFF),
                    nullptr, palette);
  } else {
    const bool mono = Monochrome();
    const int oldMode = SetStretchBltMode(dest, mono ? BLACKONWHITE : COLORONCOLOR);
    const COLORREF oldText = SetTextColor(dest, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(dest, RGB(255, 255, 255));
    StretchBlt(dest, rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0, width_,
               height_, canvas.CopyMode());
    SetBkColor(dest, oldBack);
    SetTextColor(dest, oldText);
    SetStretchBltMode(dest, oldMode);
  }
  if (palette != nullptr) SelectPalette(dest, oldPalette, TRUE);
}

// ---- assignment ----

void TBitmap::Assign(const TPersistent* source) {
  if (source == this) return;
  if (source == nullptr) {
    if (Empty() && !handle_) return;
    ClearImage();
    Changed();
    return;
  }
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    auto& from = const_cast<TBitmap&>(*bitmap);
    from.FreeContext();
    FreeContext();
    transparentColor_ = from.transparentColor_;
    transparentMode_ = from.transparentMode_;
    if (from.Empty()) {
      ClearImage();
      wantedFormat_ = from.wantedFormat_;
      handleType_ = from.handleType_;
    } else {
      TImage image =
          NewImage(from.handleType_, from.layout_, from.monochrome_, from.width_, from.height_);
      if (from.handleType_ == bmDIB) {
        GdiFlush();
        std::memcpy(image.bits, from.bits_,
                    static_cast<size_t>(from.ScanLineSize()) * static_cast<size_t>(from.height_));
      } else {
        CopyPixels(from.handle_.Get(), image.handle.Get(), from.width_, from.height_);
      }
      ReplaceImage(std::move(image), from.width_, from.height_, from.handleType_, from.layout_,
                   from.monochrome_);
      palette_.Reset(from.handleType_ == bmDDB ? CopyPalette(from.palette_.Get()) : nullptr);
    }
    TGraphic::SetTransparent(from.Transparent());
    Changed();
    return;
  }
  if (auto* graphic = dynamic_cast<TGraphic*>(const_cast<TPersistent*>(source))) {
    SetSize(graphic->Width(), graphic->Height());
    if (!Empty()) {
      TCanvas& canvas = Canvas();
      canvas.FillRect(TRect{0, 0, width_, height_});
      canvas.Draw(0, 0, *graphic);
    }
    Changed();
    return;
  }
  TGraphic::Assign(source);
}
