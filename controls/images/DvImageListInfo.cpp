// Published properties of the image list and its items.
#include "framework/core/TypInfo.h"

#include "controls/images/DvImageList.h"

const TClassInfo& TDvImageList::StaticClassInfo() {
  using C = TDvImageList;
  static const TClassInfo info =
      DefineClassInfo<C, TCustomImageList>("TDvImageList", [](TPropertyBuilder<C>& b) {
        b.Enum("Mode", &C::Mode, &C::SetMode, DvImageListModeNames(), imPicture);
        b.Enum("PixelFormat", &C::PixelFormat, &C::SetPixelFormat, PixelFormatNames(), pfDevice);
        b.Enum("TransparentMode", &C::TransparentMode, &C::SetTransparentMode,
               DvTransparentModeNames(), TDvTransparentMode::tmColor);
        b.Integer("TransparentColor", &C::TransparentColor, &C::SetTransparentColor, clFuchsia, {},
                  &ColorIdents());
        b.String("FileName", &C::FileName, &C::SetFileName, std::string());
        b.Object("Picture", &C::Picture);
        b.Object("ResourceIds", &C::ResourceIds);
        b.Object("Items", &C::Items);
      });
  return info;
}

const TClassInfo& TDvImageListItem::StaticClassInfo() {
  using C = TDvImageListItem;
  static const TClassInfo info =
      DefineClassInfo<C, TCollectionItem>("TDvImageListItem", [](TPropertyBuilder<C>& b) {
        b.Enum("Kind", &C::Kind, &C::SetKind, DvImageListItemKindNames(), ikResourceBitmap);
        b.Integer("TransparentColor", &C::TransparentColor, &C::SetTransparentColor, clFuchsia, {},
                  &ColorIdents());
        b.Object("Bitmap", &C::Bitmap);
        b.String("ResourceName", &C::ResourceName, &C::SetResourceName, std::string());
      });
  return info;
}

const TClassInfo& TDvImageListItems::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TDvImageListItems, TCollection>("TDvImageListItems");
  return info;
}

const TClassInfo& TDvImageListItemBitmap::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TDvImageListItemBitmap, TBitmap>("TDvImageListItemBitmap");
  return info;
}
