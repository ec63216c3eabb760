// Stored picture data from untrusted bytes: the class-name lookup, the graphic's own data (a test
// graphic and a bitmap file graphic), and a write-read round trip of whatever was read.
#include <cstdlib>

#include "framework/core/BitmapFile.h"
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

const TClassInfo& TDibTestGraphic::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TDibTestGraphic, TGraphic>("TDibTestGraphic");
  return info;
}

bool Register() {
  TPicture::RegisterFileFormat("tst", "Test", TTestGraphic::StaticClassInfo(),
                               GraphicFactory<TTestGraphic>());
  TPicture::RegisterFileFormat("bmp", "Bitmaps", TDibTestGraphic::StaticClassInfo(),
                               GraphicFactory<TDibTestGraphic>());
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
