#include "framework/win/stdctrls/Label.h"

#include "framework/win/controls/WinControl.h"

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  ControlStyleInclude(csOpaque | csReplicatable);
  StoreBounds(0, 0, 65, 17);
}

UINT TCustomLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (alignment_ == taRightJustify) flags |= DT_RIGHT;
  if (alignment_ == taCenter) flags |= DT_CENTER;
  return DrawTextBiDiModeFlags(flags);
}

void TCustomLabel::DoDrawText(TRect& rect, UINT flags) {
  std::string text = GetLabelText();
  // An empty caption (or a lone accelerator mark) still takes one line.
  if ((flags & DT_CALCRECT) != 0 && (text.empty() || (showAccelChar_ && text == "&"))) text += ' ';
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(Font());
  if (!Enabled()) {
    TRect shifted = rect.Offset(1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(text, shifted, flags);
    canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(text, rect, flags);
    if ((flags & DT_CALCRECT) != 0) rect = shifted.Offset(-1, -1);
    return;
  }
  canvas.DrawText(text, rect, flags);
}

void TCustomLabel::Paint() {
  TCanvas& canvas = Canvas();
  if (!Transparent()) {
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(ClientRect());
  }
  canvas.Brush().SetStyle(bsClear);
  const UINT flags = TextFlags();
  TRect rect = PlaceTextVertically(ClientRect(), flags, Height());
  DoDrawText(rect, flags);
}

TRect TCustomLabel::PlaceTextVertically(const TRect& rect, UINT flags, int bottom) {
  if (layout_ == tlTop) return rect;
  TRect measured = rect;
  DoDrawText(measured, flags | DT_CALCRECT);
  const int room = bottom - measured.Bottom;
  return rect.Offset(0, layout_ == tlBottom ? room : room / 2);
}

void TCustomLabel::AdjustBounds() {
  if (!autoSize_ || IsLoading()) return;
  TRect rect = ClientRect();
  {
    WindowDC screen(nullptr);
    TCanvasDCScope scope(Canvas(), screen.Get());
    DoDrawText(rect, (TextFlags() & ~static_cast<UINT>(DT_RIGHT | DT_CENTER)) | DT_CALCRECT);
  }
  // A label that reads to the right (after right-to-left flipping) keeps its right edge.
  int left = Left();
  if (BiDiAlignment(alignment_) == taRightJustify) left += Width() - rect.Right;
  SetBounds(left, Top(), rect.Right, rect.Bottom);
}

void TCustomLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_BIDIMODECHANGED:
      TGraphicControl::WndProc(message);
      AdjustBounds();
      return;
    case CM_TEXTCHANGED:
      Invalidate();
      AdjustBounds();
      return;
    case CM_FONTCHANGED:
      TGraphicControl::WndProc(message);
      AdjustBounds();
      return;
    case CM_DIALOGCHAR:
      if (focusControl_ != nullptr && Enabled() && showAccelChar_ &&
          IsAccel(static_cast<char>(message.WParam), Caption()) && focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        message.Result = 1;
        return;
      }
      message.Result = 0;
      return;
    default:
      TGraphicControl::WndProc(message);
  }
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  AdjustBounds();
}

void TCustomLabel::SetLayout(TTextLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  if (value == Transparent()) return;
  if (value)
    ControlStyleExclude(csOpaque);
  else
    ControlStyleInclude(csOpaque);
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (value == showAccelChar_) return;
  showAccelChar_ = value;
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* control) {
  if (focusControl_ != nullptr) focusControl_->RemoveFreeNotification(this);
  focusControl_ = control;
  if (control != nullptr) control->FreeNotification(this);
}
