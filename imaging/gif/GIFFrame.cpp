#include "imaging/gif/GIFFrame.h"

#include "imaging/gif/FrameDib.h"
#include "imaging/gif/GIFFramePixels.h"
#include "imaging/gif/GIFImageBase.h"

TDvGIFFrame::TDvGIFFrame(TGIFImageBase* owner)
    : owner_(owner), item_(std::make_shared<TGIFItem>()) {}

IGIFFrameBitmap& TDvGIFFrame::Bitmap() {
  if (bitmap_ && !bitmap_->Empty()) return *bitmap_;
  bitmap_ = owner_->NewBitmap();
  if (item_->encoded.empty()) return *bitmap_;
  std::vector<uint8_t> file;
  MarkCorrupt(
      BuildFrameDibFile(*item_, interlaced, GIFTolerateCorruptData, owner_->OnProgress, file));
  bitmap_->LoadFromDibFile(file.data(), file.size());
  if (!bitmap_->Monochrome()) bitmap_->MakeDeviceDependent();
  return *bitmap_;
}

TGIFCorruptKind TDvGIFFrame::DecodePixels(TGIFFramePixels& pixels) {
  const TGIFCorruptKind kind =
      pixels.DecodeStored(*item_, interlaced, GIFTolerateCorruptData, owner_->OnProgress);
  MarkCorrupt(kind);
  return kind;
}

void TDvGIFFrame::MarkCorrupt(TGIFCorruptKind kind) {
  if (kind == TGIFCorruptKind::ckNone) return;
  corrupt = true;
  if (corruptKind == TGIFCorruptKind::ckNone) corruptKind = kind;
}

uint32_t TDvGIFFrame::Width() {
  if (!bitmap_ && item_->encoded.empty()) return 0;
  return Bitmap().Width();
}

uint32_t TDvGIFFrame::Height() {
  if (!bitmap_ && item_->encoded.empty()) return 0;
  return Bitmap().Height();
}

const std::vector<std::string>* TDvGIFFrame::FindComment() const {
  for (auto it = extensions_.rbegin(); it != extensions_.rend(); ++it)
    if ((*it)->Kind() == TGIFExtensionKind::ekComment) return &(*it)->Data();
  return nullptr;
}

std::vector<std::string>& TDvGIFFrame::Comment() {
  for (auto it = extensions_.rbegin(); it != extensions_.rend(); ++it)
    if ((*it)->Kind() == TGIFExtensionKind::ekComment) return (*it)->Data();
  extensions_.push_back(std::make_unique<TExtension>(TGIFExtensionKind::ekComment));
  return extensions_.back()->Data();
}

void TDvGIFFrame::Reset() {
  item_ = std::make_shared<TGIFItem>();
  grey = false;
  corrupt = false;
  corruptKind = TGIFCorruptKind::ckNone;
  transparentColor = clNone;
  left = 0;
  top = 0;
  interlaced = false;
  localColorTable = false;
  delay = 0;
  disposal = 0;
}

void TDvGIFFrame::Assign(const TDvGIFFrame* source) {
  if (source == this) return;
  if (source == nullptr) {
    Reset();
    bitmap_.reset();
  } else {
    item_ = source->item_;
    localColorTable = source->owner_ == owner_ ? source->localColorTable : true;
    left = source->left;
    top = source->top;
    interlaced = source->interlaced;
    // Without a source picture ours would no longer match the shared data.
    bitmap_ = source->bitmap_ ? source->bitmap_->Clone() : nullptr;
    transparentColor = source->transparentColor;
    delay = source->delay;
    disposal = source->disposal;
    grey = source->grey;
    corrupt = source->corrupt;
    corruptKind = source->corruptKind;
    const std::vector<std::string>* comment = source->FindComment();
    if (comment && !comment->empty()) Comment() = *comment;
  }
  owner_->RecomputeLogicalScreen();
}

void TDvGIFFrame::AssignImage(const TGIFImageBase& source) {
  if (source.FrameCount() == 0) {
    Assign(nullptr);
    return;
  }
  const int index = source.CurrentIndex();
  Assign(&source.Frame(index >= 0 && index < source.FrameCount() ? index : 0));
}

void TDvGIFFrame::AssignGraphic(const IGIFFrameBitmap& source, TColor transparent) {
  if (source.Empty()) {
    Assign(nullptr);
    return;
  }
  Reset();
  bitmap_ = source.Clone();
  transparentColor = transparent;
  owner_->RecomputeLogicalScreen();
}

void MakeColorEntryUnique(TGIFColorTable& table, uint32_t index) {
  const uint32_t count = std::min<uint32_t>(table.count, 256);
  if (index >= count) return;
  TGIFRgb& entry = table.entries[index];
  auto isShared = [&] {
    for (uint32_t i = 0; i < count; ++i)
      if (i != index && table.entries[i] == entry) return true;
    return false;
  };
  // At most 255 other entries leave some blue value free, and the walk reaches every value.
  int step = -1;
  while (isShared()) {
    if (entry.blue == 0) step = 1;
    if (entry.blue == 255) step = -1;
    entry.blue = static_cast<uint8_t>(entry.blue + step);
  }
}
