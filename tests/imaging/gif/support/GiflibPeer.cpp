#include "GiflibPeer.h"

#include <gif_lib.h>

#include <cstring>
#include <memory>
#include <stdexcept>

#include "imaging/gif/Interlace.h"

namespace {

struct ReadCursor {
  const std::vector<uint8_t>* file;
  size_t position;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
  auto* cursor = static_cast<ReadCursor*>(gif->UserData);
  const size_t available =
      std::min<size_t>(static_cast<size_t>(length), cursor->file->size() - cursor->position);
  std::memcpy(buffer, cursor->file->data() + cursor->position, available);
  cursor->position += available;
  return static_cast<int>(available);
}

int WriteToMemory(GifFileType* gif, const GifByteType* buffer, int length) {
  auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
  out->insert(out->end(), buffer, buffer + length);
  return length;
}

std::vector<TGIFRgb> ToColors(const ColorMapObject* map) {
  std::vector<TGIFRgb> colors;
  if (!map) return colors;
  for (int i = 0; i < map->ColorCount; ++i)
    colors.push_back(TGIFRgb{map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue});
  return colors;
}

struct MapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using MapOwner = std::unique_ptr<ColorMapObject, MapDeleter>;

MapOwner ToMap(const std::vector<TGIFRgb>& colors) {
  if (colors.empty()) return nullptr;
  std::vector<GifColorType> entries(colors.size());
  for (size_t i = 0; i < colors.size(); ++i)
    entries[i] = GifColorType{colors[i].red, colors[i].green, colors[i].blue};
  return MapOwner(GifMakeMapObject(static_cast<int>(colors.size()), entries.data()));
}

int BitsFor(size_t count) {
  int bits = 1;
  while ((size_t{1} << bits) < count)
    ++bits;
  return bits;
}

}  // namespace

bool PeerDecode(const std::vector<uint8_t>& file, PeerImage& image, std::string& error) {
  ReadCursor cursor{&file, 0};
  int status = 0;
  GifFileType* gif = DGifOpen(&cursor, ReadFromMemory, &status);
  if (!gif) {
    error = GifErrorString(status);
    return false;
  }
  const bool ok = DGifSlurp(gif) == GIF_OK;
  if (!ok) error = GifErrorString(gif->Error);
  if (ok) {
    image = PeerImage{};
    image.width = gif->SWidth;
    image.height = gif->SHeight;
    image.globalColors = ToColors(gif->SColorMap);
    for (int i = 0; i < gif->ImageCount; ++i) {
      const SavedImage& saved = gif->SavedImages[i];
      PeerFrame frame;
      frame.left = saved.ImageDesc.Left;
      frame.top = saved.ImageDesc.Top;
      frame.width = saved.ImageDesc.Width;
      frame.height = saved.ImageDesc.Height;
      frame.interlaced = saved.ImageDesc.Interlace;
      frame.localColors = ToColors(saved.ImageDesc.ColorMap);
      frame.indices.assign(saved.RasterBits,
                           saved.RasterBits + size_t(frame.width) * size_t(frame.height));
      GraphicsControlBlock control;
      if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) {
        frame.delayHundredths = control.DelayTime;
        frame.transparentIndex = control.TransparentColor;
      }
      image.frames.push_back(std::move(frame));
    }
    for (int i = 0; i < gif->ExtensionBlockCount; ++i)
      if (gif->ExtensionBlocks[i].Function == APPLICATION_EXT_FUNC_CODE) image.loop = true;
  }
  DGifCloseFile(gif, &status);
  return ok;
}

std::vector<uint8_t> PeerEncode(const PeerImage& image) {
  std::vector<uint8_t> out;
  int status = 0;
  GifFileType* gif = EGifOpen(&out, WriteToMemory, &status);
  if (!gif) throw std::runtime_error("EGifOpen failed");
  auto fail = [&](const char* what) {
    EGifCloseFile(gif, &status);
    throw std::runtime_error(what);
  };
  EGifSetGifVersion(gif, true);
  MapOwner global = ToMap(image.globalColors);
  if (EGifPutScreenDesc(gif, image.width, image.height,
                        BitsFor(std::max<size_t>(image.globalColors.size(), 2)), 0,
                        global.get()) != GIF_OK)
    fail("EGifPutScreenDesc");
  if (image.loop) {
    const GifByteType identifier[] = "NETSCAPE2.0";
    const GifByteType count[] = {1, 0, 0};
    if (EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
        EGifPutExtensionBlock(gif, 11, identifier) != GIF_OK ||
        EGifPutExtensionBlock(gif, 3, count) != GIF_OK || EGifPutExtensionTrailer(gif) != GIF_OK)
      fail("loop extension");
  }
  for (const PeerFrame& frame : image.frames) {
    if (frame.delayHundredths >= 0 || frame.transparentIndex >= 0) {
      GraphicsControlBlock control{};
      control.DisposalMode = DISPOSAL_UNSPECIFIED;
      control.DelayTime = std::max(frame.delayHundredths, 0);
      control.TransparentColor = frame.transparentIndex;
      GifByteType block[4];
      const size_t length = EGifGCBToExtension(&control, block);
      if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), block) != GIF_OK)
        fail("graphic control");
    }
    MapOwner local = ToMap(frame.localColors);
    if (EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlaced,
                         local.get()) != GIF_OK)
      fail("EGifPutImageDesc");
    std::vector<GifPixelType> line(static_cast<size_t>(frame.width));
    uint32_t row = 0;
    int pass = 0;
    const auto height = static_cast<uint32_t>(frame.height);
    for (uint32_t done = 0; done < height; ++done) {
      std::memcpy(line.data(), frame.indices.data() + size_t{row} * line.size(), line.size());
      if (EGifPutLine(gif, line.data(), frame.width) != GIF_OK) fail("EGifPutLine");
      row = frame.interlaced ? NextInterlacedRow(row, height, pass) : row + 1;
    }
  }
  if (EGifCloseFile(gif, &status) != GIF_OK) throw std::runtime_error("EGifCloseFile");
  return out;
}
