#include "controls/check/DvCustomCheckBox.h"

#include <vsstyle.h>

#include "framework/win/platform/Themes.h"

namespace {

// The built-in glyphs' bitmap resources, by state.
const char* const kGlyphResources[] = {"DVCOMMON_CHECKBOX_UNCHECKED", "DVCOMMON_CHECKBOX_CHECKED",
                                       "DVCOMMON_CHECKBOX_GRAYED"};

}  // namespace

const std::vector<std::string>& CheckBoxStateNames() {
  static const std::vector<std::string> names = {"cbUnchecked", "cbChecked", "cbGrayed"};
  return names;
}

TDvCustomCheckBox::TDvCustomCheckBox(TComponent* owner) : TDvCustomGlyphButton(owner) {
  SetAlignmentVertical(avTop);
  SetGlyphCells(9);
}

TDvCustomCheckBox::~TDvCustomCheckBox() {
  // The window goes while the state image can still be built.
  DestroyHandle();
}

void TDvCustomCheckBox::SetState(TCheckBoxState value) {
  if (value == state_) return;
  state_ = value;
  Repaint();
  if (!ActionUpdating()) Click();
}

void TDvCustomCheckBox::AdvanceState() {
  switch (state_) {
    case cbUnchecked:
      SetState(allowGrayed_ ? cbGrayed : cbChecked);
      break;
    case cbChecked:
      SetState(cbUnchecked);
      break;
    case cbGrayed:
      SetState(cbChecked);
      break;
  }
}

// ---- state image ----

void TDvCustomCheckBox::BuildClassicImage(TBitmap& image) const {
  TCanvas& canvas = image.Canvas();
  // Whatever the platform leaves out shows the background.
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(TransparentColor());
  canvas.FillRect({0, 0, image.Width(), image.Height()});
  UINT flags = DFCS_BUTTONCHECK;
  if (state_ == cbChecked) flags |= DFCS_CHECKED;
  if (state_ == cbGrayed) flags |= DFCS_CHECKED | DFCS_BUTTON3STATE;
  if (PressedLook()) flags |= DFCS_PUSHED;
  if (!Enabled()) flags |= DFCS_INACTIVE;
  RECT rect{0, 0, image.Width(), image.Height()};
  DrawFrameControl(canvas.Handle(), &rect, DFC_BUTTON, flags);
}

bool TDvCustomCheckBox::BuildThemedImage(TBitmap& image) {
  const HWND window = HandleAllocated() ? HandleIfAllocated() : nullptr;
  const ThemeData theme(window, L"BUTTON");
  if (!theme) return false;
  int base = CBS_UNCHECKEDNORMAL;
  if (state_ == cbChecked) base = CBS_CHECKEDNORMAL;
  if (state_ == cbGrayed) base = CBS_MIXEDNORMAL;
  int offset = 0;  // normal
  if (!Enabled())
    offset = 3;
  else if (PressedLook())
    offset = 2;
  else if (MouseOver())
    offset = 1;
  const HDC dc = image.Canvas().Handle();
  if (window != nullptr) {
    // The bitmap stands for the glyph's place in the control: the parent's background is asked
    // for in the control's coordinates, with the glyph's corner at the bitmap's origin.
    const TRect glyph = GlyphRect();
    POINT origin{};
    SetViewportOrgEx(dc, -glyph.Left, -glyph.Top, &origin);
    DrawParentBackground(window, dc, nullptr);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
  }
  const RECT rect{0, 0, image.Width(), image.Height()};
  return theme.DrawBackground(dc, BP_CHECKBOX, base + offset, rect);
}

bool TDvCustomCheckBox::BuildHotTrackImage(TBitmap& image) const {
  const HINSTANCE module = GetModuleHandleA(nullptr);
  const char* name = kGlyphResources[state_];
  if (!TBitmap::HasBitmapResource(module, name)) return false;
  const THotTrackColors colors = HotTrackGlyphColors();
  // The loader swaps the placeholder colours in the colour table, all at once, so a replacement
  // is never replaced again; nothing else maps the bitmap's colours on the way.
  TBitmap glyph;
  glyph.LoadFromResourceName(module, name,
                             {{clWhite, colors.interior},
                              {clGray, FrameColor()},
                              {clRed, colors.dark},
                              {clFuchsia, colors.light},
                              {clBlue, colors.mark}});
  image.Canvas().CopyRect({0, 0, image.Width(), image.Height()}, glyph.Canvas(),
                          {0, 0, glyph.Width(), glyph.Height()});
  return true;
}

void TDvCustomCheckBox::BuildStateImage(TBitmap& image) {
  if (UseCustomGlyphs() && !CustomGlyphs()->Empty()) {
    int cell = static_cast<int>(state_);
    if (!Enabled())
      cell += 6;
    else if (PressedLook())
      cell += 3;
    const TRect target{0, 0, GlyphWidth(), GlyphHeight()};
    image.Canvas().CopyRect(target, CustomGlyphs()->Canvas(),
                            target.Offset(cell * GlyphWidth(), 0));
    return;
  }
  if (ThemesActive() && BuildThemedImage(image)) return;
  if (HotTrack() && BuildHotTrackImage(image)) return;
  BuildClassicImage(image);
}

// ---- keyboard and focus ----

void TDvCustomCheckBox::KeyDown(WORD& key, TShiftState shift) {
  TDvCustomGlyphButton::KeyDown(key, shift);
  if (key == VK_SPACE) {
    spacePending_ = true;
    SetPressedLook(true);
  } else if (key == VK_ESCAPE) {
    spacePending_ = false;
    SetPressedLook(false);
  }
}

void TDvCustomCheckBox::KeyUp(WORD& key, TShiftState shift) {
  TDvCustomGlyphButton::KeyUp(key, shift);
  if (key != VK_SPACE) return;
  SetPressedLook(false);
  if (spacePending_) AdvanceState();
  Repaint();
}

void TDvCustomCheckBox::DoEnter() {
  TDvCustomGlyphButton::DoEnter();
  Repaint();
}

void TDvCustomCheckBox::DoExit() {
  TDvCustomGlyphButton::DoExit();
  SetPressedLook(false);
  Repaint();
}

void TDvCustomCheckBox::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<char>(message.WParam), Caption()) &&
      CanFocus()) {
    SetFocus();
    if (Focused()) AdvanceState();
    Repaint();
    message.Result = 1;
    return;
  }
  TDvCustomGlyphButton::WndProc(message);
}
