#include "controls/menu/paint/DvMenuItemBody.h"

#include <algorithm>

#include "controls/menu/paint/DvMenuPainter.h"
#include "controls/menu/styler/DvMenuStyler.h"
#include "controls/menu/paint/DvMenuUtil.h"
#include "controls/menu/paint/MenuFills.h"
#include "controls/menu/paint/MenuFontSmoothing.h"
#include "controls/menu/StyledMenu.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/menus/MainMenu.h"
#include "framework/win/menus/MenuItem.h"
#include "framework/win/menus/PopupMenu.h"

namespace {

bool Has(TOwnerDrawState state, TOwnerDrawState flag) {
  return (state & flag) != 0;
}

// The highlight of a selected (or, on a menu bar, hot) item; the rest of a bar item shows the
// bar's own gradient.
void DrawHighlight(HDC dc, const TMenuItem& item, const TCustomDvMenuStyler& styler,
                   const TRect& content, TOwnerDrawState state) {
  if (IsBarItem(item)) {
    const TRootItem& root = styler.RootItem();
    if (Has(state, odSelected)) {
      GradientFill(dc, content, root.SelectedGradientDirection(), root.SelectedColors().Get(0),
                   root.SelectedColors().Get(1));
      FrameInColor(dc, content, root.SelectedBorderColor());
    } else if (Has(state, odHotLight)) {
      GradientFill(dc, content, root.HoverGradientDirection(), root.HoverColors().Get(0),
                   root.HoverColors().Get(1));
      FrameInColor(dc, content, root.HoverBorderColor());
    } else {
      // The bar's gradient runs across the whole window: the item paints its own share of it and
      // the share of the bar's empty rest.
      const TRect band = MenuBarBand(dc, content);
      GradientSlice(dc, band, root.GradientDirection(), root.Color(), root.ColorTo(), content);
      const TRect rest{MenuBarItemsRight(dc, band.Right), band.Top, band.Right, band.Bottom};
      GradientSlice(dc, band, root.GradientDirection(), root.Color(), root.ColorTo(), rest);
    }
    return;
  }
  if (!Has(state, odSelected)) return;
  const TSelectedItem& selected = styler.SelectedItem();
  GradientFill(dc, content, selected.GradientDirection(), selected.Color(), selected.ColorTo());
  FrameInColor(dc, content, selected.BorderColor());
}

void DrawGlyph(TCanvas& canvas, TBitmap& glyph, int x, int y) {
  if (glyph.Empty()) return;
  const TColor previous = canvas.Font().Color();
  canvas.Font().SetColor(clBtnText);
  canvas.Draw(x, y, glyph);
  canvas.Font().SetColor(previous);
}

// A check or radio mark in the image box.
void DrawCheckMark(const TMenuItem& item, const TCustomDvMenuStyler& styler, TCanvas& canvas,
                   TRect box, int itemHeight, TOwnerDrawState state) {
  const int centreX = (box.Left + box.Right) / 2;
  const int centreY = (box.Top + box.Bottom) / 2;
  box.Top -= 1;
  box.Bottom -= 1;
  const int extent = std::min(styler.IconBar().Size(), itemHeight);
  const TRect frame{centreX - extent / 2, centreY - extent / 2 + 1, centreX + (extent + 1) / 2,
                    centreY + (extent + 1) / 2 + 1};
  const bool radio = item.RadioItem();
  const TMarkLooks& looks = Has(state, odSelected)
                                ? static_cast<const TMarkLooks&>(styler.SelectedItem())
                                : static_cast<const TMarkLooks&>(styler.IconBar());
  const TMarkLook& look = radio ? looks.RadioLook() : looks.CheckLook();
  const HDC dc = canvas.Handle();
  if (item.Enabled())
    GradientFill(dc, frame, look.direction, look.colors.Get(0), look.colors.Get(1));
  FrameInColor(dc, frame, look.border);
  auto& glyphs = const_cast<TCustomDvMenuStyler&>(styler).Glyphs();
  TBitmap& glyph = radio ? glyphs.Radio() : glyphs.Check();
  DrawGlyph(canvas, glyph, (box.Left + box.Right - glyph.Width()) / 2,
            (box.Top + box.Bottom - glyph.Height()) / 2 + 1);
}

// The image, the item's own bitmap or the check mark in the icon column.
void DrawItemGlyph(TMenuItem& item, const TCustomDvMenuStyler& styler, TCanvas& canvas,
                   const TRect& content, TOwnerDrawState state) {
  const bool barItem = IsBarItem(item);
  const int columnSize = styler.IconBar().Size();
  TCustomImageList* images = item.GetImageList();
  const int index = item.ImageIndex();
  const bool indexValid = images != nullptr && index >= 0 && index < images->Count();
  const bool usesList = images != nullptr && (indexValid || (item.Checked() && !item.HasBitmap()));
  TRect box{content.Left, content.Top + 1, content.Left, content.Top + 1};
  if (usesList || item.HasBitmap()) {
    const int width = usesList ? images->Width() : 16;
    const int height = usesList ? images->Height() : 16;
    box.Right = box.Left + width;
    box.Bottom = box.Top + height;
    box.Left += (columnSize - width) / 2;
    if (usesList) {
      if (!indexValid) {
        box = TRect{box.Left, box.Top, box.Left + 16, box.Top + 16};
        DrawCheckMark(item, styler, canvas, box, content.Height(), state);
      } else {
        images->Draw(canvas, box.Left, box.Top, index, item.Enabled());
      }
    } else {
      TBitmap& bitmap = *item.Bitmap();
      TRect target = box;
      if (bitmap.Width() < box.Width()) {
        target.Left += (box.Width() - bitmap.Width()) / 2 + 1;
        target.Right = target.Left + bitmap.Width();
      }
      if (bitmap.Height() < box.Height()) {
        target.Top += (box.Height() - bitmap.Height()) / 2 + 1;
        target.Bottom = target.Top + bitmap.Height();
      }
      canvas.StretchDraw(target, bitmap);
    }
    return;
  }
  if (barItem || images == nullptr) {
    box.Right = box.Left + columnSize;
    box.Bottom = barItem ? box.Top : content.Bottom - 2;
  } else {
    box.Right = box.Left + images->Width();
    box.Bottom = box.Top + images->Height();
  }
  if (item.Checked() && !barItem) DrawCheckMark(item, styler, canvas, box, content.Height(), state);
}

bool MenuReadsRightToLeft(const TMenuItem& item) {
  const TMenu* menu = item.GetParentMenu();
  return menu != nullptr && menu->IsRightToLeft();
}

UINT TextAlignment(const TMenuItem& item) {
  const TMenu* menu = item.GetParentMenu();
  if (dynamic_cast<const TMainMenu*>(menu) != nullptr) return DT_CENTER;
  if (const auto* popup = dynamic_cast<const TPopupMenu*>(menu)) {
    switch (popup->Alignment()) {
      case paRight:
        return DT_RIGHT;
      case paCenter:
        return DT_CENTER;
      case paLeft:
        break;
    }
  }
  return DT_LEFT;
}

void DrawSubMenuArrow(const TMenuItem& item, const TCustomDvMenuStyler& styler, TCanvas& canvas,
                      const TRect& text) {
  if (styler.SystemArrowReserve() < 2) return;
  const auto* popup = dynamic_cast<const TPopupMenu*>(item.GetParentMenu());
  const int top = (text.Top + text.Bottom - 5) / 2;
  const int left =
      popup != nullptr && popup->Alignment() == paRight ? text.Left + 5 : text.Right - 8;
  TBitmap& glyph = const_cast<TCustomDvMenuStyler&>(styler).Glyphs().SubMenu();
  const int centreX = left + 2;
  const int centreY = top + 3;
  DrawGlyph(canvas, glyph, centreX - glyph.Width() / 2, centreY - glyph.Height() / 2);
}

}  // namespace

void DrawStyledSeparator(HDC dc, const TCustomDvMenuStyler& styler, const TRect& content) {
  const TSeparator& separator = styler.Separator();
  const int middle = content.Top + content.Height() / 2;
  const TRect line{content.Left + styler.IconBar().Size(), middle - separator.Width() / 2,
                   content.Right, middle + (separator.Width() + 1) / 2};
  DrawGradientEndsBar(dc, line, separator.Margin(), separator.GradientWidth(),
                      separator.GradientType(), separator.GradientDirection(), separator.Color(),
                      separator.ColorTo());
}

void DrawStyledItemText(const TMenuItem& item, const TCustomDvMenuStyler& styler, TCanvas& canvas,
                        std::string text, UINT format, TOwnerDrawState state, TRect& rect) {
  TFont& font = canvas.Font();
  font.Assign(&styler.Font());
  if (MenuReadsRightToLeft(item)) format |= DT_RIGHT | DT_RTLREADING;
  if ((format & DT_CALCRECT) != 0 && (text.empty() || text == "&")) text += ' ';
  canvas.Brush().SetStyle(bsClear);
  const bool selected = Has(state, odSelected);
  if (IsFirstLevelItem(item)) {
    const TRootItem& root = styler.RootItem();
    if (!root.UseSystemFont()) font.Assign(&root.Font());
    if (selected && root.SelectedTextColor() != clNone)
      font.SetColor(root.SelectedTextColor());
    else if (Has(state, odHotLight) && root.HoverTextColor() != clNone)
      font.SetColor(root.HoverTextColor());
  } else if (selected) {
    const TSelectedItem& chosen = styler.SelectedItem();
    if (!chosen.UseSystemFont())
      font.Assign(&chosen.Font());
    else
      font.SetColor(chosen.Font().Color());
  } else if (!styler.UseSystemFont()) {
    font.Assign(&styler.Font());
  }
  if (item.Default()) {
    font.SetStyle(font.Style() | (1u << fsBold));
    MatchRegularSmoothing(font);
  }
  if (!item.Enabled()) {
    if (!selected) {
      font.SetColor(clBtnHighlight);
      TRect shadow = rect.Offset(1, 1);
      canvas.DrawText(text, shadow, format);
    }
    const bool sameShadow = ColorToRGB(clHighlight) == ColorToRGB(clBtnShadow);
    font.SetColor(selected && sameShadow ? clBtnHighlight : clBtnShadow);
  }
  canvas.DrawText(text, rect, format);
}

void DrawStyledItemBody(TMenuItem& item, IStyledMenu&, const TCustomDvMenuStyler& styler,
                        TCanvas& canvas, const TRect& content, TOwnerDrawState state) {
  const bool barItem = IsBarItem(item);
  DrawHighlight(canvas.Handle(), item, styler, content, state);
  UINT format = TextAlignment(item) | DT_SINGLELINE | DT_EXPANDTABS;
  if (Has(state, odNoAccel)) format |= DT_HIDEPREFIX;
  DrawItemGlyph(item, styler, canvas, content, state);
  // A separator is its line alone.
  if (item.IsLine()) return;

  TRect text{barItem ? content.Left + 2 : content.Left + styler.IconBar().Size() + 5, content.Top,
             content.Right - 1, content.Bottom};
  if (item.Count() > 0 && !barItem) DrawSubMenuArrow(item, styler, canvas, text);
  TRect measured = text;
  DrawStyledItemText(item, styler, canvas, item.Caption(), format | DT_CALCRECT | DT_NOCLIP, state,
                     measured);
  text.Top += (text.Height() - measured.Height()) / 2;
  if (barItem) {
    if (!Has(state, odInactive) && (Has(state, odSelected) || Has(state, odHotLight)))
      canvas.Font().SetColor(clHighlightText);
    text.Top -= 1;
  }
  DrawStyledItemText(item, styler, canvas, item.Caption(), format, state, text);
  if (item.ShortCut() != scNone && !barItem) {
    const std::string shortCutText = StyledShortCutText(item.ShortCut());
    TRect shortCut{measured.Right, text.Top, text.Right - 10, text.Bottom};
    if (MenuReadsRightToLeft(item)) {
      // The caption stands at the right: the shortcut takes the left, as far in from that edge
      // as it would be from the right one.
      TRect extent{};
      DrawStyledItemText(item, styler, canvas, shortCutText, DT_CALCRECT, state, extent);
      shortCut = {text.Left + 10, text.Top, text.Left + 10 + extent.Width(), text.Bottom};
    }
    DrawStyledItemText(item, styler, canvas, shortCutText, DT_RIGHT, state, shortCut);
  }
}
