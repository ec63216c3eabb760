// Windowless children: mouse enter/leave (also when disabled), mouse routing and capture,
// painting into a DC handed in wParam, the popup menu on a right click.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/graphics/GdiObjects.h"
#include "tests/framework/win/controls/WinTestSupport.h"
#include "tests/framework/win/forms/sample/SampleForm.h"

namespace {

class ControlsTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterSampleClasses();
    form = &Application().CreateForm<TSampleFrm>();
    square = &form->Component<TSampleSquare>("Square");
  }
  void TearDown() override { Application().DestroyForms(); }

  POINT ScreenPointOf(TControl& control, int x, int y) {
    const TPoint p = control.ClientToScreen({x, y});
    return {p.X, p.Y};
  }
  bool Logged(const std::string& entry) {
    return std::find(square->log.begin(), square->log.end(), entry) != square->log.end();
  }

  TSampleFrm* form = nullptr;
  TSampleSquare* square = nullptr;
};

TEST_F(ControlsTest, MouseEnterAndLeaveReachADisabledWindowlessControl) {
  form->Show();
  PumpFor(200);
  ASSERT_FALSE(square->Enabled());
  MoveMouseTo(ScreenPointOf(*form, 150, 5));
  PumpFor(100);
  square->log.clear();
  MoveMouseTo(ScreenPointOf(*square, 8, 8));
  ASSERT_TRUE(PumpUntil([&] { return Logged("enter"); }, 2000));
  EXPECT_TRUE(square->MouseInControl());
  EXPECT_EQ(Application().MouseControl(), square);
  // Leaving the window altogether is noticed too.
  const TPoint outside = form->ClientToScreen({form->ClientWidth() + 40, 10});
  MoveMouseTo({outside.X, outside.Y});
  ASSERT_TRUE(PumpUntil([&] { return Logged("leave"); }, 2000));
  EXPECT_FALSE(square->MouseInControl());
  EXPECT_EQ(square->log, (std::vector<std::string>{"enter", "leave"}));
}

TEST_F(ControlsTest, ControlAtPosFindsDisabledChildrenOnlyWhenAsked) {
  EXPECT_EQ(form->ControlAtPos({225, 105}, false), nullptr);
  EXPECT_EQ(form->ControlAtPos({225, 105}, true), square);
  EXPECT_EQ(form->ControlAtPos({10, 10}, false), &form->Component<TLabel>("RedLabel"));
  EXPECT_EQ(form->ControlAtPos({10, 100}, false), nullptr);
  EXPECT_EQ(form->ControlAtPos({10, 100}, false, true), &form->Component<TEdit>("Edit2"));
}

TEST_F(ControlsTest, PressedWindowlessControlKeepsTheMouseUntilRelease) {
  square->SetEnabled(true);
  form->Show();
  PumpFor(50);
  const HWND window = form->Handle();
  // Press inside, release outside: the square hears both, no click.
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(224, 104));
  EXPECT_TRUE(square->MouseCapture());
  EXPECT_EQ(GetCapture(), window);
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(250, 150));
  EXPECT_FALSE(square->MouseCapture());
  EXPECT_EQ(square->log, (std::vector<std::string>{"down 4,4", "up 30,50"}));
  // Press and release inside: one click.
  square->log.clear();
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(221, 101));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(222, 102));
  EXPECT_EQ(square->log, (std::vector<std::string>{"down 1,1", "click", "up 2,2"}));
}

TEST_F(ControlsTest, PerformReachesWindowlessControlsAndGetsTheirAnswer) {
  EXPECT_EQ(square->Perform(0xB3E8), 1);
  EXPECT_EQ(form->Component<TLabel>("RedLabel").Perform(0xB3E8), 0);
}

TEST_F(ControlsTest, ParentPaintsBackgroundAndTransparentChildIntoAHandedDC) {
  form->Show();
  PumpFor(50);
  auto& state = form->Component<TLabel>("StateLbl");
  state.Font()->SetColor(clRed);
  state.SetCaption("IIIIIIIIIIIIIIIIIIII");
  form->SetColor(clBlue);
  // What a transparent windowed child does: ask the parent to paint into the child's DC,
  // moved so that the child's corner is the origin.
  const int childLeft = state.Left(), childTop = state.Top();
  const int width = state.Width(), height = state.Height();
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  MemoryDC dc;
  dc.SelectBitmap(bitmap.Get());
  {
    SavedDCState saved(dc.Get());
    SetViewportOrgEx(dc.Get(), -childLeft, -childTop, nullptr);
    const auto handed = reinterpret_cast<WPARAM>(dc.Get());
    form->Perform(WM_ERASEBKGND, handed, static_cast<LPARAM>(handed));
    form->Perform(WM_PAINT, handed, 0);
  }
  // 32-bit DIB pixels read as 0x00RRGGBB.
  const auto* pixels = static_cast<const uint32_t*>(bits);
  const auto pixel = [&](int x, int y) { return pixels[y * width + x] & 0xFFFFFF; };
  EXPECT_EQ(pixel(0, 0), 0x0000FFu);
  EXPECT_EQ(pixel(width - 1, height - 1), 0x0000FFu);
  int red = 0, buttonFace = 0;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const uint32_t faceDib = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
  for (int i = 0; i < width * height; ++i) {
    if ((pixels[i] & 0xFFFFFF) == 0xFF0000u) ++red;
    if ((pixels[i] & 0xFFFFFF) == faceDib) ++buttonFace;
  }
  EXPECT_GT(red, 20);
  EXPECT_EQ(buttonFace, 0);
}

TEST_F(ControlsTest, RightClickAnywhereOpensTheFormsPopupMenu) {
  form->Show();
  PumpFor(200);
  std::atomic<bool> menuSeen{false};
  std::atomic<bool> done{false};
  std::thread watcher([&] {
    for (int i = 0; i < 300 && !done; ++i) {
      HWND menu = FindWindowA("#32768", nullptr);
      if (menu != nullptr && IsWindowVisible(menu)) {
        menuSeen = true;
        Sleep(100);
        PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        return;
      }
      Sleep(20);
    }
  });
  // Over the disabled windowless square, which has no menu of its own.
  MoveMouseTo(ScreenPointOf(*square, 8, 8));
  PumpFor(100);
  ClickMouse(true);
  PumpUntil([&] { return menuSeen.load(); }, 5000);
  PumpFor(300);
  done = true;
  watcher.join();
  EXPECT_TRUE(menuSeen);
  HWND menu = FindWindowA("#32768", nullptr);
  EXPECT_TRUE(menu == nullptr || !IsWindowVisible(menu));
}

}  // namespace
