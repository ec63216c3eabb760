#include "controls/images/DvImageSquare.h"

#include "framework/win/controls/WinControl.h"
#include "framework/win/graphics/GdiObjects.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/platform/Themes.h"

namespace {

constexpr int kBorderWidth = 3;
constexpr int kEditPart = 1;         // EP_EDITTEXT
constexpr int kEditStateNormal = 1;  // ETS_NORMAL
constexpr int kThemedFrameWidth = 2;

// One pixel of frame inside rect, which then moves inwards: topLeft on the top and left edges,
// bottomRight on the bottom and right edges (and on the top-right and bottom-left corners).
void FrameStep(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight) {
  if (rect.IsEmpty()) return;
  canvas.Brush().SetColor(topLeft);
  canvas.FillRect(TRect{rect.Left, rect.Top, rect.Right - 1, rect.Top + 1});
  canvas.FillRect(TRect{rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1});
  canvas.Brush().SetColor(bottomRight);
  canvas.FillRect(TRect{rect.Right - 1, rect.Top, rect.Right, rect.Bottom});
  canvas.FillRect(TRect{rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom});
  rect = rect.Inflate(-1, -1);
}

}  // namespace

TDvImageSquare::TDvImageSquare(TComponent* owner) : TGraphicControl(owner) {
  // The square has a colour of its own, not its parent's.
  SetParentColor(false);
  SetBounds(Left(), Top(), 36, 36);
  imageChangeLink_.OnChange = [this](TObject* sender) { ImageListChanged(sender); };
}

void TDvImageSquare::SetBorderStyle(TBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  Repaint();
}

void TDvImageSquare::SetHiColor(TColor color) {
  if (color == hiColor_) return;
  hiColor_ = color;
  Repaint();
}

void TDvImageSquare::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Repaint();
}

void TDvImageSquare::SetImages(TCustomImageList* images) {
  if (images_ != nullptr) {
    images_->UnRegisterChanges(imageChangeLink_);
    images_->RemoveFreeNotification(this);
  }
  images_ = images;
  imagesComponent_ = images;
  if (images_ != nullptr) {
    images_->RegisterChanges(imageChangeLink_);
    images_->FreeNotification(this);
  }
  Repaint();
}

void TDvImageSquare::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component != nullptr && component == imagesComponent_) {
    images_ = nullptr;
    imagesComponent_ = nullptr;
  }
}

void TDvImageSquare::ImageListChanged(TObject*) {
  Repaint();
}

void TDvImageSquare::Paint() {
  TCanvas& canvas = Canvas();
  TRect rect{0, 0, Width(), Height()};
  if (borderStyle_ == bsSingle) {
    DrawBorder(rect);
    rect = rect.Inflate(-kBorderWidth, -kBorderWidth);
  }
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(currentColor_);
  canvas.FillRect(rect);
  if (images_ == nullptr || imageIndex_ < 0 || imageIndex_ >= images_->Count()) return;
  // Centred; the offset truncates toward zero, so a square smaller than the image shows its
  // top left.
  const int x = (Width() - images_->Width()) / 2;
  const int y = (Height() - images_->Height()) / 2;
  ImageList_DrawEx(images_->Handle(), imageIndex_, canvas.Handle(), x, y, 0, 0, CLR_NONE, CLR_NONE,
                   ILD_TRANSPARENT);
}

void TDvImageSquare::DrawBorder(const TRect& bounds) {
  TCanvas& canvas = Canvas();
  TRect rect = bounds;
  if (pressed_ && showClick_) {
    FrameStep(canvas, rect, cl3DDkShadow, cl3DDkShadow);
    FrameStep(canvas, rect, cl3DLight, cl3DLight);
    FrameStep(canvas, rect, cl3DDkShadow, cl3DDkShadow);
    return;
  }
  if (borderStyle_ == bsSingle && ThemesActive()) {
    HWND parentWindow = Parent() != nullptr ? Parent()->HandleIfAllocated() : nullptr;
    ThemeData theme(parentWindow, L"EDIT");
    if (theme) {
      HDC dc = canvas.Handle();
      SavedDCState saved(dc);
      ExcludeClipRect(dc, bounds.Left + kThemedFrameWidth, bounds.Top + kThemedFrameWidth,
                      bounds.Right - kThemedFrameWidth, bounds.Bottom - kThemedFrameWidth);
      theme.DrawBackground(dc, kEditPart, kEditStateNormal, ToRECT(bounds));
      return;
    }
  }
  if (borderStyle_ == bsSingle) {
    FrameStep(canvas, rect, clBtnFace, clBtnFace);
    FrameStep(canvas, rect, clBtnShadow, cl3DLight);
    FrameStep(canvas, rect, cl3DDkShadow, clBtnFace);
    return;
  }
  for (int i = 0; i < kBorderWidth; ++i)
    FrameStep(canvas, rect, hiColor_, hiColor_);
}

void TDvImageSquare::DrawBorderNow() {
  if (Parent() == nullptr || !Parent()->HandleAllocated() || !IsVisibleOnScreen()) return;
  DrawBorder(TRect{0, 0, Width(), Height()});
}

void TDvImageSquare::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  pressed_ = true;
  if (showClick_) DrawBorderNow();
}

void TDvImageSquare::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  pressed_ = false;
  if (showClick_) DrawBorderNow();
}

void TDvImageSquare::MouseEnter() {
  if (IsDesigning()) return;
  TGraphicControl::MouseEnter();
  if (ColorToRGB(currentColor_) == ColorToRGB(hiColor_)) return;
  currentColor_ = hiColor_;
  Repaint();
}

void TDvImageSquare::MouseLeave() {
  pressed_ = false;
  if (IsDesigning()) return;
  TGraphicControl::MouseLeave();
  if (ColorToRGB(currentColor_) == ColorToRGB(normalColor_)) return;
  currentColor_ = normalColor_;
  Repaint();
}

void TDvImageSquare::ColorChanged() {
  normalColor_ = Color();
  currentColor_ = Color();
  Repaint();
}
