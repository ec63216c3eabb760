#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "framework/core/FormReader.h"
#include "framework/core/Picture.h"
#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"
#include "tests/framework/core/PictureTestGraphics.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

Bytes Text(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

Bytes Stored(const TPicture& picture) {
  TMemoryStream stream;
  picture.WriteData(stream);
  return stream.Bytes();
}

const TTestGraphic* TestGraphicOf(const TPicture& picture) {
  return dynamic_cast<const TTestGraphic*>(picture.Graphic());
}

class PictureData : public testing::Test {
 protected:
  void SetUp() override {
    TPicture::RegisterFileFormat("tst", "Test Graphic", TTestGraphic::StaticClassInfo(),
                                 GraphicFactory<TTestGraphic>());
    picture.OnChange = [this](TObject* sender) {
      EXPECT_EQ(sender, &picture);
      ++changes;
    };
  }
  void TearDown() override { TPicture::UnregisterGraphicClass(TTestGraphic::StaticClassInfo()); }

  // Reads stored data into the picture; the stream position afterwards.
  int64_t Read(const Bytes& bytes) {
    TMemoryStream stream(bytes);
    picture.ReadData(stream);
    return stream.Position();
  }

  TPicture picture;
  int changes = 0;
};

TEST_F(PictureData, RoundTripsClassNameAndTheGraphicsOwnData) {
  picture.TakeGraphic(std::make_unique<TTestGraphic>(Bytes{1, 2, 3}));
  const Bytes stored = Stored(picture);
  EXPECT_EQ(stored, Concat({{12}, Text("TTestGraphic"), {3, 0, 0, 0, 1, 2, 3}}));

  TPicture copy;
  int copyChanges = 0;
  copy.OnChange = [&](TObject*) { ++copyChanges; };
  TMemoryStream stream(stored);
  copy.ReadData(stream);
  ASSERT_NE(TestGraphicOf(copy), nullptr);
  EXPECT_EQ(TestGraphicOf(copy)->Payload(), (Bytes{1, 2, 3}));
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_EQ(copyChanges, 1);
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(stored.size()));
}

TEST_F(PictureData, EmptyPictureIsOneZeroByteAndReadsBackEmpty) {
  EXPECT_EQ(Stored(picture), (Bytes{0}));
  picture.TakeGraphic(std::make_unique<TTestGraphic>(Bytes{5}));
  changes = 0;
  Read({0, 'x', 'y'});
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_EQ(changes, 1);
  Read({});
  EXPECT_EQ(picture.Graphic(), nullptr);
}

TEST_F(PictureData, UnknownClassNameEmptiesThePictureAndSkipsTheRest) {
  picture.TakeGraphic(std::make_unique<TTestGraphic>(Bytes{5}));
  const Bytes stored = Concat({{9}, Text("TNotThere"), {4, 0, 0, 0, 'G', 'I', 'F', '8'}});
  EXPECT_EQ(Read(stored), static_cast<int64_t>(stored.size()));
  EXPECT_EQ(picture.Graphic(), nullptr);
  // Names match exactly, not ignoring case.
  Read(Concat({{12}, Text("TTESTGRAPHIC"), {0, 0, 0, 0}}));
  EXPECT_EQ(picture.Graphic(), nullptr);
}

TEST_F(PictureData, LengthByteAboveTheNameRoomCountsAsUnknown) {
  picture.TakeGraphic(std::make_unique<TTestGraphic>(Bytes{5}));
  // 200 announced, 12 present: no read past the end and no failure.
  Bytes stored = Concat({{200}, Text("TTestGraphic")});
  EXPECT_EQ(Read(stored), static_cast<int64_t>(stored.size()));
  EXPECT_EQ(picture.Graphic(), nullptr);
  // 64 bytes of name, then data a registered class could read: still unknown.
  picture.TakeGraphic(std::make_unique<TTestGraphic>(Bytes{5}));
  stored = Concat({{64}, Text("TTestGraphic"), Bytes(52, ' '), {1, 0, 0, 0, 7}});
  Read(stored);
  EXPECT_EQ(picture.Graphic(), nullptr);
  // 255 with all bytes present.
  stored = Concat({{255}, Bytes(255, 'T'), {1, 2}});
  EXPECT_EQ(Read(stored), static_cast<int64_t>(stored.size()));
  EXPECT_EQ(picture.Graphic(), nullptr);
}

TEST_F(PictureData, FailingGraphicKeepsThePreviousOneAndTheErrorGoesOn) {
  picture.TakeGraphic(std::make_unique<TTestGraphic>(Bytes{7}));
  const TGraphic* previous = picture.Graphic();
  changes = 0;
  try {
    Read(Concat({{12}, Text("TTestGraphic"), {2, 0, 0, 0, 'F', 'x'}}));
    FAIL();
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Test graphic is not valid");
  }
  EXPECT_EQ(picture.Graphic(), previous);
  EXPECT_EQ(TestGraphicOf(picture)->Payload(), (Bytes{7}));
  EXPECT_EQ(changes, 0);

  try {
    Read(Concat({{12}, Text("TTestGraphic"), {9, 0, 0, 0, 1}}));
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Stream read error");
  }
  EXPECT_EQ(picture.Graphic(), previous);
  // A class name cut short is a read error too.
  EXPECT_THROW(Read(Concat({{12}, Text("TTest")})), EReadError);
  EXPECT_EQ(picture.Graphic(), previous);
}

TEST_F(PictureData, WritingCutsALongClassNameTo63Characters) {
  using TLong = TTestGraphicWithAClassNameThatIsFarTooLongToBeStoredInPictureDataXY;
  ASSERT_EQ(TLong::StaticClassInfo().Name().size(), 67u);
  picture.TakeGraphic(std::make_unique<TLong>());
  const Bytes stored = Stored(picture);
  ASSERT_EQ(stored[0], 63);
  EXPECT_EQ(std::string(stored.begin() + 1, stored.begin() + 64),
            TLong::StaticClassInfo().Name().substr(0, 63));
  EXPECT_EQ(stored.size(), 1u + 63u + 4u);
  // The cut name belongs to no class, so it reads back as an empty picture.
  TPicture copy;
  TMemoryStream stream(stored);
  copy.ReadData(stream);
  EXPECT_EQ(copy.Graphic(), nullptr);
}

TEST_F(PictureData, ReadingUsesTheMostRecentRegistrationOfTheName) {
  int newer = 0;
  TPicture::RegisterFileFormat("tst2", "Newer", TTestGraphic::StaticClassInfo(), [&newer] {
    ++newer;
    return std::unique_ptr<TGraphic>(std::make_unique<TTestGraphic>());
  });
  Read(Concat({{12}, Text("TTestGraphic"), {1, 0, 0, 0, 4}}));
  EXPECT_EQ(newer, 1);
  ASSERT_NE(TestGraphicOf(picture), nullptr);
  EXPECT_EQ(TestGraphicOf(picture)->Payload(), (Bytes{4}));
}

TEST_F(PictureData, StoredOnlyWithAGraphicOrWhenDifferentFromTheAncestor) {
  EXPECT_FALSE(picture.DataStored(nullptr));
  TPicture ancestor;
  EXPECT_FALSE(picture.DataStored(&ancestor));
  picture.TakeGraphic(std::make_unique<TTestGraphic>(Bytes{1, 2}));
  EXPECT_TRUE(picture.DataStored(nullptr));
  EXPECT_TRUE(picture.DataStored(&ancestor));
  ancestor.TakeGraphic(std::make_unique<TTestGraphic>(Bytes{1, 2}));
  EXPECT_FALSE(picture.DataStored(&ancestor));
  ancestor.TakeGraphic(std::make_unique<TTestGraphic>(Bytes{1, 3}));
  EXPECT_TRUE(picture.DataStored(&ancestor));
  EXPECT_FALSE(picture.DataStored(&picture));
  picture.SetGraphic(nullptr);
  EXPECT_TRUE(picture.DataStored(&ancestor));
}

TEST_F(PictureData, GraphicNotificationsReachThePicture) {
  picture.TakeGraphic(std::make_unique<TTestGraphic>(Bytes{1}));
  std::vector<std::string> progress;
  picture.OnProgress = [&](TObject* sender, TProgressStage stage, uint8_t percent, bool redraw,
                           const TRect&, const std::string& message) {
    EXPECT_EQ(sender, picture.Graphic());
    EXPECT_EQ(stage, psRunning);
    EXPECT_FALSE(redraw);
    progress.push_back(message + std::to_string(percent));
  };
  changes = 0;
  auto* graphic = const_cast<TTestGraphic*>(TestGraphicOf(picture));
  graphic->SetPayload({1, 2});
  graphic->ReportProgress(40);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(progress, (std::vector<std::string>{"busy40"}));
  EXPECT_EQ(picture.Width(), 2);
  EXPECT_EQ(picture.Height(), 1);
}

TEST_F(PictureData, SetGraphicAndAssignCopyTheGraphic) {
  TTestGraphic original(Bytes{9, 8});
  picture.SetGraphic(&original);
  ASSERT_NE(picture.Graphic(), &original);
  EXPECT_EQ(TestGraphicOf(picture)->Payload(), (Bytes{9, 8}));

  TPicture other;
  other.Assign(&picture);
  EXPECT_NE(other.Graphic(), picture.Graphic());
  EXPECT_EQ(TestGraphicOf(other)->Payload(), (Bytes{9, 8}));
  TTestGraphic target;
  target.Assign(&other);
  EXPECT_EQ(target.Payload(), (Bytes{9, 8}));

  other.Assign(nullptr);
  EXPECT_EQ(other.Graphic(), nullptr);

  TDerivedTestGraphic unregistered;
  try {
    picture.SetGraphic(&unregistered);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TDerivedTestGraphic to a TPicture");
  }
  EXPECT_EQ(TestGraphicOf(picture)->Payload(), (Bytes{9, 8}));
}

TEST_F(PictureData, FilesAreReadByTheClassOfTheirExtension) {
  const std::string name = testing::TempDir() + "picture-test.TsT";
  {
    std::ofstream file(name, std::ios::binary);
    file << "abc";
  }
  picture.LoadFromFile(name);
  ASSERT_NE(TestGraphicOf(picture), nullptr);
  EXPECT_EQ(TestGraphicOf(picture)->Payload(), Text("abc"));
  std::remove(name.c_str());
  try {
    picture.LoadFromFile(testing::TempDir() + "picture.XYZ");
    FAIL();
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Unknown picture file extension (.xyz)");
  }
  EXPECT_THROW(picture.LoadFromFile(testing::TempDir() + "missing-picture.tst"), EStreamError);
  EXPECT_EQ(TestGraphicOf(picture)->Payload(), Text("abc"));
}

TEST_F(PictureData, SavedFilesReadBackWhateverTheirLength) {
  const std::string name = testing::TempDir() + "picture-saved.tst";
  // Longer than one read block, and with every byte value.
  Bytes payload(10000);
  for (size_t i = 0; i < payload.size(); ++i)
    payload[i] = static_cast<uint8_t>(i * 7);
  picture.TakeGraphic(std::make_unique<TTestGraphic>(payload));
  picture.SaveToFile(name);
  TPicture loaded;
  loaded.LoadFromFile(name);
  std::remove(name.c_str());
  ASSERT_NE(TestGraphicOf(loaded), nullptr);
  EXPECT_EQ(TestGraphicOf(loaded)->Payload(), payload);

  const std::string unwritable = testing::TempDir() + "no-such-folder/picture.tst";
  try {
    picture.SaveToFile(unwritable);
    FAIL();
  } catch (const EStreamError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file \"" + unwritable + "\"");
  }
}

TEST_F(PictureData, ClipboardFormatsChooseTheGraphicClass) {
  TPicture::RegisterClipboardGraphic(49001, TTestGraphic::StaticClassInfo(),
                                     GraphicFactory<TTestGraphic>());
  EXPECT_TRUE(TPicture::SupportsClipboardFormat(49001));
  EXPECT_FALSE(TPicture::SupportsClipboardFormat(49002));
  // The test graphic has no clipboard form: the graphic's own error goes on.
  EXPECT_THROW(picture.LoadFromClipboardFormat(49001, nullptr, nullptr), EInvalidGraphic);
  try {
    picture.LoadFromClipboardFormat(49002, nullptr, nullptr);
    FAIL();
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Unsupported clipboard format");
  }
}

// ---- the registries ----

TEST(FileFormatsList, ExtensionsAreStoredAndFoundInLowerCase) {
  TFileFormatsList list;
  list.Add("GIF", "CompuServe GIF Image", 0, TTestGraphic::StaticClassInfo(), nullptr);
  list.Add("bmp", "", 61440, TDerivedTestGraphic::StaticClassInfo(), nullptr);
  EXPECT_EQ(list.Entries()[0].extension, "gif");
  EXPECT_EQ(list.Entries()[1].descriptionResId, 61440);
  ASSERT_NE(list.FindExt("Gif"), nullptr);
  EXPECT_EQ(list.FindExt("Gif")->description, "CompuServe GIF Image");
  EXPECT_EQ(list.FindExt(".GIF"), list.FindExt("gif"));
  EXPECT_EQ(list.FindExt("gi"), nullptr);
  EXPECT_EQ(list.FindClassName("TDerivedTestGraphic")->extension, "bmp");
  EXPECT_EQ(list.FindClassName("tderivedtestgraphic"), nullptr);
}

TEST(FileFormatsList, LookupsFindTheNewestEntryFirst) {
  TFileFormatsList list;
  list.Add("img", "older", 0, TTestGraphic::StaticClassInfo(), nullptr);
  list.Add("img", "newer", 0, TDerivedTestGraphic::StaticClassInfo(), nullptr);
  list.Add("pic", "newest", 0, TTestGraphic::StaticClassInfo(), nullptr);
  EXPECT_EQ(list.FindExt("img")->description, "newer");
  EXPECT_EQ(list.FindClassName("TTestGraphic")->description, "newest");
  EXPECT_EQ(list.FindClass(TTestGraphic::StaticClassInfo())->description, "newest");
}

TEST(FileFormatsList, UnregisteringAClassRemovesItsDerivedClassesToo) {
  TFileFormatsList list;
  list.Add("a", "base", 0, TTestGraphic::StaticClassInfo(), nullptr);
  list.Add("b", "derived", 0, TDerivedTestGraphic::StaticClassInfo(), nullptr);
  list.Add("c", "ancestor", 0, TGraphic::StaticClassInfo(), nullptr);
  list.Add("d", "base again", 0, TTestGraphic::StaticClassInfo(), nullptr);
  list.Remove(TDerivedTestGraphic::StaticClassInfo());
  EXPECT_EQ(list.Entries().size(), 3u);
  EXPECT_EQ(list.FindExt("b"), nullptr);
  list.Remove(TTestGraphic::StaticClassInfo());
  ASSERT_EQ(list.Entries().size(), 1u);
  EXPECT_EQ(list.Entries()[0].description, "ancestor");
}

TEST(ClipboardFormats, FormatsMapToClassesNewestFirstAndGoWithTheirClass) {
  TClipboardFormats formats;
  formats.Add(2, TTestGraphic::StaticClassInfo(), nullptr);
  formats.Add(49500, TDerivedTestGraphic::StaticClassInfo(), nullptr);
  formats.Add(2, TDerivedTestGraphic::StaticClassInfo(), nullptr);
  EXPECT_EQ(formats.FindFormat(2)->graphicClass, &TDerivedTestGraphic::StaticClassInfo());
  EXPECT_EQ(formats.FindFormat(3), nullptr);
  formats.Remove(TDerivedTestGraphic::StaticClassInfo());
  EXPECT_EQ(formats.FindFormat(2)->graphicClass, &TTestGraphic::StaticClassInfo());
  EXPECT_EQ(formats.FindFormat(49500), nullptr);
  formats.Remove(TTestGraphic::StaticClassInfo());
  EXPECT_TRUE(formats.Entries().empty());
}

}  // namespace

namespace {

// A component with a published picture, as an image control has.
class TPictureHolder : public TComponent {
  DV_CLASS(TPictureHolder)
 public:
  explicit TPictureHolder(TComponent* owner) : TComponent(owner) {}
  TPicture* Picture() { return &picture_; }

 private:
  TPicture picture_;
};

const TClassInfo& TPictureHolder::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TPictureHolder, TComponent>(
      "TPictureHolder",
      [](TPropertyBuilder<TPictureHolder>& b) { b.Object("Picture", &TPictureHolder::Picture); });
  return info;
}

TEST_F(PictureData, TravelsThroughFormDataAsPictureData) {
  ClassRegistry::Register(TPictureHolder::StaticClassInfo());
  TPictureHolder holder(nullptr);
  FormReader::ReadRoot(holder,
                       "object Holder: TPictureHolder\n"
                       "  Picture.Data = {\n"
                       "    0C5454657374477261706869630200000041 42}\n"
                       "end\n");
  ASSERT_NE(TestGraphicOf(*holder.Picture()), nullptr);
  EXPECT_EQ(TestGraphicOf(*holder.Picture())->Payload(), Text("AB"));
  const std::string written = FormWriter::WriteRoot(holder);
  EXPECT_NE(written.find("Picture.Data = {"), std::string::npos) << written;
  EXPECT_NE(written.find("0C54546573744772617068696302000000414"), std::string::npos) << written;

  holder.Picture()->SetGraphic(nullptr);
  EXPECT_EQ(FormWriter::WriteRoot(holder).find("Picture."), std::string::npos);
  ClassRegistry::Unregister(TPictureHolder::StaticClassInfo());
}

}  // namespace
