// The styled painter: measuring, and the order in which an item's parts are painted.
#include "controls/menu/paint/DvMenuPainter.h"

#include <algorithm>

#include "controls/menu/paint/DvMenuItemBody.h"
#include "controls/menu/styler/DvMenuStyler.h"
#include "controls/menu/paint/DvMenuUtil.h"
#include "controls/menu/paint/MenuFills.h"
#include "controls/menu/paint/DvMenuWindowFrame.h"
#include "controls/menu/paint/MenuBackgroundPainter.h"
#include "controls/menu/paint/MenuSideBarPainter.h"
#include "controls/menu/StyledMenu.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/menus/MenuItem.h"
#include "framework/win/menus/MenuItemPainter.h"

namespace {

constexpr TShortCut kWindowsKeyFlag = 0x0200;

// The menu background with its picture, painted over imageArea in a scratch bitmap that stands for
// the whole menu area (so that the picture lies where it would over the whole menu); the part under
// target is then copied onto the canvas.
void PaintBackgroundPicture(TCanvas& canvas, const TRect& area, const TRect& imageArea,
                            const TRect& target, TBackground& background) {
  if (area.IsEmpty() || target.IsEmpty()) return;
  TBitmap scratch;
  scratch.SetPixelFormat(pf32bit);
  scratch.SetSize(area.Width(), area.Height());
  TCanvas& surface = scratch.Canvas();
  // What the canvas already shows, so that the picture's uncovered parts stay as painted.
  BitBlt(surface.Handle(), 0, 0, area.Width(), area.Height(), canvas.Handle(), area.Left, area.Top,
         SRCCOPY);
  PaintBackground(surface, imageArea.Offset(-area.Left, -area.Top), background);
  BitBlt(canvas.Handle(), target.Left, target.Top, target.Width(), target.Height(),
         surface.Handle(), target.Left - area.Left, target.Top - area.Top, SRCCOPY);
}

// The item's icon column and its share of the menu-wide background (gradient and picture).
// bounds: the item less the arrow reserve; content: bounds right of the side bar.
void PaintColumnAndBackground(const TMenuItem& item, TCustomDvMenuStyler& styler, TCanvas& canvas,
                              const TRect& area, const TRect& bounds, const TRect& content) {
  const HDC dc = canvas.Handle();
  const TIconBar& icons = styler.IconBar();
  const TRect column{content.Left, content.Top, content.Left + icons.Size(), content.Bottom};
  GradientFill(dc, column, icons.GradientDirection(), icons.Color(), icons.ColorTo());
  TBackground& background = styler.Background();
  const TRect backgroundArea{column.Right, area.Top, area.Right, area.Bottom};
  const TRect share{column.Right, bounds.Top, bounds.Right, bounds.Bottom};
  TRect imageArea = area;
  if (SideBarApplies(item, styler)) imageArea.Left += styler.SideBar().Size();
  imageArea.Left += icons.Size();
  imageArea.Right -= styler.SystemArrowReserve();
  if (background.Color() == clNone) {
    // A background without a colour shows the menu window's own (its picture as a pattern, in
    // step with where the picture lies); the window system does not erase an item before it
    // draws it again, so the item puts it back itself.
    FillWithMenuBackground(dc, share.Intersect(backgroundArea),
                           BackgroundPictureCorner(imageArea, background));
  }
  GradientSlice(dc, backgroundArea, background.GradientDirection(), background.Color(),
                background.ColorTo(), share);
  if (background.HasImage())
    PaintBackgroundPicture(canvas, area, imageArea,
                           TRect{column.Right, content.Top, content.Right, content.Bottom},
                           background);
}

}  // namespace

std::string StyledShortCutText(TShortCut shortCut) {
  const std::string text = ShortCutToText(shortCut);
  return (shortCut & kWindowsKeyFlag) != 0 ? "Win+" + text : text;
}

void MeasureItemWithStyler(const TMenuItem& item, const TCustomDvMenuStyler& styler,
                           TCanvas& canvas, int& width, int& height, bool sideBar) {
  if (item.IsLine()) {
    height = styler.Separator().Width() + 2;
    return;
  }
  if (!styler.UseSystemFont()) {
    canvas.Font().Assign(&styler.Font());
    TRect extent{};
    canvas.DrawText(item.Caption() + StyledShortCutText(item.ShortCut()), extent,
                    DT_CALCRECT | DT_SINGLELINE);
    height = std::max(extent.Height() + 6, 16);
    width = extent.Width();
  }
  if (IsBarItem(item)) return;
  if (!styler.UseSystemFont()) width += 18;
  if ((item.ShortCut() & kWindowsKeyFlag) != 0) width += canvas.TextWidth("Win+");
  if (item.GetImageList() == nullptr && !item.HasBitmap()) width += 23;
  width += styler.IconBar().Size();
  if (sideBar && !IsInLaterColumn(item))
    width += styler.SideBar().Size() + styler.SideBar().SplitterWidth();
  height = ((height + 1) / 2) * 2;
  width += 2;
  width += styler.SystemArrowReserve();
}

void MeasureStyledMenuItem(TMenuItem& item, TCanvas& canvas, int& width, int& height) {
  IStyledMenu* menu = FindStyledMenu(item);
  if (menu == nullptr) return;
  const TCustomDvMenuStyler& styler = *menu->MenuStyler();
  MeasureItemWithStyler(item, styler, canvas, width, height, SideBarApplies(item, styler));
}

void DrawStyledMenuItem(TMenuItem& item, TCanvas& canvas, const TRect& rect,
                        TOwnerDrawState state) {
  IStyledMenu* menu = FindStyledMenu(item);
  const bool barItem = IsBarItem(item);
  if (menu == nullptr) {
    DrawStandardMenuItem(item, canvas, rect, state, barItem);
    return;
  }
  TCustomDvMenuStyler& styler = *menu->MenuStyler();
  // The rightmost pixels belong to the system's sub-menu arrow, which the frame clips away.
  TRect bounds = rect;
  if (!barItem) bounds.Right -= styler.SystemArrowReserve();
  const HDC dc = canvas.Handle();

  const bool sideBar = SideBarApplies(item, styler) && !IsInLaterColumn(item);
  TRect content = bounds;
  if (sideBar) content.Left += styler.SideBar().Size() + styler.SideBar().SplitterWidth();
  const TRect area = MenuArea(dc, bounds);

  if (sideBar && IsFirstVisibleItem(item)) {
    TSideBar& bar = styler.SideBar();
    const TRect barArea{area.Left, area.Top, area.Left + bar.Size() + bar.SplitterWidth(),
                        area.Bottom};
    PaintBackground(canvas, barArea, bar.Background());
    PaintBackground(canvas, barArea, bar.Image());
    PaintSideBarCaption(canvas.Handle(), barArea, bar);
    PaintSideBarFrame(canvas.Handle(), barArea, bar);
  }
  if (!barItem) PaintColumnAndBackground(item, styler, canvas, area, bounds, content);
  if (item.IsLine()) DrawStyledSeparator(dc, styler, content);
  DrawStyledItemBody(item, *menu, styler, canvas, content, state);
  DrawMenuWindowFrame(item, *menu, styler, dc);
}
