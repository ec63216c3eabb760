// A self-drawn button with a glyph (a box image) beside its caption: the glyph is composed over
// the background with colour substitutions, a transparent button paints its parent behind it,
// and a frame controller may set its frame colours.
#pragma once

#include <memory>

#include "controls/check/DvCustomButton.h"
#include "controls/edit/FramingNotification.h"
#include "framework/win/graphics/Bitmap.h"

class TDvFrameController;

class TDvCustomGlyphButton : public TDvCustomButton, public IFramingNotification {
  DV_CLASS(TDvCustomGlyphButton)
 public:
  explicit TDvCustomGlyphButton(TComponent* owner);
  ~TDvCustomGlyphButton() override;

  // The glyph strip: cells side by side; a change switches UseCustomGlyphs to "not empty".
  TBitmap* CustomGlyphs() const { return customGlyphs_.get(); }
  void SetCustomGlyphs(const TBitmap* bitmap) { customGlyphs_->Assign(bitmap); }
  bool UseCustomGlyphs() const { return useCustomGlyphs_; }
  // The glyph takes the size of one cell (or 13 × 13 without custom glyphs).
  void SetUseCustomGlyphs(bool value);
  TColor TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(TColor value) { SetAndRepaint(transparentColor_, value); }
  TColor WinMaskColor() const { return winMaskColor_; }
  void SetWinMaskColor(TColor value) { SetAndRepaint(winMaskColor_, value); }
  TColor DisabledColor() const { return disabledColor_; }
  void SetDisabledColor(TColor value) { SetAndRepaint(disabledColor_, value); }
  bool TabOnEnter() const { return tabOnEnter_; }
  void SetTabOnEnter(bool value) { tabOnEnter_ = value; }
  TColor FrameColor() const { return frameColor_; }
  void SetFrameColor(TColor value) { SetAndRepaint(frameColor_, value); }
  TDvFrameController* FrameController() const { return frameController_; }
  void SetFrameController(TDvFrameController* controller);
  // taLeftJustify puts the caption left of the glyph, taRightJustify right of it; a button whose
  // alignment is flipped (bdRightToLeft) puts them the other way round.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { SetAndRepaint(alignment_, value); }
  // The caption's side of the glyph as drawn: Alignment, flipped right to left.
  TAlignment CaptionSide() const;
  void SetTransparent(bool value) override;

  int GlyphWidth() const { return glyphWidth_; }
  int GlyphHeight() const { return glyphHeight_; }
  // Where the glyph is drawn (also the area the hot look redraws).
  TRect GlyphRect() const;
  // The caption's rectangle: the client area inside one pixel, without the glyph's side.
  TRect CaptionRect() const;
  // A colour equal (by RGB) to TransparentColor, WinMaskColor or gray comes back one step off
  // (its RGB value plus one), so that it survives the glyph's substitutions; others unchanged.
  TColor AvoidMaskColors(TColor color) const;

  // The colours that replace the built-in glyph's interior, light band, dark band and mark in the
  // hot-track look, by the first matching state: disabled, pressed look, mouse over, otherwise.
  struct THotTrackColors {
    TColor interior;
    TColor light;
    TColor dark;
    TColor mark;
  };
  THotTrackColors HotTrackGlyphColors() const;

  // Fills a glyph-sized bitmap with the image of the current state.
  virtual void BuildStateImage(TBitmap& image) = 0;
  // Composes the state image at the glyph position with the colour substitutions.
  void DrawStateGlyph(TCanvas& canvas);

  // The check state, as the action link sees it (a glyph button without one reads unchecked).
  virtual bool Checked() const { return false; }
  virtual void SetChecked(bool) {}
  // Checked as the action link sets it: the action-update flag is set meanwhile, so the change
  // raises no OnClick, and cleared on every path.
  void SetCheckedFromAction(bool value);
  bool ActionUpdating() const { return actionUpdating_; }
  // Checked is written to form data only while no action link governs it.
  bool StoresChecked() const;

  void FramingChanged() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void SetGlyphCells(int cells) { glyphCells_ = cells; }
  int GlyphCells() const { return glyphCells_; }
  void MarkBackgroundStale() { backgroundStale_ = true; }
  TRect HotRect() const override { return GlyphRect(); }
  void Paint() override;
  void KeyPress(char& key) override;
  void Resize() override;
  std::unique_ptr<TControlActionLink> CreateActionLink() override;
  // Besides the common values, the action's Checked (with checkDefaults: only into an unchecked
  // button).
  void ActionChange(TObject* sender, bool checkDefaults) override;

 private:
  void CustomGlyphsChanged();
  void UpdateGlyphSize();
  void RebuildBackground();

  int glyphCells_ = 2;
  int glyphWidth_ = 13;
  int glyphHeight_ = 13;
  std::unique_ptr<TBitmap> customGlyphs_;
  bool useCustomGlyphs_ = false;
  TColor transparentColor_ = clOlive;
  TColor winMaskColor_ = clLime;
  TColor disabledColor_ = clBtnFace;
  bool tabOnEnter_ = false;
  TDvFrameController* frameController_ = nullptr;
  TColor frameColor_ = clBtnShadow;
  TBitmap background_;  // what lies behind the control
  bool backgroundStale_ = true;
  bool actionUpdating_ = false;
  TAlignment alignment_ = taRightJustify;
};
