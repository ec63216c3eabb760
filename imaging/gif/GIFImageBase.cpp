#include "imaging/gif/GIFImageBase.h"

#include <algorithm>
#include <utility>

#include "framework/core/SysUtils.h"
#include "imaging/gif/GIFMemoryBitmap.h"

TGIFImageBase::TGIFImageBase() : header_(std::make_shared<TGIFData>()) {}

TGIFImageBase::~TGIFImageBase() = default;

const char* TGIFImageBase::VersionText(uint8_t version) {
  static constexpr const char* kTexts[] = {"", "87a", "89a"};
  return version <= 2 ? kTexts[version] : "";
}

std::unique_ptr<IGIFFrameBitmap> TGIFImageBase::NewBitmap() const {
  return std::make_unique<TGIFMemoryBitmap>();
}

void TGIFImageBase::Changed() {
  if (OnChange) OnChange();
}

TDvGIFFrame& TGIFImageBase::Frame(int index) {
  return const_cast<TDvGIFFrame&>(std::as_const(*this).Frame(index));
}

const TDvGIFFrame& TGIFImageBase::Frame(int index) const {
  if (index < 0 || index >= FrameCount())
    throw EListError(Format("List index out of bounds (%d)", index));
  return *frames_[static_cast<size_t>(index)];
}

void TGIFImageBase::Reset() {
  header_ = std::make_shared<TGIFData>();
  frames_.clear();
  currentIndex_ = -1;
  backgroundColor_ = clNone;
  backgroundIndex_ = 0;
  repeatCount_ = 1;
  looping_ = false;
  version_ = 0;
}

int TGIFImageBase::AddFrame(const IGIFFrameBitmap& source, TColor transparentColor) {
  frames_.push_back(std::make_unique<TDvGIFFrame>(this));
  currentIndex_ = FrameCount() - 1;
  frames_.back()->AssignGraphic(source, transparentColor);
  if (version_ == 0) version_ = 1;
  if (frames_.size() > 1) version_ = 2;
  return currentIndex_;
}

void TGIFImageBase::Assign(const TGIFImageBase* source) {
  if (source == this) return;
  if (source == nullptr) {
    Reset();
    Changed();
    return;
  }
  header_ = source->header_;
  version_ = source->version_;
  backgroundColor_ = source->backgroundColor_;
  backgroundIndex_ = source->backgroundIndex_;
  repeatCount_ = source->repeatCount_;
  looping_ = source->looping_;
  frames_.clear();
  for (const auto& sourceFrame : source->frames_) {
    auto frame = std::make_unique<TDvGIFFrame>(this);
    frame->Item().bitsPerPixel = sourceFrame->Item().bitsPerPixel;
    frame->Assign(sourceFrame.get());
    frame->localColorTable = sourceFrame->localColorTable;
    frames_.push_back(std::move(frame));
  }
  screenWidth_ = source->screenWidth_;
  screenHeight_ = source->screenHeight_;
  currentIndex_ = source->currentIndex_;
  Changed();
}

void TGIFImageBase::AssignFrame(const TDvGIFFrame& source) {
  // The source may belong to this image: keep its records alive across the reset.
  const std::shared_ptr<TGIFData> sourceHeader = source.Owner()->header_;
  auto frame = std::make_unique<TDvGIFFrame>(this);
  frame->Assign(&source);
  Reset();
  header_->aspectRatio = sourceHeader->aspectRatio;
  header_->bitsPerPixel = sourceHeader->bitsPerPixel;
  header_->colorResolution = sourceHeader->colorResolution;
  header_->colors = sourceHeader->colors;
  frames_.push_back(std::move(frame));
  currentIndex_ = 0;
  RecomputeLogicalScreen();
  if (version_ == 0) version_ = 1;
  Changed();
}

void TGIFImageBase::AssignGraphic(const IGIFFrameBitmap& source, TColor transparentColor) {
  Reset();
  AddFrame(source, transparentColor);
  Changed();
}

IGIFFrameBitmap& TGIFImageBase::ImageBitmap() {
  if (frames_.empty()) {
    currentIndex_ = 0;
    const std::unique_ptr<IGIFFrameBitmap> empty = NewBitmap();
    AssignGraphic(*empty);
  }
  const int index = currentIndex_ >= 0 && currentIndex_ < FrameCount() ? currentIndex_ : 0;
  return frames_[static_cast<size_t>(index)]->Bitmap();
}

bool TGIFImageBase::Empty() const {
  if (frames_.empty()) return true;
  const size_t index = static_cast<size_t>(std::max(currentIndex_, 0));
  if (index >= frames_.size()) return true;
  const TDvGIFFrame& frame = *frames_[index];
  if (frame.HasBitmap()) return false;
  return frame.Item().encoded.empty();
}

uint32_t TGIFImageBase::Width() {
  if (Empty() || currentIndex_ < 0 || currentIndex_ >= FrameCount()) return 0;
  return frames_[static_cast<size_t>(currentIndex_)]->Bitmap().Width();
}

uint32_t TGIFImageBase::Height() {
  if (Empty() || currentIndex_ < 0 || currentIndex_ >= FrameCount()) return 0;
  return frames_[static_cast<size_t>(currentIndex_)]->Bitmap().Height();
}

bool TGIFImageBase::Transparent() const {
  if (!transparentFlag_) return false;
  return std::any_of(frames_.begin(), frames_.end(),
                     [](const auto& frame) { return frame->transparentColor != clNone; });
}

void TGIFImageBase::SetWidth(int) {
  ThrowGIFError(gifmsg::kCannotChangeSize);
}

void TGIFImageBase::SetHeight(int) {
  ThrowGIFError(gifmsg::kCannotChangeSize);
}

void TGIFImageBase::RecomputeLogicalScreen() {
  int64_t width = 0;
  int64_t height = 0;
  for (const auto& frame : frames_) {
    // An undecoded frame's bitmap will have the size stored with its data; no need to decode.
    int64_t frameWidth = 0;
    int64_t frameHeight = 0;
    if (const IGIFFrameBitmap* bitmap = frame->ExistingBitmap(); bitmap && !bitmap->Empty()) {
      frameWidth = bitmap->Width();
      frameHeight = bitmap->Height();
    } else if (!frame->Item().encoded.empty()) {
      frameWidth = frame->Item().width;
      frameHeight = frame->Item().height;
    }
    width = std::max(width, frame->left + frameWidth);
    height = std::max(height, frame->top + frameHeight);
  }
  screenWidth_ = static_cast<uint16_t>(width);
  screenHeight_ = static_cast<uint16_t>(height);
}

void TGIFImageBase::CoverFrame(const TDvGIFFrame& frame) {
  const int64_t right = frame.left + int64_t{frame.Item().width};
  const int64_t bottom = frame.top + int64_t{frame.Item().height};
  if (right > screenWidth_) screenWidth_ = static_cast<uint16_t>(right);
  if (bottom > screenHeight_) screenHeight_ = static_cast<uint16_t>(bottom);
}
