#include "controls/menu/paint/MenuSideBarPainter.h"

#include <cstring>

#include "controls/menu/core/MenuPlacement.h"
#include "controls/menu/paint/MenuFills.h"
#include "controls/menu/styler/DvMenuSideBar.h"
#include "framework/core/Picture.h"
#include "framework/win/graphics/GdiObjects.h"

namespace {

constexpr int kQuarterTurn = 900;

LOGFONTA TurnedFont(const TFont& font, TDirection direction) {
  LOGFONTA turned{};
  turned.lfHeight = font.Height();
  turned.lfEscapement = direction == dDownToUp ? kQuarterTurn : -kQuarterTurn;
  turned.lfOrientation = turned.lfEscapement;
  const TFontStyles style = font.Style();
  turned.lfWeight = (style & (1u << fsBold)) != 0 ? FW_BOLD : FW_NORMAL;
  turned.lfItalic = (style & (1u << fsItalic)) != 0 ? 1 : 0;
  turned.lfUnderline = (style & (1u << fsUnderline)) != 0 ? 1 : 0;
  turned.lfStrikeOut = (style & (1u << fsStrikeOut)) != 0 ? 1 : 0;
  turned.lfCharSet = DEFAULT_CHARSET;
  turned.lfPitchAndFamily = font.Pitch() == fpVariable ? VARIABLE_PITCH
                            : font.Pitch() == fpFixed  ? FIXED_PITCH
                                                       : DEFAULT_PITCH;
  std::strncpy(turned.lfFaceName, font.Name().c_str(), LF_FACESIZE - 1);
  return turned;
}

// The height of the side bar's picture when it keeps to the bottom of the bar.
int PictureAtTheBottom(TSideBar& sideBar) {
  TBackground& image = sideBar.Image();
  if (!image.HasImage()) return 0;
  const TBackgroundPosition position = image.Position();
  if (position != bpBottomLeft && position != bpBottomRight) return 0;
  return image.Image()->Height();
}

}  // namespace

void PaintSideBarCaption(HDC dc, const TRect& bar, TSideBar& sideBar) {
  const std::string& caption = sideBar.Caption();
  if (caption.empty()) return;
  const LOGFONTA turned = TurnedFont(sideBar.Font(), sideBar.Direction());
  GdiObject<HFONT> font(CreateFontIndirectA(&turned));
  if (!font) return;
  SelectGuard select(dc, font.Get());
  SIZE extent{};
  GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
  const TCaptionEnd end = CaptionEndFor(sideBar.Alignment() == taCenter,
                                        sideBar.Alignment() == taRightJustify, sideBar.Direction());
  const TPoint origin =
      PlaceSideBarCaption(sideBar.Size(), bar.Height(), extent.cx, extent.cy, end,
                          sideBar.Direction(), sideBar.EndOffset(), PictureAtTheBottom(sideBar));
  const int x = bar.Left + origin.X;
  const int y = bar.Top + origin.Y;
  const RECT clip{bar.Left, bar.Top, bar.Right, bar.Bottom + 1};

  SetBkMode(dc, TRANSPARENT);
  const auto draw = [&](int atX, int atY, TColor color) {
    if (color == clNone) return;
    SetTextColor(dc, static_cast<COLORREF>(PlainColor(color) & 0xFFFFFF));
    ExtTextOutA(dc, atX, atY, ETO_CLIPPED, &clip, caption.c_str(),
                static_cast<UINT>(caption.size()), nullptr);
  };
  if (sideBar.ShadowColor() != clNone)
    draw(x + sideBar.Depth(), y - sideBar.Depth(), sideBar.ShadowColor());
  draw(x, y, sideBar.Font().Color());
  SetBkMode(dc, OPAQUE);
}

void PaintSideBarFrame(HDC dc, const TRect& bar, const TSideBar& sideBar) {
  const int splitter = sideBar.SplitterWidth();
  FrameInColor(dc, TRect{bar.Left, bar.Top, bar.Right - splitter, bar.Bottom},
               sideBar.BorderColor());
  if (sideBar.SplitterColor() == clNone) return;
  DrawGradientEndsBar(dc, TRect{bar.Right - splitter, bar.Top, bar.Right, bar.Bottom},
                      sideBar.SplitterMargin(), sideBar.SplitterGradientWidth(),
                      sideBar.SplitterGradientType(), gdVertical, sideBar.SplitterColor(),
                      sideBar.SplitterColorTo());
}
