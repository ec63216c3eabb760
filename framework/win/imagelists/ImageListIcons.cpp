// Icons in and out of TCustomImageList.
#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Icon.h"
#include "framework/win/imagelists/ImageList.h"

int TCustomImageList::AddIcon(TIcon& icon) {
  HIMAGELIST list = Handle();
  const int index = ImageList_AddIcon(list, icon.Handle());
  if (index < 0) throw EInvalidOperation(kInsertImageMessage);
  Change();
  return index;
}

void TCustomImageList::GetIcon(int index, TIcon& icon) {
  if (index < 0 || index >= Count()) {
    icon.SetHandle(nullptr);
    return;
  }
  icon.SetHandle(ImageList_GetIcon(handle_.Get(), index, ILD_NORMAL));
}
