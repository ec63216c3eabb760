// The image operations of TCustomImageList: add, replace, delete, move, clear, copy out.
#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/imagelists/ImageListBitmaps.h"

namespace {

HBITMAP HandleOf(TBitmap* bitmap) {
  return bitmap != nullptr ? bitmap->Handle() : nullptr;
}

}  // namespace

int TCustomImageList::Add(TBitmap& image, TBitmap* mask) {
  HIMAGELIST list = Handle();
  const int index = ImageList_Add(list, image.Handle(), HandleOf(mask));
  if (index < 0) throw EInvalidOperation(kInsertImageMessage);
  Change();
  return index;
}

int TCustomImageList::AddMasked(TBitmap& image, TColor maskColor) {
  if (maskColor == clNone) return Add(image, nullptr);
  HIMAGELIST list = Handle();
  HBITMAP source = image.Handle();
  if (source == nullptr) throw EInvalidOperation(kInsertImageMessage);
  // The platform would blacken the caller's bitmap; a split copy is handed over instead.
  TImageAndMask split = SplitByColor(source, ColorToRGB(maskColor));
  const int index = ImageList_Add(list, split.image.Get(), masked_ ? split.mask.Get() : nullptr);
  if (index < 0) throw EInvalidOperation(kInsertImageMessage);
  Change();
  return index;
}

void TCustomImageList::AddImages(const TCustomImageList& source) {
  if (!source.HandleAllocated() || source.Count() == 0) return;
  HIMAGELIST list = Handle();
  BeginUpdate();
  try {
    for (int i = 0; i < source.Count(); ++i) {
      TImageAndMask copy =
          ExtractImage(source.handle_.Get(), i, source.width_, source.height_, source.masked_);
      if (ImageList_Add(list, copy.image.Get(), copy.mask.Get()) < 0)
        throw EInvalidOperation(kInsertImageMessage);
      Change();
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCustomImageList::Replace(int index, TBitmap& image, TBitmap* mask) {
  CheckIndex(index);
  if (!ImageList_Replace(handle_.Get(), index, image.Handle(), HandleOf(mask)))
    throw EInvalidOperation(kReplaceImageMessage);
  Change();
}

void TCustomImageList::ReplaceMasked(int index, TBitmap& image, TColor maskColor) {
  if (maskColor == clNone) {
    Replace(index, image, nullptr);
    return;
  }
  CheckIndex(index);
  HBITMAP source = image.Handle();
  if (source == nullptr) throw EInvalidOperation(kReplaceImageMessage);
  TImageAndMask split = SplitByColor(source, ColorToRGB(maskColor));
  if (!ImageList_Replace(handle_.Get(), index, split.image.Get(),
                         masked_ ? split.mask.Get() : nullptr))
    throw EInvalidOperation(kReplaceImageMessage);
  Change();
}

void TCustomImageList::Delete(int index) {
  CheckIndex(index);
  ImageList_Remove(handle_.Get(), index);
  Change();
}

void TCustomImageList::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  // The images between shift by one towards the gap, then the moving one goes in at its place.
  HIMAGELIST list = handle_.Get();
  const auto extract = [&](int index) {
    return ExtractImage(list, index, width_, height_, masked_);
  };
  const auto put = [&](int index, const TImageAndMask& image) {
    if (!ImageList_Replace(list, index, image.image.Get(), image.mask.Get()))
      throw EInvalidOperation(kReplaceImageMessage);
  };
  const TImageAndMask moving = extract(curIndex);
  const int step = newIndex > curIndex ? 1 : -1;
  for (int i = curIndex; i != newIndex; i += step)
    put(i, extract(i + step));
  put(newIndex, moving);
  Change();
}

void TCustomImageList::Clear() {
  if (HandleAllocated()) ImageList_Remove(handle_.Get(), -1);
  Change();
}

void TCustomImageList::GetBitmap(int index, TBitmap& image) {
  CheckIndex(index);
  image.SetSize(width_, height_);
  ImageList_Draw(handle_.Get(), index, image.Canvas().Handle(), 0, 0, ILD_NORMAL);
}
