#include "framework/win/graphics/Icon.h"

#include <cstring>

#include "framework/core/PictureFormats.h"
#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"
#include "framework/win/graphics/Canvas.h"

namespace {

[[noreturn]] void ThrowNotValid() {
  throw EInvalidGraphic("Icon image is not valid");
}

// The framework's standard graphic kinds are known to every picture.
const bool kIconFormatRegistered = [] {
  FileFormats().Add("ico", "Icons", 0, TIcon::StaticClassInfo(), GraphicFactory<TIcon>());
  return true;
}();

// One of an icon's bitmaps as bottom-up DIB rows at the given depth.
std::vector<uint8_t> BitmapRows(HDC dc, HBITMAP bitmap, int width, int height, int bits,
                                std::vector<RGBQUAD>* table) {
  std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
  header->biSize = sizeof(BITMAPINFOHEADER);
  header->biWidth = width;
  header->biHeight = height;
  header->biPlanes = 1;
  header->biBitCount = static_cast<WORD>(bits);
  header->biCompression = BI_RGB;
  const size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
  std::vector<uint8_t> rows(stride * static_cast<size_t>(height));
  if (GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), rows.data(),
                reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS) != height)
    ThrowNotValid();
  if (table != nullptr) {
    const auto* entries = reinterpret_cast<const RGBQUAD*>(info.data() + sizeof(BITMAPINFOHEADER));
    table->assign(entries, entries + (size_t{1} << bits));
  }
  return rows;
}

}  // namespace

TSize IconSize(HICON icon) {
  if (icon == nullptr) return TSize{};
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return TSize{};
  GdiObject<HBITMAP> colour(info.hbmColor);
  GdiObject<HBITMAP> mask(info.hbmMask);
  BITMAP bitmap{};
  if (colour) {
    GetObjectA(colour.Get(), sizeof bitmap, &bitmap);
    return TSize{bitmap.bmWidth, bitmap.bmHeight};
  }
  GetObjectA(mask.Get(), sizeof bitmap, &bitmap);
  return TSize{bitmap.bmWidth, bitmap.bmHeight / 2};
}

TIconFile IconFileFromHandle(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) ThrowNotValid();
  GdiObject<HBITMAP> colour(info.hbmColor);
  GdiObject<HBITMAP> mask(info.hbmMask);
  const TSize size = IconSize(icon);
  if (size.cx < 1 || size.cy < 1 || size.cx > 256 || size.cy > 256) ThrowNotValid();
  WindowDC screen(nullptr);
  std::vector<uint8_t> maskRows =
      BitmapRows(screen.Get(), mask.Get(), size.cx, colour ? size.cy : size.cy * 2, 1, nullptr);
  std::vector<uint8_t> colourRows;
  const size_t maskStride = ((static_cast<size_t>(size.cx) + 31) / 32) * 4;
  if (colour) {
    colourRows = BitmapRows(screen.Get(), colour.Get(), size.cx, size.cy, 32, nullptr);
  } else {
    // A monochrome icon holds its AND mask above its XOR image: XOR rows are the lower half
    // of a bottom-up DIB, AND rows the upper half. Expand the XOR bits to 32-bit pixels.
    std::vector<uint8_t> xorBits(maskRows.begin(),
                                 maskRows.begin() + static_cast<ptrdiff_t>(maskStride) * size.cy);
    maskRows.erase(maskRows.begin(),
                   maskRows.begin() + static_cast<ptrdiff_t>(maskStride) * size.cy);
    colourRows.resize(static_cast<size_t>(size.cx) * 4 * static_cast<size_t>(size.cy));
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x) {
        const bool on = (xorBits[static_cast<size_t>(y) * maskStride + x / 8] >> (7 - x % 8)) & 1;
        std::memset(&colourRows[(static_cast<size_t>(y) * size.cx + x) * 4], on ? 0xFF : 0, 3);
      }
  }
  std::vector<uint8_t> image(40);
  const auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&image[at], &v, 4); };
  put32(0, 40);
  put32(4, static_cast<uint32_t>(size.cx));
  put32(8, static_cast<uint32_t>(size.cy * 2));
  image[12] = 1;
  image[14] = 32;
  put32(20, static_cast<uint32_t>(colourRows.size() + maskRows.size()));
  image.insert(image.end(), colourRows.begin(), colourRows.end());
  image.insert(image.end(), maskRows.begin(), maskRows.end());

  TIconFile file;
  TIconImage entry;
  entry.width = static_cast<uint8_t>(size.cx == 256 ? 0 : size.cx);
  entry.height = static_cast<uint8_t>(size.cy == 256 ? 0 : size.cy);
  entry.planes = 1;
  entry.bitCount = 32;
  entry.data = std::move(image);
  file.images.push_back(std::move(entry));
  return file;
}

const TClassInfo& TIcon::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TIcon, TGraphic>("TIcon");
  return info;
}

TIcon::TIcon() = default;

TIcon::~TIcon() = default;

void TIcon::Install(IconHandle icon, std::vector<uint8_t> file) {
  const TSize size = IconSize(icon.Get());
  handle_ = std::move(icon);
  file_ = std::move(file);
  width_ = size.cx;
  height_ = size.cy;
  Changed();
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
  if (!handle_) return;
  DrawIconEx(canvas.Handle(), rect.Left, rect.Top, handle_.Get(), rect.Width(), rect.Height(), 0,
             nullptr, DI_NORMAL);
}

void TIcon::SetWidth(int) {
  throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetHeight(int) {
  throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::LoadFromStream(TStream& stream) {
  const int64_t remaining = stream.Size() - stream.Position();
  if (remaining <= 0 || remaining > kMaxIconFileBytes) ThrowNotValid();
  std::vector<uint8_t> bytes(static_cast<size_t>(remaining));
  stream.ReadBuffer(bytes.data(), remaining);
  const TIconFile file = ParseIconFile(bytes.data(), bytes.size());
  const int chosen = ChooseIconImage(file, GetSystemMetrics(SM_CXICON));
  TIconImage image = file.images.at(static_cast<size_t>(chosen));
  IconHandle icon(CreateIconFromResourceEx(
      image.data.data(), static_cast<DWORD>(image.data.size()), file.type == kIconFileType,
      0x00030000, image.PixelWidth(), image.PixelHeight(), LR_DEFAULTCOLOR));
  if (!icon) ThrowNotValid();
  Install(std::move(icon), std::move(bytes));
}

void TIcon::SaveToStream(TStream& stream) {
  if (!handle_) return;
  if (!file_.empty()) {
    stream.WriteBuffer(file_.data(), static_cast<int64_t>(file_.size()));
    return;
  }
  WriteIconFile(IconFileFromHandle(handle_.Get()), stream);
}

void TIcon::Assign(const TPersistent* source) {
  if (source == this) return;
  if (source == nullptr) {
    Install(IconHandle(), {});
    return;
  }
  if (const auto* icon = dynamic_cast<const TIcon*>(source)) {
    IconHandle copy(icon->handle_ ? CopyIcon(icon->handle_.Get()) : nullptr);
    if (icon->handle_ && !copy) throw EOutOfMemory();
    Install(std::move(copy), icon->file_);
    return;
  }
  TGraphic::Assign(source);
}

void TIcon::SetHandle(HICON icon) {
  if (icon == handle_.Get()) return;
  Install(IconHandle(icon), {});
}

HICON TIcon::ReleaseHandle() {
  HICON icon = handle_.Release();
  file_.clear();
  width_ = 0;
  height_ = 0;
  Changed();
  return icon;
}

namespace {
HICON LoadIconResource(HINSTANCE instance, const char* name, const std::string& shownName) {
  // Without LR_SHARED the icon is the caller's to destroy.
  auto icon = static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  if (icon == nullptr) throw EInvalidGraphic(Format("Resource %s not found", shownName.c_str()));
  return icon;
}
}  // namespace

void TIcon::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
  Install(IconHandle(LoadIconResource(instance, name.c_str(), name)), {});
}

void TIcon::LoadFromResourceID(HINSTANCE instance, int id) {
  Install(IconHandle(LoadIconResource(instance, MAKEINTRESOURCEA(id), std::to_string(id))), {});
}
