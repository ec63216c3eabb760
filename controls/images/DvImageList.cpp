#include "controls/images/DvImageList.h"

#include <algorithm>

#include "controls/images/DvImageListData.h"
#include "framework/core/ScopedFlag.h"
#include "framework/core/SysUtils.h"
#include "framework/win/graphics/PictureBitmap.h"

namespace {

bool SameFileName(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool FileExists(const std::string& fileName) {
  const DWORD attributes = GetFileAttributesA(fileName.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// A bitmap resource of the program, else a bitmap file kept as raw data; false when neither
// exists or the bitmap cannot be read.
bool LoadResourceBitmap(const std::string& name, TBitmap& bitmap) {
  HINSTANCE module = GetModuleHandleA(nullptr);
  try {
    if (TBitmap::HasBitmapResource(module, name)) {
      bitmap.LoadFromResourceName(module, name);
      return true;
    }
    HRSRC resource = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (resource == nullptr) return false;
    const void* data = LockResource(LoadResource(module, resource));
    if (data == nullptr) return false;
    TReadOnlyMemoryStream stream(data, SizeofResource(module, resource));
    bitmap.LoadFromStream(stream);
    return true;
  } catch (const Exception&) {
    return false;
  }
}

}  // namespace

TPixelFormat PixelFormatOfDepth(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
      return pf1bit;
    case 4:
      return pf4bit;
    case 8:
      return pf8bit;
    case 15:
      return pf15bit;
    case 16:
      return pf16bit;
    case 24:
      return pf24bit;
    case 32:
      return pf32bit;
    default:
      return pfDevice;
  }
}

UINT ImageListCreationFlags(TPixelFormat format, bool masked, int displayBitsPerPixel) {
  if (format == pfDevice) format = PixelFormatOfDepth(displayBitsPerPixel);
  UINT flags = ILC_COLORDDB;
  switch (format) {
    case pf4bit:
      flags = ILC_COLOR4;
      break;
    case pf8bit:
      flags = ILC_COLOR8;
      break;
    case pf15bit:
    case pf16bit:
      flags = ILC_COLOR16;
      break;
    case pf24bit:
      flags = ILC_COLOR24;
      break;
    case pf32bit:
      flags = ILC_COLOR32;
      break;
    default:
      break;
  }
  return masked ? flags | ILC_MASK : flags;
}

TDvImageList::TDvImageList(TComponent* owner) : TCustomImageList(owner), items_(this) {
  picture_.OnChange = [this](TObject*) { UpdateImages(); };
  resourceIds_.OnChange = [this](TObject*) { UpdateImages(); };
}

TDvImageList::~TDvImageList() {
  // The sources go before the platform list and rebuild nothing on their way.
  picture_.OnChange.Clear();
  resourceIds_.OnChange.Clear();
}

template <class F>
void TDvImageList::WithinUpdate(F&& body) {
  BeginUpdate();
  try {
    body();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TDvImageList::Change() {
  if (takingNewHandle_) return;
  changed_ = true;
  if (updateCount_ > 0) return;
  changed_ = false;
  TCustomImageList::Change();
}

void TDvImageList::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0 && changed_) Change();
}

void TDvImageList::SetMode(TDvImageListMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  UpdateImages();
}

void TDvImageList::SetTransparentMode(TDvTransparentMode mode) {
  if (mode == transparentMode_) return;
  transparentMode_ = mode;
  UpdateImages();
}

void TDvImageList::SetTransparentColor(TColor color) {
  if (color == transparentColor_) return;
  transparentColor_ = color;
  if (transparentMode_ == TDvTransparentMode::tmColor) UpdateImages();
}

void TDvImageList::SetFileName(const std::string& fileName) {
  if (SameFileName(fileName, fileName_)) return;
  fileName_ = fileName;
  const bool reading = (ComponentState() & csReading) != 0;
  if ((reading && !IsDesigning()) || !FileExists(fileName_)) return;
  try {
    picture_.LoadFromFile(fileName_);
  } catch (const Exception&) {
    // An unreadable file leaves the picture (and the images) as they were.
  }
}

void TDvImageList::SetItems(const TDvImageListItems& items) {
  WithinUpdate([&] {
    Clear();
    items_.Assign(&items);
  });
}

void TDvImageList::SetPixelFormat(TPixelFormat format) {
  if (format == pixelFormat_ || format == pf1bit || format == pfCustom) return;
  if (!HandleAllocated()) {
    pixelFormat_ = format;
    return;
  }
  WithinUpdate([&] {
    pixelFormat_ = format;
    RecreateHandle();
    Change();
  });
}

void TDvImageList::CreateHandle() {
  HIMAGELIST list =
      CreateListHandle(ImageListCreationFlags(pixelFormat_, Masked(), ScreenBitsPerPixel()));
  ScopedFlag taking(takingNewHandle_);
  SetHandle(list);
}

void TDvImageList::UpdateImages() {
  if (rebuilding_) return;
  if (mode_ == imPicture)
    RebuildFromPicture();
  else if (mode_ == imResourceIds)
    RebuildFromResources();
}

void TDvImageList::RebuildFromPicture() {
  ScopedFlag rebuilding(rebuilding_);
  WithinUpdate([&] {
    Clear();
    TGraphic* graphic = picture_.Graphic();
    if (graphic == nullptr) return;
    if (auto* bitmap = dynamic_cast<TBitmap*>(graphic)) {
      AddCells(*bitmap);
    } else {
      std::unique_ptr<TBitmap> drawn = PictureToBitmap(picture_, transparentColor_);
      AddCells(*drawn);
    }
  });
}

void TDvImageList::AddCells(TBitmap& source) {
  const int width = Width();
  const int height = Height();
  if (width <= 0 || height <= 0 || source.Empty()) return;
  const int count = std::max(source.Width() / width, 1);
  const TPixelFormat format = source.PixelFormat() == pfCustom ? pfDevice : source.PixelFormat();
  const TRect sourceRect{0, 0, source.Width(), source.Height()};
  for (int i = 0; i < count; ++i) {
    TColor maskColor = transparentColor_;
    if (transparentMode_ == TDvTransparentMode::tmNone)
      maskColor = clNone;
    else if (transparentMode_ == TDvTransparentMode::tmAuto)
      maskColor = source.Canvas().Pixel(width * i, height - 1);
    // Where the picture ends inside the cell, the cell shows its mask colour.
    TBitmap cell(width, height, format);
    cell.Canvas().Brush().SetColor(maskColor != clNone ? maskColor : transparentColor_);
    cell.Canvas().FillRect(TRect{0, 0, width, height});
    const TRect from = TRect{width * i, 0, width * (i + 1), height}.Intersect(sourceRect);
    if (!from.IsEmpty())
      cell.Canvas().CopyRect(TRect{0, 0, from.Width(), from.Height()}, source.Canvas(), from);
    AddMasked(cell, maskColor);
  }
}

void TDvImageList::RebuildFromResources() {
  ScopedFlag rebuilding(rebuilding_);
  WithinUpdate([&] {
    Clear();
    for (const std::string& name : resourceIds_.Lines()) {
      if (TrimSpaces(name).empty()) continue;
      TBitmap bitmap;
      if (!LoadResourceBitmap(name, bitmap) || bitmap.Empty()) continue;
      TColor maskColor = clNone;
      if (transparentMode_ == TDvTransparentMode::tmAuto)
        maskColor = bitmap.Canvas().Pixel(0, bitmap.Height() - 1);
      else if (transparentMode_ == TDvTransparentMode::tmColor)
        maskColor = transparentColor_;
      AddMasked(bitmap, maskColor);
    }
  });
}

void TDvImageList::Assign(const TPersistent* source) {
  const auto* list = dynamic_cast<const TDvImageList*>(source);
  if (list == nullptr) {
    TCustomImageList::Assign(source);
    return;
  }
  if (list == this) return;
  WithinUpdate([&] {
    Clear();
    mode_ = imClassic;
    const TGraphic* graphic = list->picture_.Graphic();
    if (graphic == nullptr || graphic->Empty())
      picture_.Assign(nullptr);
    else
      picture_.Assign(&list->picture_);
    resourceIds_.Assign(&list->resourceIds_);
    SetTransparentMode(list->transparentMode_);
    SetTransparentColor(list->transparentColor_);
    SetPixelFormat(list->pixelFormat_);
    TCustomImageList::Assign(list);
    SetMode(list->mode_);
  });
}

void TDvImageList::ReadData(TStream& stream) {
  ImageListHandle read = ReadImageListData(stream, Width(), Height());
  WithinUpdate([&] { SetHandle(read.Release()); });
}

void TDvImageList::WriteData(TStream& stream) {
  WriteImageListData(Handle(), stream);
}
