// TControl's reading order: BiDiMode, its inheritance from the parent, and the text flags and
// alignment that follow from it.
#include "framework/win/controls/Controls.h"
#include "framework/win/controls/WinControl.h"

void TControl::SetBiDiMode(TBiDiMode value) {
  if (value == bidiMode_) return;
  bidiMode_ = value;
  parentBiDiMode_ = false;
  Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool value) {
  if (value == parentBiDiMode_) return;
  parentBiDiMode_ = value;
  if (value && parent_ != nullptr && !IsLoading()) Perform(CM_PARENTBIDIMODECHANGED);
}

void TControl::ParentBiDiModeChanged() {
  if (!parentBiDiMode_ || parent_ == nullptr) return;
  SetBiDiMode(parent_->BiDiMode());
  parentBiDiMode_ = true;
}

UINT TControl::DrawTextBiDiModeFlags(UINT flags) const {
  if (UseRightToLeftAlignment() && (flags & DT_CENTER) == 0) {
    // DT_LEFT is 0: left and right swap by the DT_RIGHT bit alone.
    flags ^= DT_RIGHT;
  }
  return flags | DrawTextBiDiModeFlagsReadingOnly();
}

UINT TControl::DrawTextBiDiModeFlagsReadingOnly() const {
  return UseRightToLeftReading() ? DT_RTLREADING : 0;
}

TAlignment TControl::BiDiAlignment(TAlignment alignment) const {
  if (!UseRightToLeftAlignment()) return alignment;
  switch (alignment) {
    case taLeftJustify:
      return taRightJustify;
    case taRightJustify:
      return taLeftJustify;
    default:
      return alignment;
  }
}
