#include "framework/win/menus/MenuItemPainter.h"

#include <algorithm>

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/menus/MainMenu.h"
#include "framework/win/menus/MenuItem.h"
#include "framework/win/menus/PopupMenu.h"

namespace {

TSize GlyphSize(const TMenuItem& item) {
  if (const TCustomImageList* images = item.GetImageList())
    return TSize{images->Width(), images->Height()};
  return TSize{kMenuGlyphSize, kMenuGlyphSize};
}

int CaptionWidth(TCanvas& canvas, const std::string& caption) {
  TRect rect;
  canvas.DrawText(caption, rect, DT_CALCRECT | DT_SINGLELINE);
  return rect.Width();
}

UINT AlignmentFormat(const TMenuItem& item) {
  if (const auto* popup = dynamic_cast<const TPopupMenu*>(item.GetParentMenu())) {
    if (popup->Alignment() == paRight) return DT_RIGHT;
    if (popup->Alignment() == paCenter) return DT_CENTER;
  }
  return DT_LEFT;
}

void FillSolid(TCanvas& canvas, const TRect& rect, TColor color) {
  canvas.Brush().SetColor(color);
  canvas.FillRect(rect);
}

}  // namespace

bool IsMenuBarItem(const TMenuItem& item) {
  return dynamic_cast<const TMainMenu*>(item.GetParentComponent()) != nullptr;
}

int MenuTextLeft(const TMenuItem& item) {
  return kMenuGlyphMargin + GlyphSize(item).cx + kMenuGlyphMargin + kMenuTextGap;
}

void MeasureStandardMenuItem(const TMenuItem& item, TCanvas& canvas, int& width, int& height) {
  const int textHeight = canvas.TextHeight("Ag");
  if (item.IsLine()) {
    width = MenuTextLeft(item);
    height = kMenuSeparatorHeight;
    return;
  }
  const int captionWidth = CaptionWidth(canvas, item.Caption());
  if (IsMenuBarItem(item)) {
    width = captionWidth + 2 * kMenuBarItemPadding;
    height = textHeight + 6;
    return;
  }
  width = MenuTextLeft(item) + captionWidth + kMenuRightMargin;
  const std::string keys = item.ShortCut() != scNone ? ShortCutToText(item.ShortCut()) : "";
  if (!keys.empty()) width += kMenuShortCutGap + canvas.TextWidth(keys);
  height = std::max(textHeight + 6, GlyphSize(item).cy + 2 * kMenuGlyphMargin);
}

void DrawMenuCheckMark(TCanvas& canvas, const TRect& box, bool radio, TColor color) {
  const int cx = (box.Left + box.Right) / 2;
  const int cy = (box.Top + box.Bottom) / 2;
  canvas.Pen().SetColor(color);
  canvas.Pen().SetWidth(1);
  if (radio) {
    canvas.Brush().SetColor(color);
    canvas.Ellipse(TRect{cx - 3, cy - 3, cx + 3, cy + 3});
    return;
  }
  // Three strokes one pixel apart make the tick three pixels thick.
  for (int d = 0; d < 3; ++d) {
    canvas.MoveTo(cx - 3, cy - 1 + d);
    canvas.LineTo(cx - 1, cy + 1 + d);
    canvas.LineTo(cx + 4, cy - 4 + d);
  }
}

void DrawStandardMenuItem(const TMenuItem& item, TCanvas& canvas, const TRect& rect,
                          TOwnerDrawState state, bool barItem) {
  const bool selected = (state & odSelected) != 0 || (barItem && (state & odHotLight) != 0);
  const bool disabled = (state & (odDisabled | odGrayed)) != 0 || !item.Enabled();
  FillSolid(canvas, rect, selected ? clHighlight : clMenu);
  if (item.IsLine()) {
    const int middle = rect.Top + rect.Height() / 2;
    FillSolid(canvas, TRect{rect.Left + 1, middle - 1, rect.Right - 1, middle}, clBtnShadow);
    FillSolid(canvas, TRect{rect.Left + 1, middle, rect.Right - 1, middle + 1}, clBtnHighlight);
    return;
  }
  const TColor textColor = disabled ? clGrayText : selected ? clHighlightText : clMenuText;
  const UINT hidePrefix = (state & odNoAccel) != 0 ? DT_HIDEPREFIX : 0;
  canvas.Font().SetColor(textColor);
  canvas.Brush().SetStyle(bsClear);
  if (barItem) {
    TRect textRect = rect;
    canvas.DrawText(item.Caption(), textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | hidePrefix);
    return;
  }

  const TSize glyph = GlyphSize(item);
  const TRect glyphBox = Bounds(rect.Left + kMenuGlyphMargin,
                                rect.Top + (rect.Height() - glyph.cy) / 2, glyph.cx, glyph.cy);
  TCustomImageList* images = item.GetImageList();
  if (images != nullptr && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count()) {
    images->Draw(canvas, glyphBox.Left, glyphBox.Top, item.ImageIndex(), !disabled);
  } else if (item.HasBitmap()) {
    TBitmap& bitmap = *const_cast<TMenuItem&>(item).Bitmap();
    const int x = glyphBox.Left + std::max(0, (glyph.cx - bitmap.Width()) / 2);
    const int y = glyphBox.Top + std::max(0, (glyph.cy - bitmap.Height()) / 2);
    canvas.Draw(x, y, bitmap);
  } else if (item.Checked()) {
    DrawMenuCheckMark(canvas, glyphBox, item.RadioItem(), textColor);
  }

  canvas.Brush().SetStyle(bsClear);
  TRect textRect{rect.Left + MenuTextLeft(item), rect.Top, rect.Right - kMenuRightMargin,
                 rect.Bottom};
  const UINT format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | hidePrefix;
  canvas.DrawText(item.Caption(), textRect, format | AlignmentFormat(item));
  if (item.ShortCut() != scNone) {
    TRect keysRect = textRect;
    canvas.DrawText(ShortCutToText(item.ShortCut()), keysRect,
                    DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
}
