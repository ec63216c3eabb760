#include "framework/core/Picture.h"

#include <cstdio>
#include <memory>

#include "framework/core/Filer.h"
#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"

namespace {

// C files rather than file streams: the streams bring the locale machinery into every program.
struct TFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFileOwner = std::unique_ptr<std::FILE, TFileCloser>;

}  // namespace

const TClassInfo& TPicture::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TPicture, TPersistent>("TPicture");
  return info;
}

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

int TPicture::Width() const {
  return graphic_ ? graphic_->Width() : 0;
}

int TPicture::Height() const {
  return graphic_ ? graphic_->Height() : 0;
}

void TPicture::Changed() {
  OnChange(this);
}

void TPicture::Install(std::unique_ptr<TGraphic> graphic) {
  if (graphic) {
    graphic->OnChange = [this](TObject*) { Changed(); };
    graphic->OnProgress = [this](TObject* sender, TProgressStage stage, uint8_t percent,
                                 bool redrawNow, const TRect& rect, const std::string& message) {
      OnProgress(sender, stage, percent, redrawNow, rect, message);
    };
  }
  graphic_ = std::move(graphic);
  Changed();
}

void TPicture::TakeGraphic(std::unique_ptr<TGraphic> graphic) {
  Install(std::move(graphic));
}

void TPicture::SetGraphic(TGraphic* graphic) {
  if (graphic == graphic_.get() && graphic != nullptr) return;
  if (graphic == nullptr) {
    Install(nullptr);
    return;
  }
  TGraphicFactory factory;
  if (const TFileFormat* format = FileFormats().FindClass(graphic->ClassInfo()))
    factory = format->factory;
  for (const TClipboardFormatEntry& entry : ClipboardFormats().Entries())
    if (!factory && entry.graphicClass == &graphic->ClassInfo()) factory = entry.factory;
  if (!factory) ThrowCannotAssign(graphic->ClassName(), ClassName());
  std::unique_ptr<TGraphic> copy = factory();
  copy->Assign(graphic);
  Install(std::move(copy));
}

void TPicture::Assign(const TPersistent* source) {
  if (source == nullptr) {
    SetGraphic(nullptr);
  } else if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
    if (picture != this) SetGraphic(picture->graphic_.get());
  } else if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
    SetGraphic(const_cast<TGraphic*>(graphic));
  } else {
    TPersistent::Assign(source);
  }
}

void TPicture::AssignTo(TPersistent* dest) const {
  if (auto* graphic = dynamic_cast<TGraphic*>(dest); graphic != nullptr && graphic_) {
    graphic->Assign(graphic_.get());
    return;
  }
  TPersistent::AssignTo(dest);
}

// ---- files and clipboard ----

void TPicture::LoadFromFile(const std::string& fileName) {
  const size_t dot = fileName.find_last_of('.');
  const size_t slash = fileName.find_last_of("/\\");
  std::string extension;
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
    extension = fileName.substr(dot + 1);
  const TFileFormat* format = FileFormats().FindExt(extension);
  if (format == nullptr)
    throw EInvalidGraphic(
        Format("Unknown picture file extension (.%s)", LowerCaseAscii(extension).c_str()));
  const TFileOwner file(std::fopen(fileName.c_str(), "rb"));
  if (!file) throw EStreamError(Format("Cannot open file \"%s\"", fileName.c_str()));
  std::vector<uint8_t> bytes;
  uint8_t block[4096];
  size_t count;
  while ((count = std::fread(block, 1, sizeof(block), file.get())) > 0)
    bytes.insert(bytes.end(), block, block + count);
  if (std::ferror(file.get())) throw EReadError();
  TMemoryStream stream(std::move(bytes));
  std::unique_ptr<TGraphic> graphic = format->factory();
  graphic->LoadFromStream(stream);
  Install(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName) const {
  if (!graphic_) return;
  TMemoryStream stream;
  graphic_->SaveToStream(stream);
  TFileOwner file(std::fopen(fileName.c_str(), "wb"));
  if (!file) throw EStreamError(Format("Cannot create file \"%s\"", fileName.c_str()));
  const auto size = static_cast<size_t>(stream.Size());
  const bool written = std::fwrite(stream.Memory(), 1, size, file.get()) == size;
  // Closing flushes: a full disk may only show there.
  if (std::fclose(file.release()) != 0 || !written) throw EWriteError();
}

void TPicture::LoadFromClipboardFormat(TClipboardFormat format, TClipboardHandle data,
                                       TPaletteHandle palette) {
  const TClipboardFormatEntry* entry = ClipboardFormats().FindFormat(format);
  if (entry == nullptr) throw EInvalidGraphic("Unsupported clipboard format");
  std::unique_ptr<TGraphic> graphic = entry->factory();
  graphic->LoadFromClipboardFormat(format, data, palette);
  Install(std::move(graphic));
}

void TPicture::SaveToClipboardFormat(TClipboardFormat& format, TClipboardHandle& data,
                                     TPaletteHandle& palette) const {
  format = 0;
  data = nullptr;
  palette = nullptr;
  if (graphic_) graphic_->SaveToClipboardFormat(format, data, palette);
}

bool TPicture::SupportsClipboardFormat(TClipboardFormat format) {
  return ClipboardFormats().FindFormat(format) != nullptr;
}

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description,
                                  const TClassInfo& graphicClass, TGraphicFactory factory) {
  FileFormats().Add(extension, description, 0, graphicClass, std::move(factory));
}

void TPicture::RegisterFileFormatRes(const std::string& extension, int descriptionResId,
                                     const TClassInfo& graphicClass, TGraphicFactory factory) {
  FileFormats().Add(extension, std::string(), descriptionResId, graphicClass, std::move(factory));
}

void TPicture::RegisterClipboardGraphic(TClipboardFormat format, const TClassInfo& graphicClass,
                                        TGraphicFactory factory) {
  ClipboardFormats().Add(format, graphicClass, std::move(factory));
}

void TPicture::UnregisterGraphicClass(const TClassInfo& graphicClass) {
  FileFormats().Remove(graphicClass);
  ClipboardFormats().Remove(graphicClass);
}

// ---- stored data ----

void TPicture::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](TStream& stream) { ReadData(stream); },
      [this](TStream& stream) { WriteData(stream); }, DataStored(nullptr));
}

bool TPicture::DataStored(const TPicture* ancestor) const {
  if (ancestor == nullptr) return graphic_ != nullptr;
  TGraphic* theirs = ancestor->graphic_.get();
  if (graphic_.get() == theirs) return false;
  if (graphic_ && theirs && graphic_->Equals(*theirs)) return false;
  return true;
}

void TPicture::ReadData(TStream& stream) {
  // An empty block holds no name at all: an empty picture, like a zero length byte.
  const uint8_t length = stream.Position() < stream.Size() ? stream.ReadByte() : 0;
  std::string className;
  if (length > kMaxClassNameLength) {
    // Longer than any name that can be stored: unknown, and nothing of it is kept.
    stream.Seek(0, TSeekOrigin::soEnd);
  } else if (length > 0) {
    className.resize(length);
    stream.ReadBuffer(className.data(), length);
  }
  const TFileFormat* format = className.empty() ? nullptr : FileFormats().FindClassName(className);
  if (format == nullptr) {
    stream.Seek(0, TSeekOrigin::soEnd);
    Install(nullptr);
    return;
  }
  std::unique_ptr<TGraphic> graphic = format->factory();
  graphic->ReadData(stream);
  Install(std::move(graphic));
}

void TPicture::WriteData(TStream& stream) const {
  if (!graphic_) {
    stream.WriteByte(0);
    return;
  }
  std::string className = graphic_->ClassName();
  if (className.size() > kMaxClassNameLength) className.resize(kMaxClassNameLength);
  stream.WriteByte(static_cast<uint8_t>(className.size()));
  stream.WriteBuffer(className.data(), static_cast<int64_t>(className.size()));
  graphic_->WriteData(stream);
}
