#include "controls/menu/styler/FantasyPresets.h"

#include <windows.h>

#include <optional>

#include "controls/menu/styler/DvMenuStyler.h"
#include "framework/core/Picture.h"
#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Bitmap.h"

namespace {

constexpr int kPresetCount = 9;

constexpr TFontStyles Bit(TFontStyle style) {
  return 1u << style;
}

// One row per property, one column per preset in the order fsArctic .. fsWindowsClassic;
// std::nullopt: the preset leaves the property alone.
// clang-format off
const TColor kBackgroundColor[kPresetCount] = {clWindow, 0xFFFFFF, clWindow, 0xFFFFFF, 0xD1C9C8, 0xE7F7FF, clWindow, clNone, clMenu};
const TColor kBackgroundColorTo[kPresetCount] = {clNone, 0xFFFFFF, clBtnFace, 0xF3F3F3, 0xD1C9C8, clNone, clNone, clNone, clMenu};
const TGradientDirection kBackgroundGradientDirection[kPresetCount] = {gdHorizontal, gdHorizontal, gdHorizontal, gdVertical, gdVertical, gdHorizontal, gdHorizontal, gdVertical, gdHorizontal};
const TColor kMenuBorderColor[kPresetCount] = {0xC0C0C0, clNone, 0x808080, 0x808080, 0x666666, 0x000000, 0x00C000, 0x0000B0, 0x000000};
const TColor kFontColor[kPresetCount] = {0xC0C0C0, 0x26B0FB, 0x000080, 0x000000, 0x000000, 0x808080, 0x008000, 0xFFFFFF, 0x000000};
const TFontStyles kRootItemFontStyle[kPresetCount] = {0u, 0u, 0u, 0u, 0u, 0u, 0u, Bit(fsBold) | Bit(fsItalic), 0u};
const TColor kRootItemColor[kPresetCount] = {0xFFFFFF, 0xD08130, clBtnFace, 0xFFFFFF, 0xFFFFFF, 0xE7F7FF, 0xF7FFF7, 0xCFD5F3, clMenu};
const TColor kRootItemColorTo[kPresetCount] = {clInactiveCaptionText, 0xFEF17E, 0xFFFFFF, 0xF3F3F3, 0xC5BAB7, 0xFFFFFF, clNone, 0xCFD5F3, clNone};
const TGradientDirection kRootItemGradientDirection[kPresetCount] = {gdVertical, gdHorizontal, gdVertical, gdVertical, gdVertical, gdHorizontal, gdVertical, gdVertical, gdVertical};
const TColor kRootItemFontColor[kPresetCount] = {0xC0C0C0, 0xFFFFFF, 0x000080, 0x000000, 0x000000, 0x808080, 0x000000, 0x000000, 0x000000};
const int kRootItemFontSize[kPresetCount] = {8, 8, 8, 8, 8, 8, 8, 10, 8};
const TColor kRootItemSelectedColor[kPresetCount] = {clInactiveCaptionText, 0xE6E0B0, clBtnFace, 0xF19546, 0xF1F3F4, 0xE7F7FF, 0x00C000, clNone, 0xA1684A};
const TColor kRootItemSelectedColorTo[kPresetCount] = {0xFFFFFF, 0xF9FFBF, 0xFFFFFF, 0xC34907, clNone, clNone, clNone, clNone, clNone};
const TColor kRootItemSelectedBorderColor[kPresetCount] = {0xC0C0C0, clNone, 0x7A868A, clNone, 0x666666, clNone, 0x00C000, 0x0000B0, clNone};
const TColor kRootItemSelectedTextColor[kPresetCount] = {0x808080, 0x0080FF, 0x7A868A, 0xFFFFFF, 0x000000, 0x0884BD, 0x000000, 0x0000B0, 0xFFFFFF};
const TColor kRootItemHoverColor[kPresetCount] = {clNone, 0xE6E0B0, 0xD9FFFF, 0xC0C0C0, 0xD2BDB5, 0xE7F7FF, 0xF7FFF7, clNone, 0xA1684A};
const TColor kRootItemHoverColorTo[kPresetCount] = {clNone, 0xF9FFBF, 0xC1FFFE, 0xBBBBBB, clNone, clNone, clNone, clNone, clNone};
const TColor kRootItemHoverBorderColor[kPresetCount] = {clNone, clNone, 0x94CCCB, clNone, 0x6A240A, clNone, clNone, 0x0000B0, clNone};
const TColor kRootItemHoverTextColor[kPresetCount] = {0x808080, 0xD08130, 0x000080, 0x000000, 0x0000B0, 0x0884BD, 0x00C000, 0x000000, 0xFFFFFF};
const TColor kSelectedItemColor[kPresetCount] = {0xFFFFFF, 0xFEF17E, 0xC1FFFE, 0xF19546, 0xD2BDB5, 0xB5DEF7, 0xF7FFF7, clNone, 0xA1684A};
const TColor kSelectedItemColorTo[kPresetCount] = {clInactiveCaptionText, 0xD08130, 0xD9FFFF, 0xC34907, clNone, 0xE7F7FF, clNone, clNone, clNone};
const TGradientDirection kSelectedItemGradientDirection[kPresetCount] = {gdVertical, gdVertical, gdHorizontal, gdVertical, gdVertical, gdHorizontal, gdVertical, gdVertical, gdHorizontal};
const TColor kSelectedItemBorderColor[kPresetCount] = {0xC0C0C0, 0xD08130, 0x94CCCB, clNone, 0x6A240A, clNone, 0x00C000, 0x00FFFF, clNone};
const TColor kSelectedItemFontColor[kPresetCount] = {0x808080, 0xFFFFFF, 0x7A868A, 0xFFFFFF, 0x0000B0, 0x0884BD, 0x008000, 0x00FFFF, 0xFFFFFF};
const TFontStyles kSelectedItemFontStyle[kPresetCount] = {0u, Bit(fsBold), 0u, 0u, 0u, 0u, 0u, Bit(fsBold), 0u};
const TColor kSelectedItemCheckBorder[kPresetCount] = {0xC0C0C0, 0xD08130, 0x6F4B4B, clNone, clNone, clNone, clNone, clNone, clNone};
const TColor kSelectedItemCheckColor[kPresetCount] = {0xC0C0C0, clNone, 0x3E80FE, 0xF3F3F3, clNone, clNone, clNone, clNone, clNone};
const TColor kSelectedItemCheckColorTo[kPresetCount] = {0xFFFFFF, clNone, clNone, 0xBBBBBB, clNone, clNone, clNone, clNone, clNone};
const TColor kSelectedItemRadioBorder[kPresetCount] = {0xC0C0C0, 0xD08130, 0x6F4B4B, clNone, clNone, clNone, clNone, clNone, clNone};
const TColor kSelectedItemRadioColor[kPresetCount] = {0xC0C0C0, clNone, 0x3E80FE, 0xF3F3F3, clNone, clNone, clNone, clNone, clNone};
const TColor kSelectedItemRadioColorTo[kPresetCount] = {0xFFFFFF, clNone, clNone, 0xBBBBBB, clNone, clNone, clNone, clNone, clNone};
const std::optional<TGradientDirection> kSelectedItemCheckGradientDirection[kPresetCount] = {std::nullopt, gdHorizontal, std::nullopt, gdVertical, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt};
const std::optional<TGradientDirection> kSelectedItemRadioGradientDirection[kPresetCount] = {std::nullopt, std::nullopt, std::nullopt, gdVertical, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt};
const TColor kIconBarColor[kPresetCount] = {0xEFEFEF, 0xE6E0B0, 0xD7EDED, 0xF3F3F3, 0xFFFFFF, 0xB5DEF7, 0x00A000, 0xCFD5F3, clMenu};
const TColor kIconBarColorTo[kPresetCount] = {0xFFFFFF, 0xFFFFFF, 0x8AC2C1, 0xFFFFFF, 0xE4DCDA, clNone, clNone, 0xCFD5F3, clNone};
const TColor kIconBarRadioColor[kPresetCount] = {clNone, 0xA7EDFF, 0x6FC0FF, clNone, clNone, clNone, 0x00C000, clNone, clNone};
const TColor kIconBarRadioColorTo[kPresetCount] = {clNone, 0xFFFFFF, clNone, clNone, clNone, clNone, clNone, clNone, clNone};
const TColor kIconBarRadioBorder[kPresetCount] = {0xC0C0C0, clNone, 0x6F4B4B, clNone, clNone, clNone, clNone, clNone, clNone};
const TColor kIconBarCheckColor[kPresetCount] = {clNone, 0xA7EDFF, 0x6FC0FF, clNone, clNone, clNone, 0x00C000, clNone, clNone};
const TColor kIconBarCheckColorTo[kPresetCount] = {clNone, 0xFFFFFF, clNone, clNone, clNone, clNone, clNone, clNone, clNone};
const TColor kIconBarCheckBorder[kPresetCount] = {0xC0C0C0, clNone, 0x6F4B4B, clNone, clNone, clNone, clNone, clNone, clNone};
const std::optional<TGradientDirection> kIconBarRadioGradientDirection[kPresetCount] = {std::nullopt, gdHorizontal, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt};
const std::optional<TGradientDirection> kIconBarCheckGradientDirection[kPresetCount] = {std::nullopt, gdHorizontal, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt};
const TColor kSeparatorColor[kPresetCount] = {0xC0C0C0, 0xE6E0B0, 0x7A868A, 0xFFFFFF, 0xA6A6A6, 0x0884BD, 0x00C000, 0xFFFFFF, 0x000000};
const TColor kSeparatorColorTo[kPresetCount] = {0xFFFFFF, 0xE6E0B0, clNone, 0xFFFFFF, clNone, 0x0884BD, clNone, clNone, clNone};
const std::optional<TGradientDirection> kSeparatorGradientDirection[kPresetCount] = {gdHorizontal, gdHorizontal, std::nullopt, std::nullopt, gdHorizontal, std::nullopt, std::nullopt, gdHorizontal, std::nullopt};
const bool kSideBarVisible[kPresetCount] = {false, false, false, false, false, false, false, false, true};
// clang-format on

// The program's "MENUTEXTURE"; a program without it, or with one that cannot be read, gets no
// picture.
void LoadTexture(TBackground& background) {
  const HINSTANCE program = GetModuleHandleA(nullptr);
  TBitmap texture;
  try {
    if (TBitmap::HasBitmapResource(program, "MENUTEXTURE"))
      texture.LoadFromResourceName(program, "MENUTEXTURE");
  } catch (const EInvalidGraphic&) {
    texture.Assign(nullptr);
  }
  if (texture.Empty())
    background.SetImage(nullptr);
  else
    background.Image()->SetGraphic(&texture);
}

}  // namespace

void ApplyFantasyPreset(TCustomDvMenuStyler& styler, TFantasyStyle style) {
  if (style < fsArctic || style > fsWindowsClassic) return;
  const int p = style;
  TBackground& background = styler.Background();
  background.SetColor(kBackgroundColor[p]);
  background.SetColorTo(kBackgroundColorTo[p]);
  background.SetGradientDirection(kBackgroundGradientDirection[p]);
  styler.SetMenuBorderColor(kMenuBorderColor[p]);
  if (style == fsTextured)
    LoadTexture(background);
  else
    background.SetImage(nullptr);
  styler.Font().SetColor(kFontColor[p]);

  TRootItem& root = styler.RootItem();
  root.Font().SetStyle(kRootItemFontStyle[p]);
  root.SetColor(kRootItemColor[p]);
  root.SetColorTo(kRootItemColorTo[p]);
  root.SetGradientDirection(kRootItemGradientDirection[p]);
  root.Font().SetColor(kRootItemFontColor[p]);
  root.Font().SetSize(kRootItemFontSize[p]);
  root.SelectedColors().Set(0, kRootItemSelectedColor[p]);
  root.SelectedColors().Set(1, kRootItemSelectedColorTo[p]);
  root.SetSelectedBorderColor(kRootItemSelectedBorderColor[p]);
  root.SetSelectedTextColor(kRootItemSelectedTextColor[p]);
  root.HoverColors().Set(0, kRootItemHoverColor[p]);
  root.HoverColors().Set(1, kRootItemHoverColorTo[p]);
  root.SetHoverBorderColor(kRootItemHoverBorderColor[p]);
  root.SetHoverTextColor(kRootItemHoverTextColor[p]);

  TSelectedItem& selected = styler.SelectedItem();
  selected.SetColor(kSelectedItemColor[p]);
  selected.SetColorTo(kSelectedItemColorTo[p]);
  selected.SetGradientDirection(kSelectedItemGradientDirection[p]);
  selected.SetBorderColor(kSelectedItemBorderColor[p]);
  selected.Font().SetColor(kSelectedItemFontColor[p]);
  selected.Font().SetStyle(kSelectedItemFontStyle[p]);
  selected.SetCheckBorder(kSelectedItemCheckBorder[p]);
  selected.CheckColors().Set(0, kSelectedItemCheckColor[p]);
  selected.CheckColors().Set(1, kSelectedItemCheckColorTo[p]);
  selected.SetRadioBorder(kSelectedItemRadioBorder[p]);
  selected.RadioColors().Set(0, kSelectedItemRadioColor[p]);
  selected.RadioColors().Set(1, kSelectedItemRadioColorTo[p]);
  if (kSelectedItemCheckGradientDirection[p])
    selected.SetCheckGradientDirection(*kSelectedItemCheckGradientDirection[p]);
  if (kSelectedItemRadioGradientDirection[p])
    selected.SetRadioGradientDirection(*kSelectedItemRadioGradientDirection[p]);

  TIconBar& icons = styler.IconBar();
  icons.SetColor(kIconBarColor[p]);
  icons.SetColorTo(kIconBarColorTo[p]);
  icons.SetSize(24);
  icons.RadioColors().Set(0, kIconBarRadioColor[p]);
  icons.RadioColors().Set(1, kIconBarRadioColorTo[p]);
  icons.SetRadioBorder(kIconBarRadioBorder[p]);
  icons.CheckColors().Set(0, kIconBarCheckColor[p]);
  icons.CheckColors().Set(1, kIconBarCheckColorTo[p]);
  icons.SetCheckBorder(kIconBarCheckBorder[p]);
  if (kIconBarRadioGradientDirection[p])
    icons.SetRadioGradientDirection(*kIconBarRadioGradientDirection[p]);
  if (kIconBarCheckGradientDirection[p])
    icons.SetCheckGradientDirection(*kIconBarCheckGradientDirection[p]);

  TSeparator& separator = styler.Separator();
  separator.SetColor(kSeparatorColor[p]);
  separator.SetColorTo(kSeparatorColorTo[p]);
  if (kSeparatorGradientDirection[p])
    separator.SetGradientDirection(*kSeparatorGradientDirection[p]);

  TSideBar& sideBar = styler.SideBar();
  sideBar.SetVisible(kSideBarVisible[p]);
  if (style == fsWindowsClassic) {
    sideBar.SetCaption("Vexo Menu");
    sideBar.Image().SetColor(0xEDC6A9);
    sideBar.Image().SetColorTo(0x6A240A);
    sideBar.Background().SetGradientDirection(gdHorizontal);
    sideBar.Font().SetColor(0xFFFFFF);
  }
}
