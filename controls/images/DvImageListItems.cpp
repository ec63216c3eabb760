#include "controls/images/DvImageListItems.h"

#include "controls/images/DvImageList.h"
#include "framework/core/ScopedFlag.h"
#include "framework/core/Filer.h"

void TDvImageListItemBitmap::DefineProperties(TFiler& filer) {
  TBitmap::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "Data", [this](TStream& stream) { ReadData(stream); },
      [this](TStream& stream) { WriteData(stream); }, !Empty());
}

TDvImageListItem::TDvImageListItem(TCollection* collection) : TCollectionItem(collection) {
  bitmap_.OnChange = [this](TObject*) { BitmapChanged(); };
  TDvImageList* list = ImageList();
  if (list == nullptr || list->Width() <= 0 || list->Height() <= 0) return;
  // Filled with the item's transparent colour, the new image shows nothing until it is set.
  TBitmap blank(list->Width(), list->Height());
  blank.Canvas().Brush().SetColor(transparentColor_);
  blank.Canvas().FillRect(TRect{0, 0, list->Width(), list->Height()});
  list->AddMasked(blank, transparentColor_);
  // Not in the collection yet: the new image is the list's last.
  UpdateImageAt(list->Count() - 1);
}

TDvImageList* TDvImageListItem::ImageList() const {
  const auto* items = dynamic_cast<const TDvImageListItems*>(Collection());
  return items != nullptr ? items->ImageList() : nullptr;
}

void TDvImageListItem::SetKind(TDvImageListItemKind kind) {
  if (kind == kind_) return;
  if (kind == ikMappedResourceBitmap)
    throw EDvImageListError(Format(kItemKindNotSupportedMessage, "ikMappedResourceBitmap"));
  kind_ = kind;
  if (kind == ikInlineBitmap) {
    resourceName_.clear();
  } else {
    ScopedFlag quiet(quiet_);
    bitmap_.Assign(nullptr);
  }
}

void TDvImageListItem::SetTransparentColor(TColor color) {
  if (color == transparentColor_) return;
  transparentColor_ = color;
  UpdateImage();
}

void TDvImageListItem::SetBitmap(const TBitmap* bitmap) {
  if (kind_ == ikInlineBitmap) {
    ScopedFlag quiet(quiet_);
    bitmap_.Assign(bitmap);
  }
  UpdateImage();
}

void TDvImageListItem::SetResourceName(const std::string& name) {
  if (kind_ == ikInlineBitmap || name == resourceName_) return;
  resourceName_ = name;
  UpdateImage();
}

void TDvImageListItem::BitmapChanged() {
  if (!quiet_) UpdateImage();
}

void TDvImageListItem::UpdateImage() {
  UpdateImageAt(Index());
}

void TDvImageListItem::UpdateImageAt(int index) {
  TDvImageList* list = ImageList();
  if (list == nullptr || index < 0 || index >= list->Count()) return;
  if (kind_ == ikResourceBitmap) {
    if (resourceName_.empty()) return;
    try {
      TBitmap loaded;
      loaded.LoadFromResourceName(GetModuleHandleA(nullptr), resourceName_);
      list->ReplaceMasked(index, loaded, transparentColor_);
    } catch (const Exception&) {
      // A missing or unreadable resource leaves the image as it was.
    }
  } else if (kind_ == ikInlineBitmap && bitmap_.Width() == list->Width() &&
             bitmap_.Height() == list->Height()) {
    ScopedFlag quiet(quiet_);
    list->ReplaceMasked(index, bitmap_, transparentColor_);
  }
}

void TDvImageListItem::SetIndex(int index) {
  const int from = Index();
  TCollectionItem::SetIndex(index);
  const int to = Index();
  TDvImageList* list = ImageList();
  if (list == nullptr || from == to || from < 0 || to < 0) return;
  if (from < list->Count() && to < list->Count()) list->Move(from, to);
}

std::string TDvImageListItem::DisplayName() const {
  switch (kind_) {
    case ikResourceBitmap:
      return "Resource " + resourceName_;
    case ikMappedResourceBitmap:
      return "Mapped Resource " + resourceName_;
    case ikInlineBitmap:
      break;
  }
  return "Bitmap " + PixelFormatNames().at(static_cast<size_t>(bitmap_.PixelFormat()));
}

void TDvImageListItem::Assign(const TPersistent* source) {
  const auto* item = dynamic_cast<const TDvImageListItem*>(source);
  if (item == nullptr) {
    TCollectionItem::Assign(source);
    return;
  }
  if (item == this) return;
  kind_ = item->kind_;
  transparentColor_ = item->transparentColor_;
  resourceName_ = item->resourceName_;
  {
    ScopedFlag quiet(quiet_);
    bitmap_.Assign(&item->bitmap_);
  }
  UpdateImage();
}

TDvImageListItems::TDvImageListItems(TDvImageList* owner)
    : TCollection(owner,
                  [](TCollection* items) { return std::make_unique<TDvImageListItem>(items); }),
      owner_(owner) {}

void TDvImageListItems::Update(TCollectionItem* item) {
  if (item != nullptr) static_cast<TDvImageListItem*>(item)->UpdateImage();
}

void TDvImageListItems::Notify(TCollectionItem* item, TOperation operation) {
  TCollection::Notify(item, operation);
  if (operation != TOperation::opRemove || owner_ == nullptr) return;
  const int index = item->Index();
  if (index >= 0 && index < owner_->Count()) owner_->Delete(index);
}
