#include "tests/app/ScreenPixels.h"

// The stream functions of commctrl.h need IStream declared first.
#include <objidl.h>
#include <commctrl.h>

#include <fstream>
#include <iterator>
#include <utility>

namespace {

// A 32-bit top-down DIB section selected into a memory DC.
class TPixelSurface {
 public:
  TPixelSurface(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const DWORD*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~TPixelSurface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  TPixelSurface(const TPixelSurface&) = delete;
  TPixelSurface& operator=(const TPixelSurface&) = delete;

  HDC Dc() const { return dc_; }
  std::vector<COLORREF> Pixels() const {
    GdiFlush();
    std::vector<COLORREF> pixels;
    for (int i = 0; i < width_ * height_; ++i) {
      const DWORD bgra = bits_[i];
      pixels.push_back(RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
    }
    return pixels;
  }

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  const DWORD* bits_ = nullptr;
};

HIMAGELIST ReadImageList(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
  if (bytes.empty()) return nullptr;
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return nullptr;
  ULONG written = 0;
  stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
  const LARGE_INTEGER start{};
  stream->Seek(start, STREAM_SEEK_SET, nullptr);
  const HIMAGELIST list = ImageList_Read(stream);
  stream->Release();
  return list;
}

}  // namespace

std::vector<COLORREF> ScreenBlock(const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  TPixelSurface surface(width, height);
  const HDC screen = GetDC(nullptr);
  BitBlt(surface.Dc(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return surface.Pixels();
}

std::vector<COLORREF> WindowPixels(HWND window) {
  RECT bounds{};
  if (!GetWindowRect(window, &bounds)) return {};
  return ScreenBlock(bounds);
}

std::vector<COLORREF> SettledPixels(HWND window) {
  std::vector<COLORREF> previous = WindowPixels(window);
  int agreeing = 0;
  for (int attempt = 0; attempt < 40; ++attempt) {
    Sleep(50);
    std::vector<COLORREF> current = WindowPixels(window);
    agreeing = current == previous ? agreeing + 1 : 0;
    if (agreeing == 3) return current;
    previous = std::move(current);
  }
  return previous;
}

std::vector<COLORREF> StateImageOn(const std::string& file, int index, COLORREF background,
                                   int size) {
  const HIMAGELIST list = ReadImageList(file);
  if (list == nullptr) return {};
  TPixelSurface surface(size, size);
  const HBRUSH brush = CreateSolidBrush(background);
  const RECT all{0, 0, size, size};
  FillRect(surface.Dc(), &all, brush);
  DeleteObject(brush);
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(list, &width, &height);
  ImageList_DrawEx(list, index, surface.Dc(), (size - width) / 2, (size - height) / 2, 0, 0,
                   CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
  ImageList_Destroy(list);
  return surface.Pixels();
}
