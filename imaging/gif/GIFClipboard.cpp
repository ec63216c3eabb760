// TDvGIFImage on the clipboard: the "GIF Image" data (a 32-bit byte count and the GIF file)
// beside an ordinary bitmap of frame 0.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/platform/GlobalMemory.h"
#include "imaging/gif/DvGIFImage.h"
#include "imaging/gif/GIFBitmapAdapter.h"
#include "imaging/gif/GIFClipboardCalls.h"
#include "imaging/gif/GIFFrameGraphic.h"
#include "imaging/gif/GIFRegistration.h"

namespace {
bool EveryFrameStored(const TGIFImageBase& image) {
  for (int i = 0; i < image.FrameCount(); ++i)
    if (image.Frame(i).Item().encoded.empty()) return false;
  return true;
}

// Puts the bytes on the open clipboard as "GIF Image" data; nothing when no block can be had.
// Fails with EOutOfMemory when the block cannot be locked (it is freed).
void PutGIFData(const std::vector<uint8_t>& bytes) {
  const size_t size = bytes.size();
  GlobalMemory block(GIFClipboardCalls().globalAlloc(GMEM_MOVEABLE, size));
  if (!block) return;
  {
    const GlobalLockGuard lock(block.Get());
    if (lock.Data() == nullptr) throw EOutOfMemory();
    std::memcpy(lock.Data(), bytes.data(), size);
  }
  // The clipboard owns the block once it has taken it.
  if (SetClipboardData(GIFClipboardFormat(), block.Get()) != nullptr) block.Release();
}

std::vector<uint8_t> CopyBlock(HANDLE handle) {
  const GlobalLockGuard lock(handle);
  if (lock.Data() == nullptr) throw EReadError();
  const auto* bytes = static_cast<const uint8_t*>(lock.Data());
  return std::vector<uint8_t>(bytes, bytes + lock.Size());
}
}  // namespace

void TDvGIFImage::SaveToClipboardFormat(TClipboardFormat& format, TClipboardHandle& data,
                                        TPaletteHandle& palette) {
  if (FrameCount() == 0) return;
  FrameBitmap(Frame(0)).SaveToClipboardFormat(format, data, palette);
  if (!EveryFrameStored(*this)) return;
  try {
    TMemoryStream bytes;
    WriteData(bytes);
    PutGIFData(bytes.Bytes());
  } catch (...) {
    // The caller never takes the bitmap over when this fails.
    if (data != nullptr) DeleteObject(static_cast<HGDIOBJ>(data));
    if (palette != nullptr) DeleteObject(static_cast<HGDIOBJ>(palette));
    data = nullptr;
    palette = nullptr;
    throw;
  }
}

void TDvGIFImage::LoadFromClipboardFormat(TClipboardFormat format, TClipboardHandle data,
                                          TPaletteHandle palette) {
  const HANDLE gifData = GetClipboardData(GIFClipboardFormat());
  if (gifData == nullptr) {
    TBitmap bitmap;
    bitmap.LoadFromClipboardFormat(format, data, palette);
    Assign(&bitmap);
    return;
  }
  // The old picture goes first, whatever the data turns out to be.
  TGIFImageBase::Reset();
  const std::vector<uint8_t> block = CopyBlock(gifData);
  TReadOnlyMemoryStream stream(block.data(), static_cast<int64_t>(block.size()));
  const uint32_t count = stream.ReadUInt32LE();
  if (int64_t{count} > stream.Size() - stream.Position()) throw EReadError();
  LoadFromBytes(block.data() + stream.Position(), count, false);
  if (FrameCount() == 0) return;
  SetCurrentIndex(0);
  // Frame 0 shows the clipboard's own bitmap rather than a decoding of the data.
  if (const HANDLE clipboardBitmap = GetClipboardData(CF_BITMAP)) {
    auto picture = std::make_unique<TBitmap>();
    picture->LoadFromClipboardFormat(CF_BITMAP, clipboardBitmap, palette);
    Frame(0).SetBitmap(std::make_unique<TGIFBitmapAdapter>(std::move(picture)));
  }
}
