// Stored picture data from untrusted bytes: the class-name lookup, the graphic's own data (a test
// graphic, a bitmap file graphic and an icon file graphic), and a write-read round trip of
// whatever was read.
#include <cstdlib>

#include "framework/core/BitmapFile.h"
#include "framework/core/IconFile.h"
#include "framework/core/Picture.h"
#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"
#include "tests/framework/core/PictureTestGraphics.h"

namespace {

// A graphic whose own data is a bitmap file.
class TDibTestGraphic : public TGraphic {
  DV_CLASS(TDibTestGraphic)
 public:
  void Draw(TCanvas&, const TRect&) override {}
  bool Empty() const override { return image_.width == 0; }
  int Width() const override { return image_.width; }
  int Height() const override { return image_.height; }
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  void LoadFromStream(TStream& stream) override { image_ = ReadDibFile(stream); }
  void SaveToStream(TStream& stream) override { WriteDibFile(image_, stream); }

 private:
  TDibImage image_;
};

// A graphic whose own data is an icon file.
class TIconTestGraphic : public TGraphic {
  DV_CLASS(TIconTestGraphic)
 public:
  void Draw(TCanvas&, const TRect&) override {}
  bool Empty() const override { return file_.images.empty(); }
  int Width() const override { return Empty() ? 0 : file_.images[0].PixelWidth(); }
  int Height() const override { return Empty() ? 0 : file_.images[0].PixelHeight(); }
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  void LoadFromStream(TStream& stream) override {
    file_ = ReadIconFile(stream);
    if (ChooseIconImage(file_, 32) < 0) std::abort();
  }
  void SaveToStream(TStream& stream) override { WriteIconFile(file_, stream); }

 private:
  TIconFile file_;
};

const TClassInfo& TIconTestGraphic::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TIconTestGraphic, TGraphic>("TIconTestGraphic");
  return info;
}

const TClassInfo& TDibTestGraphic::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TDibTestGraphic, TGraphic>("TDibTestGraphic");
  return info;
}

bool Register() {
  TPicture::RegisterFileFormat("tst", "Test", TTestGraphic::StaticClassInfo(),
                               GraphicFactory<TTestGraphic>());
  TPicture::RegisterFileFormat("bmp", "Bitmaps", TDibTestGraphic::StaticClassInfo(),
                               GraphicFactory<TDibTestGraphic>());
  TPicture::RegisterFileFormat("ico", "Icons", TIconTestGraphic::StaticClassInfo(),
                               GraphicFactory<TIconTestGraphic>());
  return true;
}

std::vector<uint8_t> Stored(const TPicture& picture) {
  TMemoryStream stream;
  picture.WriteData(stream);
  return stream.TakeBytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = Register();
  (void)registered;
  TPicture picture;
  TReadOnlyMemoryStream stream(data, static_cast<int64_t>(size));
  try {
    picture.ReadData(stream);
  } catch (const Exception&) {
    if (picture.Graphic() != nullptr) std::abort();  // a failed read keeps the (empty) picture
    return 0;
  }
  const std::vector<uint8_t> written = Stored(picture);
  TPicture again;
  TMemoryStream reread(written);
  again.ReadData(reread);
  if (Stored(again) != written) std::abort();
  return 0;
}
