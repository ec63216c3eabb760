// The items of an image list in imItemList mode: item i describes image i of the list, taken
// from a bitmap resource or from a bitmap of its own.
#pragma once

#include <string>

#include "controls/images/DvImageListTypes.h"
#include "framework/core/Collections.h"
#include "framework/win/graphics/Bitmap.h"

class TDvImageList;

// The item's bitmap, stored in form data as "Bitmap.Data".
class TDvImageListItemBitmap : public TBitmap {
  DV_CLASS(TDvImageListItemBitmap)
 public:
  TDvImageListItemBitmap() = default;
  void DefineProperties(TFiler& filer) override;
};

class TDvImageListItem : public TCollectionItem {
  DV_CLASS(TDvImageListItem)
 public:
  // Adds a blank (wholly transparent) image for the item to the owning list.
  explicit TDvImageListItem(TCollection* collection);

  TDvImageListItemKind Kind() const { return kind_; }
  // ikMappedResourceBitmap fails with EDvImageListError "The item kind ikMappedResourceBitmap is
  // not supported so far.". A resource kind clears the bitmap, ikInlineBitmap the resource name;
  // the image stays as it is.
  void SetKind(TDvImageListItemKind kind);
  TColor TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(TColor color);
  // Owned; setting copies (ikInlineBitmap only) and updates the image.
  TBitmap* Bitmap() { return &bitmap_; }
  void SetBitmap(const TBitmap* bitmap);
  // Used by the resource kinds only.
  const std::string& ResourceName() const { return resourceName_; }
  void SetResourceName(const std::string& name);

  // Makes image Index() of the list from the item: a bitmap resource of the program, or the
  // item's bitmap when it has exactly the list's size. Failures leave the image as it was.
  void UpdateImage();
  // Moves the image along when both positions are images of the list.
  void SetIndex(int index) override;
  // "Resource <name>", "Mapped Resource <name>", "Bitmap <pixel format>".
  std::string DisplayName() const override;
  void Assign(const TPersistent* source) override;

 private:
  TDvImageList* ImageList() const;
  void UpdateImageAt(int index);
  void BitmapChanged();

  TDvImageListItemKind kind_ = ikResourceBitmap;
  TColor transparentColor_ = clFuchsia;
  TDvImageListItemBitmap bitmap_;
  std::string resourceName_;
  bool quiet_ = false;  // the item's own changes of its bitmap update nothing
};

class TDvImageListItems : public TCollection {
  DV_CLASS(TDvImageListItems)
 public:
  explicit TDvImageListItems(TDvImageList* owner);

  TDvImageListItem* Items(int index) const {
    return static_cast<TDvImageListItem*>(TCollection::Items(index));
  }
  TDvImageListItem& Add() { return static_cast<TDvImageListItem&>(TCollection::Add()); }
  TDvImageList* ImageList() const { return owner_; }

 protected:
  // One item changed: its image is made again.
  void Update(TCollectionItem* item) override;
  // An item going away takes its image with it.
  void Notify(TCollectionItem* item, TOperation operation) override;

 private:
  TDvImageList* owner_;
};
