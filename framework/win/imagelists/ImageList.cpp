#include "framework/core/TypInfo.h"
#include "framework/win/imagelists/ImageList.h"

#include <algorithm>

#include "framework/core/Filer.h"
#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Font.h"

const std::vector<std::string>& DrawingStyleNames() {
  static const std::vector<std::string> names = {"dsFocus", "dsSelected", "dsNormal",
                                                 "dsTransparent"};
  return names;
}

const std::vector<std::string>& ImageTypeNames() {
  static const std::vector<std::string> names = {"itImage", "itMask"};
  return names;
}

const TClassInfo& TCustomImageList::StaticClassInfo() {
  using L = TCustomImageList;
  static const TClassInfo info =
      DefineClassInfo<L, TComponent>("TCustomImageList", [](TPropertyBuilder<L>& b) {
        b.Integer("BlendColor", &L::BlendColor, &L::SetBlendColor, clNone, {}, &ColorIdents());
        b.Integer("BkColor", &L::BkColor, &L::SetBkColor, clNone, {}, &ColorIdents());
        b.Integer("AllocBy", &L::AllocBy, &L::SetAllocBy, 4);
        b.Enum("DrawingStyle", &L::DrawingStyle, &L::SetDrawingStyle, DrawingStyleNames(),
               dsNormal);
        b.Integer("Height", &L::Height, &L::SetHeight, 16);
        b.Enum("ImageType", &L::ImageType, &L::SetImageType, ImageTypeNames(), itImage);
        b.Bool("Masked", &L::Masked, &L::SetMasked, true);
        b.Event("OnChange", &L::OnChange);
        b.Bool("ShareImages", &L::ShareImages, &L::SetShareImages, false);
        b.Integer("Width", &L::Width, &L::SetWidth, 16);
      });
  return info;
}

const TClassInfo& TImageList::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TImageList, TCustomImageList>("TImageList");
  return info;
}

void RegisterImageListClasses() {
  ClassRegistry::Register(TImageList::StaticClassInfo());
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::TCustomImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(width), height_(height) {}

TCustomImageList::~TCustomImageList() {
  while (!links_.empty())
    UnRegisterChanges(*links_.back());
  if (shareImages_) handle_.Release();
}

void TCustomImageList::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  if (HandleAllocated()) ImageList_SetIconSize(handle_.Get(), width_, height_);
  Change();
}

void TCustomImageList::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  if (HandleAllocated()) ImageList_SetIconSize(handle_.Get(), width_, height_);
  Change();
}

void TCustomImageList::SetMasked(bool masked) {
  if (masked == masked_) return;
  masked_ = masked;
  if (HandleAllocated()) RecreateHandle();
  Change();
}

void TCustomImageList::SetBkColor(TColor color) {
  if (color == bkColor_) return;
  bkColor_ = color;
  if (HandleAllocated())
    ImageList_SetBkColor(handle_.Get(), color == clNone ? CLR_NONE : ColorToRGB(color));
  Change();
}

void TCustomImageList::SetBlendColor(TColor color) {
  if (color == blendColor_) return;
  blendColor_ = color;
  Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle style) {
  if (style == drawingStyle_) return;
  drawingStyle_ = style;
  Change();
}

void TCustomImageList::SetImageType(TImageType type) {
  if (type == imageType_) return;
  imageType_ = type;
  Change();
}

HIMAGELIST TCustomImageList::Handle() {
  HandleNeeded();
  return handle_.Get();
}

void TCustomImageList::HandleNeeded() {
  if (!HandleAllocated()) CreateHandle();
}

void TCustomImageList::CreateHandle() {
  handle_.Reset(CreateListHandle(ILC_COLORDDB | (masked_ ? ILC_MASK : 0)));
}

HIMAGELIST TCustomImageList::CreateListHandle(UINT flags) const {
  HIMAGELIST list = ImageList_Create(width_, height_, flags, allocBy_, allocBy_);
  if (list == nullptr) throw EInvalidOperation(kInvalidImageListMessage);
  if (bkColor_ != clNone) ImageList_SetBkColor(list, ColorToRGB(bkColor_));
  return list;
}

void TCustomImageList::SetHandle(HIMAGELIST handle) {
  if (shareImages_) handle_.Release();
  handle_.Reset(handle);
  if (handle != nullptr) {
    int width = 0;
    int height = 0;
    if (ImageList_GetIconSize(handle, &width, &height)) {
      width_ = width;
      height_ = height;
    }
  }
  Change();
}

void TCustomImageList::RecreateHandle() {
  // The old list stays alive (in a scratch list of the same kind) until its images are copied.
  TCustomImageList old(nullptr, width_, height_);
  old.handle_ = std::move(handle_);
  old.shareImages_ = shareImages_;
  BeginUpdate();
  try {
    CreateHandle();
    AddImages(old);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

int TCustomImageList::Count() const {
  return HandleAllocated() ? ImageList_GetImageCount(handle_.Get()) : 0;
}

void TCustomImageList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EInvalidOperation(kImageIndexErrorMessage);
}

void TCustomImageList::Change() {
  changed_ = true;
  if (updateCount_ > 0) return;
  changed_ = false;
  // A handler may unregister links (its holder going away): only links still registered run.
  const std::vector<TChangeLink*> links = links_;
  for (TChangeLink* link : links)
    if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->Change();
  OnChange(this);
}

void TCustomImageList::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0 && changed_) Change();
}

void TCustomImageList::RegisterChanges(TChangeLink& link) {
  if (link.sender_ == this) return;
  if (link.sender_ != nullptr) link.sender_->UnRegisterChanges(link);
  link.sender_ = this;
  links_.push_back(&link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink& link) {
  links_.erase(std::remove(links_.begin(), links_.end(), &link), links_.end());
  if (link.sender_ == this) link.sender_ = nullptr;
}

void TCustomImageList::Assign(const TPersistent* source) {
  const auto* list = dynamic_cast<const TCustomImageList*>(source);
  if (list == nullptr) {
    TComponent::Assign(source);
    return;
  }
  if (list == this) return;
  BeginUpdate();
  try {
    width_ = list->width_;
    height_ = list->height_;
    masked_ = list->masked_;
    bkColor_ = list->bkColor_;
    blendColor_ = list->blendColor_;
    allocBy_ = list->allocBy_;
    drawingStyle_ = list->drawingStyle_;
    imageType_ = list->imageType_;
    if (shareImages_) handle_.Release();
    handle_.Reset();
    if (list->HandleAllocated()) {
      CreateHandle();
      AddImages(*list);
    }
    Change();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCustomImageList::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "Bitmap", [this](TStream& stream) { ReadData(stream); },
      [this](TStream& stream) { WriteData(stream); }, HasImageData());
}

void TCustomImageList::ReadData(TStream&) {
  throw EReadError("Failed to read ImageList data from stream");
}

void TCustomImageList::WriteData(TStream&) {
  throw EWriteError("Failed to write ImageList data to stream");
}
