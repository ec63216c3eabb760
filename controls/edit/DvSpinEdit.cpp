#include "controls/edit/DvSpinEdit.h"

#include "controls/common/DvFonts.h"
#include "controls/edit/DecimalSeparator.h"
#include "controls/edit/DefaultBeep.h"
#include "controls/edit/SpinInputRules.h"
#include "controls/edit/SpinValueText.h"
#include "framework/win/forms/Application.h"
#include "framework/win/platform/Themes.h"

TDvSpinEdit::TDvSpinEdit(TComponent* owner) : TDvCustomEdit(owner) {
  buttons_ = &TComponent::Create<TDvSpinButtons>(*this);
  buttons_->SetParent(this);
  buttons_->SetBounds(0, 0, 17, 17);
  buttons_->SetVisible(true);
  buttons_->SetFocusControl(this);
  buttons_->OnUpRightClick = [this](TObject*) { StepUp(increment_); };
  buttons_->OnDownLeftClick = [this](TObject*) { StepDown(increment_); };
  // Hovering the buttons keeps the edit hot; leaving them for outside leaves the edit too.
  for (TDvControlButton* button : {&buttons_->UpRightButton(), &buttons_->DownLeftButton()}) {
    button->OnMouseLeave = [this](TObject*) {
      const TControl* now = Application().MouseControl();
      if (MouseOverControl() && (now == nullptr || !ContainsControl(now))) Perform(CM_MOUSELEAVE);
    };
  }
  SetWidth(47);
  SetAlignment(taRightJustify);
  // A new control shows 0, never its name.
  SetValue(0);
}

TDvSpinEdit::~TDvSpinEdit() {
  DestroyHandle();
}

// ---- the value ----

int32_t TDvSpinEdit::ValueAsInteger(long double value) {
  return SpinValueText::RoundToInt32(value);
}

bool TDvSpinEdit::ParseText(const std::string& text, long double& value) const {
  return SpinValueText::TryParse(text, DecimalSeparator(), value);
}

long double TDvSpinEdit::Value() {
  const std::string text = Text();
  long double value = 0;
  if (!text.empty()) return ParseText(text, value) ? value : min_;
  if (allowBlank_) return blankValue_;
  // Reading shows Min in the box (and announces the change).
  const std::string minText = SpinValueText::FormatGeneral(min_, DecimalSeparator());
  SetText(minText);
  return ParseText(minText, value) ? value : min_;
}

long double TDvSpinEdit::StoredValue() const {
  const std::string text = Text();
  long double value = 0;
  if (text.empty()) return allowBlank_ ? blankValue_ : min_;
  return ParseText(text, value) ? value : min_;
}

void TDvSpinEdit::SetValue(long double value) {
  const bool keepCaret = HandleAllocated() && SelLength() == 0;
  const int caret = keepCaret ? SelStart() : 0;
  const size_t oldLength = keepCaret ? Text().size() : 0;
  const std::string text =
      SpinValueText::FormatFixed(ClampToRange(value), decimals_, DecimalSeparator());
  SetText(text);
  if (keepCaret) SetSelStart(SpinInputRules::CaretAfterReformat(caret, oldLength, text.size()));
}

long double TDvSpinEdit::ClampToRange(long double x) {
  return SpinInputRules::ClampToRange(x, min_, max_, checkRange_);
}

void TDvSpinEdit::StepUp(long double amount) {
  if (ReadOnly()) {
    DefaultBeep();
    return;
  }
  bool allowChange = true;
  OnChanging(this, allowChange);
  if (!allowChange) return;
  SetValue(Value() + amount);
  OnButtonClick(this, sbUp);
}

void TDvSpinEdit::StepDown(long double amount) {
  if (ReadOnly()) {
    DefaultBeep();
    return;
  }
  bool allowChange = true;
  OnChanging(this, allowChange);
  if (!allowChange) return;
  SetValue(Value() - amount);
  OnButtonClick(this, sbDown);
}

// ---- settings ----

void TDvSpinEdit::SetMin(long double value) {
  if (value == min_) return;
  min_ = value;
  if (value > max_) max_ = value;
  SetValue(Value());
  Invalidate();
}

void TDvSpinEdit::SetMax(long double value) {
  if (value == max_) return;
  max_ = value;
  if (value < min_) min_ = value;
  SetValue(Value());
  Invalidate();
}

void TDvSpinEdit::SetCheckRange(bool value) {
  if (value == checkRange_) return;
  checkRange_ = value;
  SetValue(Value());
}

void TDvSpinEdit::SetDecimals(uint8_t value) {
  if (value == decimals_) return;
  decimals_ = value;
  SetValue(Value());
}

void TDvSpinEdit::SetIntegersOnly(bool value) {
  if (value == integersOnly_) return;
  integersOnly_ = value;
  if (!value) return;
  decimals_ = 0;
  SetValue(SpinValueText::RoundHalfEven(Value()));
}

void TDvSpinEdit::SetButtonWidth(int value) {
  if (value < 0) value = 0;
  if (value == buttonWidth_) return;
  buttonWidth_ = value;
  buttons_->SetWidth(Orientation() == orVertical ? value : 2 * value);
  LayoutButtons();
  Invalidate();
}

void TDvSpinEdit::SetFlatButtonColor(TColor value) {
  if (value == flatButtonColor_) return;
  flatButtonColor_ = value;
  if (FlatButtons() && IsHot() && !ThemesActive()) buttons_->SetColor(value);
}

void TDvSpinEdit::SetOrientation(TOrientation value) {
  buttons_->SetOrientation(value);
  LayoutButtons();
  Invalidate();
}

void TDvSpinEdit::SetFlatButtons(bool value) {
  TDvCustomEdit::SetFlatButtons(value);
  buttons_->SetFlat(value);
  LayoutButtons();
}

void TDvSpinEdit::SetFrameStyle(TFrameStyle value) {
  TDvCustomEdit::SetFrameStyle(value);
  LayoutButtons();
}

// ---- layout ----

void TDvSpinEdit::LayoutButtons() {
  if (IsLoading() || buttons_ == nullptr) return;
  const int minimumHeight = EditHeightForFont(GetFont());
  if (Height() < minimumHeight) {
    // The resize lays the buttons out again.
    SetHeight(minimumHeight);
    return;
  }
  const int width = Width();
  const int height = Height();
  const int buttonWidth = buttons_->Width();
  if (UseRightToLeftReading()) {
    // Read from the right, the buttons sit at the start of the line: the left.
    buttons_->SetBounds(0, 0, buttonWidth, height - 3);
  } else if (FrameVisible() || Ctl3D()) {
    if (ThemesActive())
      buttons_->SetBounds(width - buttonWidth - 3, -1, buttonWidth, height - 1);
    else
      buttons_->SetBounds(width - buttonWidth - 4, 0, buttonWidth, height - 3);
  } else {
    buttons_->SetBounds(width - buttonWidth - 1, 1, buttonWidth, height - 3);
  }
  UpdateTextMargins();
}

void TDvSpinEdit::UpdateTextMargins() {
  if (IsLoading() || !HandleAllocated() || buttons_ == nullptr) return;
  const int reserve = buttons_->Width() + 2;
  const bool buttonsLeft = UseRightToLeftReading();
  SetMargins(EC_LEFTMARGIN, buttonsLeft ? reserve : 0, 0);
  SetMargins(EC_RIGHTMARGIN, 0, buttonsLeft ? 0 : reserve);
}

void TDvSpinEdit::CreateWnd() {
  TDvCustomEdit::CreateWnd();
  UpdateTextMargins();
}

void TDvSpinEdit::Resize() {
  TDvCustomEdit::Resize();
  LayoutButtons();
}

void TDvSpinEdit::HotStateChanged(bool isMouse, bool entered) {
  TDvCustomEdit::HotStateChanged(isMouse, entered);
  if (!FlatButtons()) return;
  const bool hot = entered || Focused();
  if (ThemesActive()) {
    buttons_->SetFlat(!hot);
    buttons_->SetColor(Color());
  } else {
    buttons_->SetColor(hot ? flatButtonColor_ : Color());
  }
}

void TDvSpinEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_ENABLEDCHANGED:
      TDvCustomEdit::WndProc(message);
      UpdateTextMargins();
      buttons_->SetEnabled(Enabled());
      if (FlatButtons()) buttons_->SetColor(Color());
      return;
    case CM_FONTCHANGED:
      TDvCustomEdit::WndProc(message);
      if (HandleAllocated()) UpdateTextMargins();
      buttons_->SetEnabled(Enabled());
      return;
    case CM_BIDIMODECHANGED:
      // The buttons and the text margin change sides.
      TDvCustomEdit::WndProc(message);
      LayoutButtons();
      return;
    default:
      TDvCustomEdit::WndProc(message);
  }
}

void TDvSpinEdit::Loaded() {
  TDvCustomEdit::Loaded();
  LayoutButtons();
}
