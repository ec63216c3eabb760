// TBitmap's bitmap-file streaming, resources and the CF_BITMAP clipboard form.
#include <cstring>

#include "framework/core/Filer.h"
#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Bitmap.h"

namespace {
[[noreturn]] void ThrowNotValid() {
  throw EInvalidGraphic("Bitmap image is not valid");
}
}  // namespace

void TBitmap::LoadFromDib(const TDibImage& dib) {
  TImage image = NewImage(bmDIB, dib, false, dib.width, dib.height);
  const size_t bytes = dib.Stride() * static_cast<size_t>(dib.height);
  if (dib.bits.size() < bytes) ThrowNotValid();
  std::memcpy(image.bits, dib.bits.data(), bytes);
  TDibImage layout = dib;
  layout.bits.clear();
  // Indexes beyond a short colour table are black in the section; keep the table full.
  if (layout.bitCount <= 8) layout.palette.resize(size_t{1} << layout.bitCount);
  ReplaceImage(std::move(image), dib.width, dib.height, bmDIB, layout, false);
  palette_.Reset();
  if (dib.bitCount <= 8) SetPaletteModified(true);
  Changed();
}

void TBitmap::LoadFromStream(TStream& stream) {
  if (stream.Position() >= stream.Size()) {
    Assign(nullptr);
    return;
  }
  LoadFromDib(ReadDibFile(stream));
}

TDibImage TBitmap::ToDib() {
  TDibImage dib;
  if (Empty()) return dib;
  FreeContext();
  if (handleType_ == bmDIB) {
    GdiFlush();
    dib = layout_;
    dib.width = width_;
    dib.height = height_;
    const auto* bits = static_cast<const uint8_t*>(bits_);
    dib.bits.assign(bits, bits + dib.Stride() * static_cast<size_t>(height_));
    return dib;
  }
  // A device bitmap is read at its own depth (15 and 16 bits widen to 24).
  int depth = BitsPerPixel();
  if (depth == 15 || depth == 16) depth = 24;
  if (depth != 1 && depth != 4 && depth != 8 && depth != 24) depth = 32;
  dib = LayoutForDepth(depth);
  dib.width = width_;
  dib.height = height_;
  dib.bits.resize(dib.Stride() * static_cast<size_t>(height_));
  std::vector<uint8_t> info = MakeBitmapInfo(dib, width_, height_);
  ReadAllRows(dib.bits.data(), info);
  if (depth <= 8) {
    const auto* table = reinterpret_cast<const TDibColor*>(info.data() + sizeof(BITMAPINFOHEADER));
    dib.palette.assign(table, table + (size_t{1} << depth));
    for (TDibColor& c : dib.palette)
      c.reserved = 0;
  }
  return dib;
}

std::vector<uint8_t> TBitmap::ReadRows24() {
  if (!handle_) ThrowNotValid();
  FreeContext();
  TDibImage layout = LayoutForDepth(24);
  std::vector<uint8_t> rows(TDibImage::DibStride(width_, 24) * static_cast<size_t>(height_));
  std::vector<uint8_t> info = MakeBitmapInfo(layout, width_, height_);
  ReadAllRows(rows.data(), info);
  return rows;
}

void TBitmap::ReadAllRows(void* bits, std::vector<uint8_t>& info) const {
  WindowDC screen(nullptr);
  auto palette = static_cast<HPALETTE>(Palette());
  HPALETTE oldPalette = nullptr;
  if (palette != nullptr) {
    oldPalette = SelectPalette(screen.Get(), palette, FALSE);
    RealizePalette(screen.Get());
  }
  const int read = GetDIBits(screen.Get(), handle_.Get(), 0, static_cast<UINT>(height_), bits,
                             reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
  if (palette != nullptr) SelectPalette(screen.Get(), oldPalette, FALSE);
  if (read != height_) ThrowNotValid();
}

void TBitmap::SaveToStream(TStream& stream) {
  if (Empty()) return;
  WriteDibFile(ToDib(), stream);
}

void TBitmap::ReadData(TStream& stream) {
  const uint32_t size = stream.ReadUInt32LE();
  if (static_cast<int64_t>(size) > stream.Size() - stream.Position()) ThrowNotValid();
  std::vector<uint8_t> bytes(size);
  stream.ReadBuffer(bytes.data(), size);
  TReadOnlyMemoryStream file(bytes.data(), size);
  LoadFromStream(file);
}

void TBitmap::WriteData(TStream& stream) {
  TMemoryStream file;
  SaveToStream(file);
  stream.WriteUInt32LE(static_cast<uint32_t>(file.Size()));
  stream.WriteBuffer(file.Memory(), file.Size());
}

// ---- resources ----

bool TBitmap::HasBitmapResource(HINSTANCE instance, const std::string& name) {
  return FindResourceA(instance, name.c_str(), MAKEINTRESOURCEA(2)) != nullptr;
}

namespace {
void LoadResourceDib(TBitmap& bitmap, HINSTANCE instance, const char* name,
                     const std::string& shownName, const std::vector<TColorMapEntry>& mapping) {
  HRSRC resource = FindResourceA(instance, name, MAKEINTRESOURCEA(2));
  HGLOBAL loaded = resource != nullptr ? LoadResource(instance, resource) : nullptr;
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) throw EInvalidGraphic(Format("Resource %s not found", shownName.c_str()));
  TDibImage dib =
      ReadPackedDib(static_cast<const uint8_t*>(data), SizeofResource(instance, resource));
  std::vector<TDibColorMapping> colors;
  for (const TColorMapEntry& entry : mapping)
    colors.push_back(TDibColorMapping{static_cast<uint32_t>(ColorToRGB(entry.from)),
                                      static_cast<uint32_t>(ColorToRGB(entry.to))});
  MapDibColors(dib, colors);
  bitmap.LoadFromDib(dib);
}
}  // namespace

void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name,
                                   const std::vector<TColorMapEntry>& mapping) {
  LoadResourceDib(*this, instance, name.c_str(), name, mapping);
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, int id,
                                 const std::vector<TColorMapEntry>& mapping) {
  LoadResourceDib(*this, instance, MAKEINTRESOURCEA(id), std::to_string(id), mapping);
}

// ---- clipboard ----

void TBitmap::LoadFromClipboardFormat(TClipboardFormat format, TClipboardHandle data,
                                      TPaletteHandle palette) {
  if (format != CF_BITMAP || data == nullptr) throw EInvalidGraphic("Unsupported clipboard format");
  auto source = static_cast<HBITMAP>(data);
  BITMAP info{};
  if (GetObjectA(source, sizeof info, &info) == 0) ThrowNotValid();
  const bool mono = info.bmBitsPixel == 1 && info.bmPlanes == 1;
  TImage image = NewImage(bmDDB, LayoutForDepth(1), mono, info.bmWidth, info.bmHeight);
  CopyPixels(source, image.handle.Get(), info.bmWidth, info.bmHeight);
  ReplaceImage(std::move(image), info.bmWidth, info.bmHeight, bmDDB, LayoutForDepth(1), mono);
  palette_.Reset(CopyPalette(static_cast<HPALETTE>(palette)));
  SetPaletteModified(palette_.Get() != nullptr);
  Changed();
}

void TBitmap::SaveToClipboardFormat(TClipboardFormat& format, TClipboardHandle& data,
                                    TPaletteHandle& palette) {
  format = CF_BITMAP;
  data = nullptr;
  palette = nullptr;
  if (Empty()) return;
  FreeContext();
  TImage image = NewImage(bmDDB, LayoutForDepth(1), Monochrome(), width_, height_);
  CopyPixels(handle_.Get(), image.handle.Get(), width_, height_);
  palette = CopyPalette(static_cast<HPALETTE>(Palette()));
  data = image.handle.Release();
}

void TStoredBitmap::DefineProperties(TFiler& filer) {
  TBitmap::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "Data", [this](TStream& stream) { ReadData(stream); },
      [this](TStream& stream) { WriteData(stream); }, !Empty());
}
