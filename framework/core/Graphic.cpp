#include "framework/core/Graphic.h"

#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"

const TClassInfo& TGraphic::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TGraphic, TPersistent>("TGraphic");
  return info;
}

void TGraphic::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed();
}

void TGraphic::SetModified(bool modified) {
  if (modified)
    Changed();
  else
    modified_ = false;
}

void TGraphic::Changed() {
  modified_ = true;
  OnChange(this);
}

void TGraphic::Progress(TProgressStage stage, uint8_t percent, bool redrawNow, const TRect& rect,
                        const std::string& message) {
  OnProgress(this, stage, percent, redrawNow, rect, message);
}

bool TGraphic::Equals(TGraphic& other) {
  if (&other == this) return true;
  if (&other.ClassInfo() != &ClassInfo()) return false;
  if (Empty() || other.Empty()) return Empty() && other.Empty();
  TMemoryStream mine;
  TMemoryStream theirs;
  WriteData(mine);
  other.WriteData(theirs);
  return mine.Bytes() == theirs.Bytes();
}

void TGraphic::LoadFromClipboardFormat(TClipboardFormat, TClipboardHandle, TPaletteHandle) {
  throw EInvalidGraphic("Unsupported clipboard format");
}

void TGraphic::SaveToClipboardFormat(TClipboardFormat&, TClipboardHandle&, TPaletteHandle&) {
  throw EInvalidGraphic("Unsupported clipboard format");
}
