#include "framework/core/TypInfo.h"

#include "imaging/gif/GIFRegistration.h"

#include <windows.h>

#include "framework/core/Picture.h"
#include "framework/core/PictureFormats.h"
#include "imaging/gif/DvGIFImage.h"

namespace {
TClipboardFormat& RememberedClipboardFormat() {
  static TClipboardFormat format = 0;
  return format;
}

TClipboardFormat RegisterGIFClipboardFormat() {
  TClipboardFormat& format = RememberedClipboardFormat();
  format = RegisterClipboardFormatA("GIF Image");
  return format;
}

}  // namespace

const TClassInfo& GIFFrameClassInfo() {
  static const TClassInfo info("TDvGIFFrame", &TPersistent::StaticClassInfo());
  return info;
}

TClipboardFormat GIFClipboardFormat() {
  const TClipboardFormat format = RememberedClipboardFormat();
  return format != 0 ? format : RegisterGIFClipboardFormat();
}

void RegisterGIFGraphic() {
  const TClipboardFormat format = RegisterGIFClipboardFormat();
  ClassRegistry::Register(GIFFrameClassInfo());
  ClassRegistry::Register(TDvGIFImage::StaticClassInfo());
  const TClassInfo& imageClass = TDvGIFImage::StaticClassInfo();
  if (FileFormats().FindClass(imageClass) != nullptr) return;
  FileFormats().Add("gif", "CompuServe GIF Image", 0, imageClass, GraphicFactory<TDvGIFImage>());
  ClipboardFormats().Add(format, imageClass, GraphicFactory<TDvGIFImage>());
}

void UnregisterGIFGraphic() {
  TPicture::UnregisterGraphicClass(TDvGIFImage::StaticClassInfo());
}
