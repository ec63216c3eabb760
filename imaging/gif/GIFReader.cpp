// Reading a GIF file into the image's header, frames and extensions.
#include <algorithm>
#include <cstring>

#include "framework/core/SysUtils.h"
#include "imaging/gif/GIFByteReader.h"
#include "imaging/gif/GIFImageBase.h"

namespace {

constexpr uint16_t kMaxRepeatCount = 30000;

bool SameAsciiCaseless(const uint8_t* bytes, const char* text, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    auto lower = [](unsigned c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    if (lower(bytes[i]) != lower(static_cast<uint8_t>(text[i]))) return false;
  }
  return true;
}

// Skips zero bytes; 0 at the end of the data.
uint8_t ReadSeparator(TGIFByteReader& reader) {
  while (!reader.AtEnd()) {
    const uint8_t byte = reader.Byte();
    if (byte != 0) return byte;
  }
  return 0;
}

TGIFExtensionKind KindForLabel(uint8_t label) {
  switch (label) {
    case 0xF9:
      return TGIFExtensionKind::ekGraphicControl;
    case 0x01:
      return TGIFExtensionKind::ekPlainText;
    case 0xFF:
      return TGIFExtensionKind::ekApplication;
    case 0xFE:
      return TGIFExtensionKind::ekComment;
    default:
      throw EInvalidGraphicOperation(Format(gifmsg::kUnrecognizedExtension, label));
  }
}

std::unique_ptr<TExtension> ReadExtension(TGIFByteReader& reader) {
  auto extension = std::make_unique<TExtension>(KindForLabel(reader.Byte()));
  std::vector<uint8_t>& fixed = extension->Fixed();
  reader.Read(fixed.data(), fixed.size());
  if (extension->Kind() == TGIFExtensionKind::ekGraphicControl) return extension;
  // Sub-blocks end at a zero length or at the end of the data, whichever comes first.
  while (!reader.AtEnd()) {
    const uint8_t length = reader.Byte();
    if (length == 0) break;
    std::string block(length, '\0');
    block.resize(reader.ReadUpTo(block.data(), length));
    extension->Data().push_back(std::move(block));
  }
  return extension;
}

// A "NETSCAPE2.0" or "ANIMEXTS1.0" block whose first sub-block starts with 1.
bool ReadLoopCount(const TExtension& extension, uint16_t& repeatCount) {
  const std::vector<uint8_t>& fixed = extension.Fixed();
  const std::vector<std::string>& data = extension.Data();
  if (data.empty()) return false;
  const size_t compared = std::min<size_t>(fixed[0], 11);
  const uint8_t* identifier = fixed.data() + 1;
  if (std::memcmp(identifier, "NETSCAPE2.0", compared) != 0 &&
      std::memcmp(identifier, "ANIMEXTS1.0", compared) != 0)
    return false;
  const std::string& block = data.front();
  if (block.size() < 3 || block[0] != 1) return false;
  const uint32_t count = static_cast<uint8_t>(block[1]) | (static_cast<uint8_t>(block[2]) << 8);
  repeatCount = static_cast<uint16_t>(std::min<uint32_t>(count, kMaxRepeatCount));
  return true;
}

}  // namespace

void TGIFImageBase::LoadFromStream(TStream& source) {
  Reset();
  const int64_t count = std::max<int64_t>(source.Size() - source.Position(), 0);
  std::vector<uint8_t> bytes(static_cast<size_t>(count));
  source.ReadBuffer(bytes.data(), count);
  ReadImage(bytes.data(), bytes.size(), true);
}

void TGIFImageBase::ReadData(TStream& source) {
  // The old picture goes first, also when the count itself cannot be read.
  Reset();
  const uint32_t count = source.ReadUInt32LE();
  // Refuse a count beyond the source before reserving memory for it.
  if (source.Size() - source.Position() < int64_t{count}) throw EReadError();
  std::vector<uint8_t> bytes(count);
  source.ReadBuffer(bytes.data(), count);
  ReadImage(bytes.data(), bytes.size(), true);
}

void TGIFImageBase::LoadFromBytes(const uint8_t* data, size_t size, bool decodeFirstFrame) {
  ReadImage(data, size, decodeFirstFrame);
}

void TGIFImageBase::ReadImage(const uint8_t* data, size_t size, bool decodeFirstFrame) {
  Reset();
  try {
    if (size > 0) ReadBlocks(data, size);
    if (!frames_.empty()) {
      currentIndex_ = 0;
      if (decodeFirstFrame) {
        try {
          frames_.front()->Bitmap();
        } catch (...) {
          frames_.erase(frames_.begin());
          throw;
        }
      }
    }
  } catch (...) {
    currentIndex_ = -1;
    throw;
  }
  paletteModified_ = true;
  Changed();
}

void TGIFImageBase::ReadBlocks(const uint8_t* data, size_t size) {
  TGIFByteReader reader(data, size);
  uint8_t signature[3];
  reader.Read(signature, 3);
  if (!SameAsciiCaseless(signature, "GIF", 3)) ThrowGIFError(gifmsg::kUnknownVersion);
  uint8_t version[3];
  reader.Read(version, 3);
  if (SameAsciiCaseless(version, "87a", 3))
    version_ = 1;
  else if (SameAsciiCaseless(version, "89a", 3))
    version_ = 2;
  else
    ThrowGIFError(gifmsg::kUnknownVersion);

  screenWidth_ = reader.Word();
  screenHeight_ = reader.Word();
  const uint8_t packed = reader.Byte();
  const uint8_t backgroundIndex = reader.Byte();
  backgroundIndex_ = backgroundIndex;
  header_->aspectRatio = reader.Byte();
  header_->bitsPerPixel = static_cast<uint8_t>((packed & 7) + 1);
  header_->colorResolution = static_cast<uint8_t>(((packed >> 4) & 7) + 1);
  if (packed & 0x80) {
    TGIFColorTable& colors = header_->colors;
    colors.count = 1u << header_->bitsPerPixel;
    // A short global table is tolerated: the missing entries stay black.
    reader.ReadUpTo(colors.entries.data(), 3 * colors.count);
    if (backgroundIndex < colors.count) backgroundColor_ = colors.entries[backgroundIndex].Color();
  }

  uint8_t separator = ReadSeparator(reader);
  while (separator != 0 && separator != ';' && !reader.AtEnd()) {
    std::vector<std::unique_ptr<TExtension>> run;
    while (separator == '!') {
      std::unique_ptr<TExtension> extension = ReadExtension(reader);
      switch (extension->Kind()) {
        case TGIFExtensionKind::ekPlainText:
          run.clear();
          break;
        case TGIFExtensionKind::ekApplication:
          if (ReadLoopCount(*extension, repeatCount_)) looping_ = true;
          break;
        default:
          run.push_back(std::move(extension));
          break;
      }
      separator = reader.AtEnd() ? ';' : ReadSeparator(reader);
    }
    if (separator == ',') {
      auto frame = std::make_unique<TDvGIFFrame>(this);
      if (header_->colors.count != 0)
        frame->Item().bitsPerPixel = static_cast<uint8_t>(BitsForColorCount(header_->colors.count));
      frame->Extensions() = std::move(run);
      frame->ReadFrom(reader, *header_, screenWidth_, screenHeight_);
      frames_.push_back(std::move(frame));
      separator = reader.AtEnd() ? ';' : ReadSeparator(reader);
      if (separator != '!' && separator != ',' && separator != ';') separator = 0;
    } else if (header_->comment.empty() && !run.empty()) {
      for (const auto& extension : run) {
        if (extension->Kind() != TGIFExtensionKind::ekComment) continue;
        if (!header_->comment.empty()) header_->comment.push_back("\r\n\r\n");
        for (const std::string& line : extension->Data())
          header_->comment.push_back(line);
      }
    } else if (separator != 0 && separator != ';') {
      throw EReadError();
    }
  }
}

void TDvGIFFrame::ReadFrom(TGIFByteReader& reader, const TGIFData& header, uint16_t screenWidth,
                           uint16_t screenHeight) {
  TGIFItem& item = *item_;
  try {
    const uint16_t frameLeft = reader.Word();
    const uint16_t frameTop = reader.Word();
    uint16_t width = reader.Word();
    uint16_t height = reader.Word();
    const uint8_t packed = reader.Byte();
    interlaced = (packed & 0x40) != 0;
    if (packed & 0x80) {
      item.bitsPerPixel = static_cast<uint8_t>((packed & 7) + 1);
      item.colors.count = 1u << item.bitsPerPixel;
      reader.Read(item.colors.entries.data(), 3 * item.colors.count);
      localColorTable = true;
    } else {
      localColorTable = false;
      item.colors = TGIFColorTable{};
    }

    // The stored data: code size byte, then whole sub-blocks up to the terminator.
    item.encoded.clear();
    item.encoded.push_back(reader.Byte());
    while (!reader.AtEnd()) {
      const uint8_t length = reader.Current()[0];
      if (length >= reader.Remaining()) {  // the block reaches past the end
        MarkCorrupt(TGIFCorruptKind::ckBlockPastEnd);
        reader.Skip(reader.Remaining());
        break;
      }
      item.encoded.insert(item.encoded.end(), reader.Current(), reader.Current() + 1 + length);
      reader.Skip(1 + size_t{length});
      if (length == 0) break;
    }
    if (corrupt && !GIFTolerateCorruptData) throw EReadError();

    if (width == 0) width = screenWidth;
    if (height == 0) height = screenHeight;
    left = frameLeft;
    top = frameTop;
    item.width = width;
    item.height = height;
    item.packed = packed;
    if (!localColorTable) item.colors = header.colors;
    ApplyGraphicControl();
  } catch (...) {
    item.encoded.clear();
    item.encoded.shrink_to_fit();
    throw;
  }
}

void TDvGIFFrame::ApplyGraphicControl() {
  delay = 0;
  for (const auto& extension : extensions_) {
    if (extension->Kind() != TGIFExtensionKind::ekGraphicControl) continue;
    const std::vector<uint8_t>& fixed = extension->Fixed();
    const uint8_t packed = fixed[gce::kPacked];
    const uint32_t index = fixed[gce::kTransparentIndex];
    if (packed & 1) {
      if (index < item_->colors.count) {
        MakeColorEntryUnique(item_->colors, index);
        transparentColor = item_->colors.entries[index].Color();
      }
    } else {
      transparentColor = clNone;
    }
    const uint32_t field = fixed[gce::kDelayLow] | (fixed[gce::kDelayHigh] << 8);
    delay = std::max(delay, 10 * field);
    disposal = static_cast<uint8_t>((packed >> 2) & 7);
  }
}
