#include "tests/controls/menu/MenuTestFixture.h"

#include "controls/menu/MenuControls.h"
#include "framework/core/FormReader.h"
#include <algorithm>

#include "framework/win/graphics/Bitmap.h"

const char kTrayMenuForm[] =
    "object MainFrm: TTestRootForm\n"
    "  object TrayPopupMenu: TDvPopupMenu\n"
    "    Images = StateImageList\n"
    "    MenuStyler = DvMenuFantasyStyler1\n"
    "    Version = '1.0.0.0'\n"
    "    object Show1: TMenuItem\n"
    "      Caption = '&Show..'\n"
    "      Default = True\n"
    "      OnClick = ItemClick\n"
    "    end\n"
    "    object N1: TMenuItem\n"
    "      Caption = '-'\n"
    "    end\n"
    "    object ForceConnect1: TMenuItem\n"
    "      Caption = '&Force Connect..'\n"
    "      ImageIndex = 2\n"
    "      OnClick = ItemClick\n"
    "    end\n"
    "    object ForceDisconnect1: TMenuItem\n"
    "      Caption = 'Force &Disconnect'\n"
    "      ImageIndex = 0\n"
    "      OnClick = ItemClick\n"
    "    end\n"
    "  end\n"
    "  object DvMenuFantasyStyler1: TDvMenuFantasyStyler\n"
    "    Style = fsSilverFox\n"
    "  end\n"
    "end\n";

void StyledMenuTest::SetUpTestSuite() {
  RegisterTestRootClasses();
  RegisterImageListClasses();
  RegisterMenuControls();
}

void StyledMenuTest::SetUp() {
  form = std::make_unique<TTestRootForm>(nullptr);
  images = &TComponent::Create<TImageList>(*form);
  images->SetName("StateImageList");
  for (TColor color : kStateColors) {
    TBitmap picture(16, 16);
    picture.Canvas().Brush().SetColor(color);
    picture.Canvas().FillRect(TRect{0, 0, 16, 16});
    images->AddMasked(picture, clFuchsia);
  }
}

void StyledMenuTest::Load(const char* text) {
  FormReader::ReadRoot(*form, text);
}

TDvPopupMenu& StyledMenuTest::Menu() const {
  return dynamic_cast<TDvPopupMenu&>(*form->FindComponent("TrayPopupMenu"));
}

TDvMenuFantasyStyler& StyledMenuTest::Styler() const {
  return dynamic_cast<TDvMenuFantasyStyler&>(*form->FindComponent("DvMenuFantasyStyler1"));
}

TMenuItem& StyledMenuTest::Item(const char* name) const {
  return dynamic_cast<TMenuItem&>(*form->FindComponent(name));
}

Ink InkIn(const DibSurface& surface, const TRect& rect, TColor color, bool matching) {
  Ink ink;
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      if ((surface.At(x, y) == color) == matching) {
        ink.left = std::min(ink.left, x);
        ink.top = std::min(ink.top, y);
        ink.right = std::max(ink.right, x);
        ink.bottom = std::max(ink.bottom, y);
        ++ink.count;
      }
  return ink;
}
