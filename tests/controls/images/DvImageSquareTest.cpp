// The image square under Wine: its fill, border and image on exact pixels, repaints on list
// changes, the hot colour under the real mouse (also while disabled) and the pressed look.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/images/DvImageList.h"
#include "controls/images/DvImageSquare.h"
#include "framework/core/FormReader.h"
#include "framework/win/forms/Application.h"
#include "framework/win/platform/Themes.h"
#include "tests/controls/images/support/ImagePixels.h"
#include "tests/controls/images/support/ImageTestForm.h"

namespace {

// "StateImage" as the main window defines it.
const char kStateImage[] =
    "  object StateImage: TDvImageSquare\n"
    "    Left = 50\n"
    "    Top = 60\n"
    "    Width = 16\n"
    "    Height = 16\n"
    "    BorderStyle = bsNone\n"
    "    Enabled = False\n"
    "    HiColor = clBtnFace\n"
    "    Images = StateImageList\n"
    "    ImageIndex = -1\n"
    "  end\n";

std::string StateImageList() {
  return "  object StateImageList: TDvImageList\n    Bitmap = " +
         BinaryValue(ResourceBytes("STATEIMAGES")) + "\n  end\n";
}

std::string Square(const std::string& name, int left, int top, int size,
                   const std::string& settings) {
  return "  object " + name + ": TDvImageSquare\n    Left = " + std::to_string(left) +
         "\n    Top = " + std::to_string(top) + "\n    Width = " + std::to_string(size) +
         "\n    Height = " + std::to_string(size) + "\n" + settings + "  end\n";
}

// The form painted into a fresh surface.
std::unique_ptr<PixelSurface> Rendered(TImageTestForm& form) {
  auto surface = std::make_unique<PixelSurface>(200, 120, clRed);
  RenderInto(form, *surface);
  return surface;
}

// Whether the surface shows image index of the list with its top left at (left, top) over fill,
// within the clip rectangle.
::testing::AssertionResult ShowsImage(const PixelSurface& surface, TDvImageList& list, int index,
                                      int left, int top, TColor fill, const TRect& clip) {
  const std::vector<TColor> image = DrawnImage(list, index, Plain(fill));
  for (int y = 0; y < list.Height(); ++y) {
    for (int x = 0; x < list.Width(); ++x) {
      if (!clip.Contains({left + x, top + y})) continue;
      const TColor wanted = image[static_cast<size_t>(y * list.Width() + x)];
      if (surface.At(left + x, top + y) != wanted)
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ")";
    }
  }
  return ::testing::AssertionSuccess();
}

TColor WindowPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF color = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return static_cast<TColor>(color);
}

void MoveMouseOver(TImageTestForm& form, int x, int y) {
  POINT point{x, y};
  ClientToScreen(form.Handle(), &point);
  SetCursorPos(point.x, point.y);
  Application().DoMouseIdle();
}

TEST(DvImageSquare, TheStateImageIsAPlainWindowColouredSquareUntilItHasAnIndex) {
  ImageTestFormPtr form = ShowImageTestForm(kStateImage + StateImageList());
  auto& square = form->Component<TDvImageSquare>("StateImage");
  auto& list = form->Component<TDvImageList>("StateImageList");
  EXPECT_EQ(square.Images(), &list);
  auto surface = Rendered(*form);
  EXPECT_EQ(surface->Count(TRect{50, 60, 66, 76}, clWindow), 256);
  EXPECT_EQ(surface->At(49, 60), Plain(clBtnFace));
  EXPECT_EQ(surface->At(66, 75), Plain(clBtnFace));

  // Disabled, it still shows its image in full colour, at (0, 0) of the square.
  square.SetImageIndex(2);
  surface = Rendered(*form);
  EXPECT_TRUE(ShowsImage(*surface, list, 2, 50, 60, clWindow, TRect{50, 60, 66, 76}));
  EXPECT_NE(surface->Count(TRect{50, 60, 66, 76}, clWindow), 256);
}

TEST(DvImageSquare, TheImageIsCentredWithTheOffsetTruncatedTowardZero) {
  ImageTestFormPtr form = ShowImageTestForm(
      Square("Big", 10, 10, 36, "    BorderStyle = bsNone\n    Images = StateImageList\n") +
      Square("Small", 60, 10, 15, "    BorderStyle = bsNone\n    Images = StateImageList\n") +
      StateImageList());
  auto& list = form->Component<TDvImageList>("StateImageList");
  auto surface = Rendered(*form);
  EXPECT_TRUE(ShowsImage(*surface, list, 0, 20, 20, clWindow, TRect{10, 10, 46, 46}));
  EXPECT_EQ(surface->Count(TRect{10, 10, 46, 20}, clWindow), 360) << "the rows above the image";
  EXPECT_TRUE(ShowsImage(*surface, list, 0, 60, 10, clWindow, TRect{60, 10, 75, 25}));
  EXPECT_EQ(surface->At(75, 10), Plain(clBtnFace));
}

TEST(DvImageSquare, ASingleBorderIsASunkenEdgeAndTheFillOnlyTheInside) {
  ThemesOverride classic(false);
  ImageTestFormPtr form = ShowImageTestForm(Square("Framed", 10, 10, 36, "    ImageIndex = -1\n") +
                                            Square("Bare", 60, 10, 36,
                                                   "    BorderStyle = bsNone\n"
                                                   "    ImageIndex = -1\n"));
  auto surface = Rendered(*form);
  EXPECT_EQ(surface->Count(TRect{13, 13, 43, 43}, clWindow), 900);
  // Outer ring, then the sunken edge: shadow over light, dark shadow over face.
  EXPECT_EQ(surface->At(28, 10), Plain(clBtnFace));
  EXPECT_EQ(surface->At(10, 28), Plain(clBtnFace));
  EXPECT_EQ(surface->At(45, 28), Plain(clBtnFace));
  EXPECT_EQ(surface->At(28, 11), Plain(clBtnShadow));
  EXPECT_EQ(surface->At(11, 28), Plain(clBtnShadow));
  EXPECT_EQ(surface->At(28, 44), Plain(cl3DLight));
  EXPECT_EQ(surface->At(44, 28), Plain(cl3DLight));
  EXPECT_EQ(surface->At(28, 12), Plain(cl3DDkShadow));
  EXPECT_EQ(surface->At(12, 28), Plain(cl3DDkShadow));
  EXPECT_EQ(surface->At(28, 43), Plain(clBtnFace));
  EXPECT_EQ(surface->At(43, 28), Plain(clBtnFace));
  // Without a border the fill covers the whole square.
  EXPECT_EQ(surface->Count(TRect{60, 10, 96, 46}, clWindow), 36 * 36);
}

TEST(DvImageSquare, WithThemesTheEditFrameTakesTheOuterTwoPixels) {
  ThemesOverride themed(true);
  ImageTestFormPtr form = ShowImageTestForm(Square("Framed", 10, 10, 36, "    ImageIndex = -1\n"));
  auto surface = Rendered(*form);
  PixelSurface reference(36, 36, clBtnFace);
  ThemeData theme(form->Handle(), L"EDIT");
  ASSERT_TRUE(theme);
  const RECT all{0, 0, 36, 36};
  ASSERT_TRUE(theme.DrawBackground(reference.Dc(), 1, 1, all));
  for (int i = 0; i < 36; ++i) {
    for (int ring = 0; ring < 2; ++ring) {
      EXPECT_EQ(surface->At(10 + i, 10 + ring), reference.At(i, ring)) << i << " " << ring;
      EXPECT_EQ(surface->At(10 + ring, 10 + i), reference.At(ring, i)) << i << " " << ring;
    }
  }
  EXPECT_EQ(surface->At(28, 12), Plain(clBtnFace)) << "the third ring is left alone";
  EXPECT_EQ(surface->Count(TRect{13, 13, 43, 43}, clWindow), 900);
}

// Counts its paints.
class TCountingSquare : public TDvImageSquare {
 public:
  using TDvImageSquare::TDvImageSquare;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    TDvImageSquare::Paint();
  }
};

TEST(DvImageSquare, ListChangesRepaintEverySquareThatUsesTheList) {
  ImageTestFormPtr form = ShowImageTestForm(StateImageList());
  auto& list = form->Component<TDvImageList>("StateImageList");
  auto& other = TComponent::Create<TDvImageList>(*form);
  TCountingSquare* squares[3] = {};
  for (int i = 0; i < 3; ++i) {
    squares[i] = &TComponent::Create<TCountingSquare>(*form);
    squares[i]->SetParent(form.get());
    squares[i]->SetBounds(10 + 50 * i, 10, 36, 36);
    squares[i]->SetImages(i < 2 ? &list : &other);
  }
  squares[1]->SetImageIndex(1);
  PumpFor(50);
  for (TCountingSquare* square : squares)
    square->paints = 0;

  squares[0]->SetImageIndex(0);
  EXPECT_EQ(squares[0]->paints, 0) << "the same index repaints nothing";
  squares[0]->SetImageIndex(3);
  EXPECT_EQ(squares[0]->paints, 1);

  TBitmap red(16, 16, pf24bit);
  red.Canvas().Brush().SetColor(clRed);
  red.Canvas().FillRect(TRect{0, 0, 16, 16});
  list.ReplaceMasked(1, red, clNone);
  EXPECT_EQ(squares[0]->paints, 2);
  EXPECT_EQ(squares[1]->paints, 1);
  EXPECT_EQ(squares[2]->paints, 0);
  EXPECT_EQ(WindowPixel(form->Handle(), 60 + 18, 10 + 18), Plain(clRed));
}

TEST(DvImageSquare, SettingImagesMovesTheLinkAndAlwaysRepaints) {
  ImageTestFormPtr form = ShowImageTestForm(StateImageList());
  auto& list = form->Component<TDvImageList>("StateImageList");
  auto& other = TComponent::Create<TDvImageList>(*form);
  auto& square = TComponent::Create<TCountingSquare>(*form);
  square.SetParent(form.get());
  square.SetBounds(10, 10, 36, 36);
  square.SetImages(&list);
  PumpFor(50);
  square.paints = 0;

  square.SetImages(&list);
  EXPECT_EQ(square.paints, 1) << "also when the list is the same";
  square.SetImages(&other);
  EXPECT_EQ(square.paints, 2);
  TBitmap red(16, 16, pf24bit);
  red.Canvas().Brush().SetColor(clRed);
  red.Canvas().FillRect(TRect{0, 0, 16, 16});
  list.ReplaceMasked(0, red, clNone);
  EXPECT_EQ(square.paints, 2) << "the previous list's changes no longer reach the square";
  other.AddMasked(red, clNone);
  EXPECT_EQ(square.paints, 3);
  EXPECT_EQ(WindowPixel(form->Handle(), 28, 28), Plain(clRed));

  square.SetImages(nullptr);
  EXPECT_EQ(square.paints, 4);
  EXPECT_EQ(WindowPixel(form->Handle(), 28, 28), Plain(clWindow));
  other.AddMasked(red, clNone);
  EXPECT_EQ(square.paints, 4);
}

TEST(DvImageSquare, SettersRepaintOnlyOnAChange) {
  ImageTestFormPtr form = ShowImageTestForm("");
  auto& square = TComponent::Create<TCountingSquare>(*form);
  square.SetParent(form.get());
  square.SetBounds(10, 10, 36, 36);
  PumpFor(50);
  square.paints = 0;
  square.SetHiColor(clActiveCaption);
  square.SetBorderStyle(bsSingle);
  square.SetImageIndex(0);
  EXPECT_EQ(square.paints, 0);
  square.SetHiColor(clHighlight);
  EXPECT_EQ(square.paints, 1);
  square.SetBorderStyle(bsNone);
  EXPECT_EQ(square.paints, 2);
  EXPECT_EQ(WindowPixel(form->Handle(), 10, 10), Plain(clWindow));
  square.SetImageIndex(-1);
  EXPECT_EQ(square.paints, 3);
}

TEST(DvImageSquare, RemovingTheListLeavesOnlyTheFill) {
  ImageTestFormPtr form = ShowImageTestForm(kStateImage + StateImageList());
  auto& square = form->Component<TDvImageSquare>("StateImage");
  square.SetImageIndex(2);
  TComponent::Destroy(form->Component<TDvImageList>("StateImageList"));
  EXPECT_EQ(square.Images(), nullptr);
  auto surface = Rendered(*form);
  EXPECT_EQ(surface->Count(TRect{50, 60, 66, 76}, clWindow), 256);
}

TEST(DvImageSquare, TheMouseOverItShowsTheHotColourAlsoWhileDisabled) {
  ImageTestFormPtr form = ShowImageTestForm(
      kStateImage +
      Square("Hot", 100, 60, 16,
             "    BorderStyle = bsNone\n    Enabled = False\n    HiColor = clHighlight\n") +
      StateImageList());
  auto& state = form->Component<TDvImageSquare>("StateImage");
  auto& hot = form->Component<TDvImageSquare>("Hot");
  std::vector<std::string> events;
  for (TDvImageSquare* square : {&state, &hot}) {
    square->OnMouseEnter = [&events, square](TObject*) {
      events.push_back("enter " + square->Name());
    };
    square->OnMouseLeave = [&events, square](TObject*) {
      events.push_back("leave " + square->Name());
    };
  }

  MoveMouseOver(*form, 58, 68);
  EXPECT_TRUE(state.MouseInControl());
  EXPECT_EQ(state.CurrentColor(), clBtnFace);
  MoveMouseOver(*form, 108, 68);
  EXPECT_EQ(state.CurrentColor(), clWindow);
  EXPECT_EQ(hot.CurrentColor(), clHighlight);
  EXPECT_EQ(WindowPixel(form->Handle(), 108, 68), Plain(clHighlight));
  EXPECT_EQ(WindowPixel(form->Handle(), 58, 68), Plain(clWindow));
  MoveMouseOver(*form, 150, 110);
  EXPECT_EQ(hot.CurrentColor(), clWindow);
  EXPECT_EQ(WindowPixel(form->Handle(), 108, 68), Plain(clWindow));
  EXPECT_EQ(events, (std::vector<std::string>{"enter StateImage", "leave StateImage", "enter Hot",
                                              "leave Hot"}));
}

TEST(DvImageSquare, ShowClickDrawsThePressedBorderAtOnce) {
  ImageTestFormPtr form = ShowImageTestForm(
      Square("Click", 10, 10, 36,
             "    BorderStyle = bsNone\n    HiColor = clHighlight\n    ShowClick = True\n"
             "    ImageIndex = -1\n") +
      Square("Quiet", 60, 10, 36, "    BorderStyle = bsNone\n    ImageIndex = -1\n"));
  auto& click = form->Component<TDvImageSquare>("Click");
  int clicks = 0;
  click.OnClick = [&](TObject*) { ++clicks; };
  HWND window = form->Handle();

  click.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(18, 18));
  EXPECT_TRUE(click.Pressed());
  EXPECT_EQ(WindowPixel(window, 28, 10), Plain(cl3DDkShadow));
  EXPECT_EQ(WindowPixel(window, 28, 11), Plain(cl3DLight));
  EXPECT_EQ(WindowPixel(window, 45, 28), Plain(cl3DDkShadow));
  EXPECT_EQ(WindowPixel(window, 28, 12), Plain(cl3DDkShadow));
  EXPECT_EQ(WindowPixel(window, 28, 13), Plain(clWindow));

  click.Perform(WM_LBUTTONUP, 0, MAKELPARAM(18, 18));
  EXPECT_FALSE(click.Pressed());
  EXPECT_EQ(clicks, 1);
  for (int ring = 0; ring < 3; ++ring)
    EXPECT_EQ(WindowPixel(window, 28, 10 + ring), Plain(clHighlight)) << ring;
  EXPECT_EQ(WindowPixel(window, 28, 13), Plain(clWindow));

  auto& quiet = form->Component<TDvImageSquare>("Quiet");
  quiet.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(18, 18));
  EXPECT_TRUE(quiet.Pressed());
  EXPECT_EQ(WindowPixel(window, 78, 10), Plain(clWindow)) << "no border without ShowClick";
  quiet.Perform(WM_LBUTTONUP, 0, MAKELPARAM(18, 18));
}

TEST(DvImageSquare, LeavingWithTheButtonDownDropsThePressedLook) {
  ImageTestFormPtr form = ShowImageTestForm(
      Square("Click", 10, 10, 36,
             "    BorderStyle = bsNone\n    HiColor = clHighlight\n    ShowClick = True\n"
             "    ImageIndex = -1\n"));
  auto& click = form->Component<TDvImageSquare>("Click");
  HWND window = form->Handle();
  MoveMouseOver(*form, 28, 28);
  EXPECT_EQ(WindowPixel(window, 28, 28), Plain(clHighlight)) << "the hot fill";
  click.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(18, 18));
  EXPECT_TRUE(click.Pressed());
  EXPECT_EQ(WindowPixel(window, 28, 10), Plain(cl3DDkShadow));

  MoveMouseOver(*form, 150, 110);
  EXPECT_FALSE(click.Pressed());
  EXPECT_EQ(click.CurrentColor(), clWindow);
  EXPECT_EQ(WindowPixel(window, 28, 10), Plain(clWindow)) << "repainted without the border";
  EXPECT_EQ(WindowPixel(window, 28, 28), Plain(clWindow));
}

TEST(DvImageSquare, ASquareDraggedAwayDoesNotStayPressedAndIsNotClicked) {
  ImageTestFormPtr form = ShowImageTestForm(
      Square("Drag", 10, 10, 36,
             "    BorderStyle = bsNone\n    DragMode = dmAutomatic\n    HiColor = clHighlight\n"
             "    ShowClick = True\n    ImageIndex = -1\n"));
  auto& drag = form->Component<TDvImageSquare>("Drag");
  std::vector<std::string> events;
  drag.OnStartDrag = [&](TObject*, TDragObject*&) { events.push_back("start"); };
  drag.OnEndDrag = [&](TObject*, TObject* target, int, int) {
    events.push_back(target == nullptr ? "end nowhere" : "end somewhere");
  };
  drag.OnClick = [&](TObject*) { events.push_back("click"); };
  HWND window = form->Handle();
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(28, 28));
  EXPECT_TRUE(drag.Pressed());
  EXPECT_TRUE(drag.Dragging()) << "pending until the mouse moves";
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(WindowPixel(window, 28, 10), Plain(cl3DDkShadow));

  SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 28));
  EXPECT_EQ(events, (std::vector<std::string>{"start"}));
  EXPECT_FALSE(drag.Pressed()) << "the press ended when the drag began";
  EXPECT_EQ(WindowPixel(window, 28, 10), Plain(clHighlight)) << "the released border";

  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(28, 28));
  EXPECT_FALSE(drag.Dragging());
  EXPECT_EQ(events, (std::vector<std::string>{"start", "end nowhere"}));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST(DvImageSquare, ColourAndPublishedDefaults) {
  ImageTestFormPtr form = ShowImageTestForm(
      std::string(kStateImage) + "  object Plain: TDvImageSquare\n  end\n" + StateImageList());
  auto& plain = form->Component<TDvImageSquare>("Plain");
  EXPECT_EQ(plain.Width(), 36);
  EXPECT_EQ(plain.Height(), 36);
  EXPECT_EQ(plain.Color(), clWindow);
  EXPECT_EQ(plain.BorderStyle(), bsSingle);
  EXPECT_EQ(plain.HiColor(), clActiveCaption);
  EXPECT_EQ(plain.ImageIndex(), 0);
  EXPECT_FALSE(plain.ShowClick());
  EXPECT_EQ(plain.DragCursor(), crDrag);
  EXPECT_EQ(plain.DragMode(), dmManual);

  const std::string text = FormWriter::WriteRoot(*form);
  const size_t begin = text.find("object Plain:");
  const std::string written = text.substr(begin, text.find("end\n", begin) - begin);
  for (const char* name : {"Color", "BorderStyle", "HiColor", "ImageIndex", "ShowClick", "Width",
                           "Height", "DragCursor", "DragMode", "ParentColor"})
    EXPECT_EQ(written.find(name), std::string::npos) << name << " in\n" << written;
  for (const char* line : {"BorderStyle = bsNone", "Enabled = False", "HiColor = clBtnFace",
                           "Images = StateImageList", "ImageIndex = -1", "Width = 16"})
    EXPECT_NE(text.find(line), std::string::npos) << line;

  auto& state = form->Component<TDvImageSquare>("StateImage");
  state.SetColor(clYellow);
  EXPECT_EQ(state.CurrentColor(), clYellow);
  EXPECT_EQ(Rendered(*form)->Count(TRect{50, 60, 66, 76}, clYellow), 256);
}

}  // namespace
