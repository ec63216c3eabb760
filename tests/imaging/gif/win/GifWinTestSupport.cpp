#include "tests/imaging/gif/win/GifWinTestSupport.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "imaging/gif/GIFImageBase.h"
#include "imaging/gif/GIFMemoryBitmap.h"

TColor ColorOf(const TGIFRgb& rgb) {
  return RGBColor(rgb.red, rgb.green, rgb.blue);
}

std::vector<uint8_t> BuildGifFile(const std::vector<GifFrameSpec>& frames) {
  TGIFImageBase image;
  for (const GifFrameSpec& spec : frames) {
    const auto picture =
        TGIFMemoryBitmap::FromIndices(spec.width, spec.height, 8, spec.palette, spec.indices);
    const TColor key =
        spec.transparentIndex >= 0 ? ColorOf(spec.palette.at(spec.transparentIndex)) : clNone;
    image.AddFrame(*picture, key);
  }
  return image.BuildFile();
}

GifFrameSpec FourColourFrame() {
  GifFrameSpec frame;
  frame.width = 4;
  frame.height = 2;
  frame.palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  frame.indices = {0, 1, 2, 3, 3, 2, 1, 0};
  frame.transparentIndex = 3;
  return frame;
}

bool MarkTransparentIndex(std::vector<uint8_t>& file, uint8_t index) {
  for (size_t i = 0; i + 7 < file.size(); ++i) {
    if (file[i] == 0x21 && file[i + 1] == 0xF9 && file[i + 2] == 4) {
      file[i + 3] |= 1;
      file[i + 6] = index;
      return true;
    }
  }
  return false;
}

std::vector<uint8_t> StoredGifFile(const std::vector<uint8_t>& stored) {
  const size_t start = 1 + size_t{stored.at(0)} + 4;
  return std::vector<uint8_t>(stored.begin() + static_cast<std::ptrdiff_t>(start), stored.end());
}

std::vector<uint8_t> StoredGifPicture(const std::vector<uint8_t>& file) {
  const std::string name = "TDvGIFImage";
  std::vector<uint8_t> bytes;
  bytes.reserve(1 + name.size() + 4 + file.size());
  bytes.push_back(static_cast<uint8_t>(name.size()));
  bytes.insert(bytes.end(), name.begin(), name.end());
  const auto size = static_cast<uint32_t>(file.size());
  for (int shift = 0; shift < 32; shift += 8)
    bytes.push_back(static_cast<uint8_t>(size >> shift));
  bytes.insert(bytes.end(), file.begin(), file.end());
  return bytes;
}

std::vector<uint8_t> BannerPictureData() {
  std::ifstream file(DV_BANNER_PICDATA, std::ios::binary);
  if (!file) throw std::runtime_error("banner picture data missing: " DV_BANNER_PICDATA);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file),
                              std::istreambuf_iterator<char>());
}

ClipboardScope::ClipboardScope()
    : window_(CreateWindowExA(0, "STATIC", "gif clipboard test", 0, 0, 0, 1, 1, HWND_MESSAGE,
                              nullptr, GetModuleHandleA(nullptr), nullptr)) {
  // Another process may hold the clipboard for a moment.
  for (int attempt = 0; attempt < 50 && !open_; ++attempt) {
    open_ = OpenClipboard(window_) != FALSE;
    if (!open_) Sleep(20);
  }
  if (open_) EmptyClipboard();
}

ClipboardScope::~ClipboardScope() {
  if (open_) CloseClipboard();
  if (window_ != nullptr) DestroyWindow(window_);
}

ClipboardReader::ClipboardReader() {
  for (int attempt = 0; attempt < 50 && !open_; ++attempt) {
    open_ = OpenClipboard(nullptr) != FALSE;
    if (!open_) Sleep(20);
  }
}

ClipboardReader::~ClipboardReader() {
  if (open_) CloseClipboard();
}
