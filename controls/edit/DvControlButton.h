// A windowless push button that draws an arrow (or a custom glyph), can be drawn flat, and
// repeats its click while it is held down: the first repeat InitialDelay ms after the press,
// then every Delay ms, and one more click on a release inside the button.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/win/controls/GraphicControl.h"
#include "framework/win/graphics/Bitmap.h"

class TSystemTimer;

enum TDvControlButtonStyle { cbsNone, cbsLeft, cbsUp, cbsRight, cbsDown, cbsDropDown };

const std::vector<std::string>& DvControlButtonStyleNames();

class TDvControlButton : public TGraphicControl {
  DV_CLASS(TDvControlButton)
 public:
  explicit TDvControlButton(TComponent* owner);
  ~TDvControlButton() override;

  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  // Holds NumGlyphs cells side by side: cell 0 normal, cell 1 disabled. Its OnChange is the
  // button's own glyph handler unless a holder (the spin pair) replaces it.
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(const TBitmap* bitmap) { glyph_->Assign(bitmap); }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  bool RepeatClicks() const { return repeatClicks_; }
  void SetRepeatClicks(bool value) { repeatClicks_ = value; }
  uint16_t InitialDelay() const { return initialDelay_; }
  void SetInitialDelay(uint16_t value) { initialDelay_ = value; }
  uint16_t Delay() const { return delay_; }
  void SetDelay(uint16_t value) { delay_ = value; }
  TDvControlButtonStyle Style() const { return style_; }
  void SetStyle(TDvControlButtonStyle value);

  bool Pressed() const { return pressed_; }
  bool Tracking() const { return tracking_; }
  bool MouseOver() const { return mouseOver_; }
  // The interval the repeat timer runs with now; 0 while it is stopped.
  unsigned RepeatInterval() const;
  // One tick of the repeat timer: later ticks come every Delay ms; a held button clicks. An
  // error raised by the click stops the timer and passes on.
  void RepeatTimerTick();

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  bool IsHot() const;
  void StartRepeat(unsigned interval);
  void StopRepeat() noexcept;
  void SyncHotStateWithCursor();
  void OwnGlyphChanged();
  // The face without themes; rect becomes what is left inside its border.
  void PaintFace(TCanvas& canvas, TRect& rect);
  // The face with themes (the theme's spin part or scroll-bar thumb, or a plain fill for a flat
  // button that is not hot); rect becomes what is left for the arrow or glyph. True when the
  // theme drew an arrow part.
  bool PaintThemedFace(TCanvas& canvas, TRect& rect);
  void PaintGlyph(TCanvas& canvas, const TRect& rect);

  bool flat_ = false;
  std::unique_ptr<TBitmap> glyph_;
  int numGlyphs_ = 1;  // 1..4
  bool repeatClicks_ = false;
  bool pressed_ = false;
  bool tracking_ = false;
  uint16_t initialDelay_ = 400;
  uint16_t delay_ = 100;
  TDvControlButtonStyle style_ = cbsNone;
  std::unique_ptr<TSystemTimer> repeatTimer_;  // made on the first press that repeats
  unsigned repeatInterval_ = 0;
  bool mouseOver_ = false;
};
