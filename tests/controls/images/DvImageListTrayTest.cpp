// The tray icon takes its picture from the image list as an icon: image IconIndex of the stored
// state images, and the new image after the list changed. A scripted shell records what it gets.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/images/DvImageList.h"
#include "controls/tray/DvTrayIcon.h"
#include "controls/tray/TrayControls.h"
#include "controls/tray/TrayShellCalls.h"
#include "framework/win/forms/Application.h"
#include "tests/controls/images/support/ImagePixels.h"
#include "tests/controls/images/support/ImageTestForm.h"

namespace {

constexpr TColor kBackground = RGBColor(0x12, 0x34, 0x56);

// An icon drawn at its natural 16 x 16 over the background: plain colours, rows top-down.
std::vector<TColor> IconPixels(HICON icon) {
  PixelSurface surface(16, 16, kBackground);
  DrawIconEx(surface.Dc(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
  std::vector<TColor> pixels;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      pixels.push_back(surface.At(x, y));
  return pixels;
}

struct SentIcon {
  DWORD message = 0;
  std::vector<TColor> pixels;  // taken when sent: the handle goes with the next picture
};
std::vector<SentIcon> sent;

BOOL WINAPI RecordNotifyIcon(DWORD message, PNOTIFYICONDATAA data) {
  SentIcon call;
  call.message = message;
  if (message != NIM_DELETE && (data->uFlags & NIF_ICON) != 0 && data->hIcon != nullptr)
    call.pixels = IconPixels(data->hIcon);
  sent.push_back(std::move(call));
  return TRUE;
}

HRESULT CALLBACK ShellVersionSix(DLLVERSIONINFO* info) {
  info->dwMajorVersion = 6;
  info->dwMinorVersion = 0;
  return S_OK;
}

class DvImageListTray : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterTrayControls();
    Application().Initialize();
  }
  void SetUp() override {
    sent.clear();
    form = LoadImageTestForm("  object StateImageList: TDvImageList\n    Bitmap = " +
                             BinaryValue(ResourceBytes("STATEIMAGES")) +
                             "\n  end\n"
                             "  object TrayIcon: TDvTrayIcon\n"
                             "    Icons = StateImageList\n"
                             "  end\n");
  }
  void TearDown() override { form.reset(); }

  TDvImageList& List() { return form->Component<TDvImageList>("StateImageList"); }
  TDvTrayIcon& Tray() { return form->Component<TDvTrayIcon>("TrayIcon"); }

  TTrayShellCallsScope shell{TTrayShellCalls{&RecordNotifyIcon, &ShellVersionSix}};
  ImageTestFormPtr form;
};

TEST_F(DvImageListTray, TheIconShowsTheImageAtIconIndex) {
  ASSERT_EQ(List().Count(), 4);
  const auto added = std::find_if(sent.begin(), sent.end(),
                                  [](const SentIcon& call) { return call.message == NIM_ADD; });
  ASSERT_NE(added, sent.end());
  EXPECT_EQ(added->pixels, DrawnImage(List(), 0, kBackground));
  // The images have transparent pixels, which the icon keeps.
  EXPECT_NE(DrawnImage(List(), 0, kBackground), DrawnImage(List(), 0, RGBColor(1, 2, 3)));

  for (int index : {3, 1, 2}) {
    sent.clear();
    Tray().SetIconIndex(index);
    ASSERT_FALSE(sent.empty()) << index;
    EXPECT_EQ(sent.back().message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(sent.back().pixels, DrawnImage(List(), index, kBackground)) << index;
    EXPECT_EQ(IconPixels(Tray().Picture().Handle()), sent.back().pixels) << index;
  }
}

TEST_F(DvImageListTray, AChangedImageIsFetchedAgain) {
  TBitmap red(16, 16, pf24bit);
  red.Canvas().Brush().SetColor(clRed);
  red.Canvas().FillRect(TRect{0, 0, 16, 16});
  red.Canvas().Brush().SetColor(clFuchsia);
  red.Canvas().FillRect(TRect{0, 0, 8, 8});
  List().ReplaceMasked(3, red, clFuchsia);
  sent.clear();
  Tray().SetIconIndex(3);
  ASSERT_FALSE(sent.empty());
  std::vector<TColor> expected;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      expected.push_back(x < 8 && y < 8 ? kBackground : RGBColor(255, 0, 0));
  EXPECT_EQ(sent.back().pixels, expected);
}

}  // namespace
