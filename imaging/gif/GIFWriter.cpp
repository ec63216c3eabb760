// Writing the image as a GIF file, encoding frames that have no stored data first.
#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "framework/core/SysUtils.h"
#include "imaging/gif/ColorReduction.h"
#include "imaging/gif/DibFile.h"
#include "imaging/gif/GIFImageBase.h"
#include "imaging/gif/LzwEncoder.h"

namespace {

void PutBytes(std::vector<uint8_t>& out, std::initializer_list<uint8_t> bytes) {
  for (const uint8_t byte : bytes)
    out.push_back(byte);
}

void PutWord(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

// Each non-empty line, cut to 255 bytes, as one sub-block; then the terminator.
void PutSubBlocks(std::vector<uint8_t>& out, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    const size_t length = std::min<size_t>(line.size(), 255);
    out.push_back(static_cast<uint8_t>(length));
    out.insert(out.end(), line.begin(), line.begin() + static_cast<std::ptrdiff_t>(length));
  }
  out.push_back(0);
}

void PutColors(std::vector<uint8_t>& out, const TGIFColorTable& table, uint32_t count) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(table.entries.data());
  out.insert(out.end(), bytes, bytes + 3 * std::min<uint32_t>(count, 256));
}

void PutExtension(std::vector<uint8_t>& out, const TExtension& extension) {
  out.push_back('!');
  out.push_back(TExtension::Label(extension.Kind()));
  out.insert(out.end(), extension.Fixed().begin(), extension.Fixed().end());
  if (extension.Kind() != TGIFExtensionKind::ekGraphicControl) PutSubBlocks(out, extension.Data());
}

int FindColor(const TGIFColorTable& table, TColor color) {
  if (color == clNone) return -1;
  for (uint32_t i = 0; i < table.count && i < 256; ++i)
    if (table.entries[i].Color() == color) return static_cast<int>(i);
  return -1;
}

}  // namespace

void TGIFImageBase::SaveToStream(TStream& destination) {
  const std::vector<uint8_t> file = BuildFile();
  destination.WriteBuffer(file.data(), static_cast<int64_t>(file.size()));
}

void TGIFImageBase::WriteData(TStream& destination) {
  const std::vector<uint8_t> file = BuildFile();
  std::vector<uint8_t> counted(4 + file.size());
  const auto count = static_cast<uint32_t>(file.size());
  for (int i = 0; i < 4; ++i)
    counted[static_cast<size_t>(i)] = static_cast<uint8_t>(count >> (8 * i));
  std::memcpy(counted.data() + 4, file.data(), file.size());
  destination.WriteBuffer(counted.data(), static_cast<int64_t>(counted.size()));
}

std::vector<uint8_t> TGIFImageBase::BuildFile() {
  if (frames_.empty()) ThrowGIFError(gifmsg::kNoDataToWrite);
  for (auto& frame : frames_)
    PrepareFrame(*frame);
  if (!header_->comment.empty()) version_ = 2;
  RecomputeLogicalScreen();

  std::vector<uint8_t> out;
  PutBytes(out, {'G', 'I', 'F'});
  const char* versionText = VersionText(version_);
  out.insert(out.end(), versionText, versionText + std::strlen(versionText));

  const TGIFColorTable& globalColors = header_->colors;
  PutWord(out, screenWidth_);
  PutWord(out, screenHeight_);
  if (globalColors.count != 0) {
    // The resolution field is written as the table's own depth.
    const uint32_t tableBits = BitsForColorCount(globalColors.count);
    const uint32_t pixelBits = std::clamp<uint32_t>(header_->bitsPerPixel, 1, 8);
    out.push_back(static_cast<uint8_t>(0x80 + 16 * (tableBits - 1) + (pixelBits - 1)));
    out.push_back(static_cast<uint8_t>(std::max(FindColor(globalColors, backgroundColor_), 0)));
  } else {
    out.push_back(0);
    out.push_back(0);
  }
  out.push_back(header_->aspectRatio);
  PutColors(out, globalColors, globalColors.count);

  if (looping_ && frames_.size() > 1) {
    PutBytes(out, {'!', 0xFF, 11});
    const char* identifier = "NETSCAPE2.0";
    out.insert(out.end(), identifier, identifier + 11);
    PutBytes(out, {3, 1});
    PutWord(out, repeatCount_);
    out.push_back(0);
  }

  for (auto& frame : frames_) {
    for (const auto& extension : frame->Extensions())
      PutExtension(out, *extension);
    TGIFItem& item = frame->Item();
    out.push_back(',');
    PutWord(out, static_cast<uint32_t>(frame->left));
    PutWord(out, static_cast<uint32_t>(frame->top));
    PutWord(out, static_cast<uint32_t>(item.width));
    PutWord(out, static_cast<uint32_t>(item.height));
    uint8_t packed = frame->interlaced ? 0x40 : 0;
    uint32_t localBits = 0;
    if (frame->localColorTable) {
      localBits = std::min<uint32_t>(BitsCoveringColorCount(item.colors.count), 8);
      item.bitsPerPixel = static_cast<uint8_t>(localBits);
      packed = static_cast<uint8_t>(packed | 0x80 | (localBits - 1));
    }
    out.push_back(packed);
    // The whole declared table, so that the file stays readable whatever the count says.
    if (frame->localColorTable) PutColors(out, item.colors, 1u << localBits);
    out.insert(out.end(), item.encoded.begin(), item.encoded.end());
  }

  if (!header_->comment.empty()) {
    PutBytes(out, {'!', 0xFE});
    PutSubBlocks(out, header_->comment);
  }
  out.push_back(';');
  return out;
}

void TGIFImageBase::PrepareFrame(TDvGIFFrame& frame) {
  if (frame.Item().encoded.empty()) EncodeFrame(frame);

  auto& extensions = frame.Extensions();
  TExtension* control = nullptr;
  for (auto it = extensions.rbegin(); it != extensions.rend() && !control; ++it)
    if ((*it)->Kind() == TGIFExtensionKind::ekGraphicControl) control = it->get();
  if (!control && (frame.delay != 0 || frame.transparentColor != clNone || frame.disposal != 0)) {
    extensions.push_back(std::make_unique<TExtension>(TGIFExtensionKind::ekGraphicControl));
    control = extensions.back().get();
  }
  if (control) {
    std::vector<uint8_t>& fixed = control->Fixed();
    const uint32_t field = std::min<uint32_t>(frame.delay / 10, 0xFFFF);
    fixed[gce::kDelayLow] = static_cast<uint8_t>(field);
    fixed[gce::kDelayHigh] = static_cast<uint8_t>(field >> 8);
    const int index = FindColor(frame.Item().colors, frame.transparentColor);
    if (index >= 0) {
      fixed[gce::kTransparentIndex] = static_cast<uint8_t>(index);
      fixed[gce::kPacked] |= 1;
    } else {
      fixed[gce::kPacked] &= static_cast<uint8_t>(~1u);
    }
    fixed[gce::kPacked] =
        static_cast<uint8_t>((fixed[gce::kPacked] & 0xE3) | ((frame.disposal & 7) << 2));
  }
  extensions.erase(std::remove_if(extensions.begin(), extensions.end(),
                                  [](const auto& extension) {
                                    return extension->Kind() == TGIFExtensionKind::ekComment &&
                                           extension->Data().empty();
                                  }),
                   extensions.end());
  if (!extensions.empty()) version_ = 2;
}

void TGIFImageBase::EncodeFrame(TDvGIFFrame& frame) {
  const IGIFFrameBitmap* bitmap = frame.ExistingBitmap();
  if (!bitmap || bitmap->Empty()) ThrowGIFError(gifmsg::kNoDataToWrite);

  std::vector<uint8_t> file;
  const uint32_t bits = bitmap->PixelBits();
  if (bits == 1 || bits == 4 || bits == 8) {
    TMemoryStream stream;
    bitmap->SaveToDibFile(stream);
    file = stream.TakeBytes();
  } else {
    std::vector<uint8_t> rows = bitmap->ReadRgbRows();
    file = frame.grey ? ReduceToGreyPalette(rows, bitmap->Width(), bitmap->Height())
                      : ReduceToHistogramPalette(rows, bitmap->Width(), bitmap->Height());
  }
  if (file.size() >= 30) {
    const uint32_t fileBits = file[28] | (file[29] << 8);
    if (fileBits != 1 && fileBits != 4 && fileBits != 8) ThrowGIFError(gifmsg::kEncodingError);
  }
  const TDibLayout layout = ParseDibFile(file.data(), file.size());
  if (layout.bits != 1 && layout.bits != 4 && layout.bits != 8)
    ThrowGIFError(gifmsg::kEncodingError);

  TGIFItem& item = frame.Item();
  item.colors = TGIFColorTable{};
  item.colors.count = 1u << layout.bits;
  std::copy_n(layout.palette.begin(), std::min<size_t>(layout.palette.size(), 256),
              item.colors.entries.begin());
  frame.interlaced = false;

  TLzwPixelSource source;
  source.pixels = file.data() + layout.pixelOffset;
  source.topDown = layout.topDown;
  source.width = layout.width;
  source.height = layout.height;
  source.dibBits = layout.bits;
  TMemoryStream encoded;
  try {
    EncodeLzwFrame(encoded, source, OnProgress);
  } catch (const EAbort&) {
    frame.Reset();
    throw;
  }
  item.encoded = encoded.TakeBytes();
  item.bitsPerPixel = static_cast<uint8_t>(BitsCoveringColorCount(item.colors.count));
  if (header_->colors.count != 0) {
    frame.localColorTable = true;
  } else {
    header_->colors = item.colors;
    header_->bitsPerPixel = item.bitsPerPixel;
    frame.localColorTable = false;
  }
  item.width = static_cast<int32_t>(layout.width);
  item.height = static_cast<int32_t>(layout.height);
  CoverFrame(frame);
}
