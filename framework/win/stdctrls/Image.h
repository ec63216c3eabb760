// The image control: a windowless control that shows a picture (bitmap, icon, GIF, any
// registered graphic) placed by Center, Stretch and Proportional, optionally sized to it.
#pragma once

#include <memory>

#include "framework/core/Picture.h"
#include "framework/win/controls/GraphicControl.h"

class TImage : public TGraphicControl {
  DV_CLASS(TImage)
 public:
  explicit TImage(TComponent* owner);
  ~TImage() override;

  // The owned picture; setting copies into it.
  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(const TPicture* picture) { picture_->Assign(picture); }

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool value);
  // Whether the picture's background colour shows what lies behind the control.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // Repaint while a graphic reports progress with its redraw-now flag set.
  bool IncrementalDisplay() const { return incrementalDisplay_; }
  void SetIncrementalDisplay(bool value) { incrementalDisplay_ = value; }

  // Where the picture is drawn, in client coordinates.
  TRect DestRect() const;
  // True while the picture is being drawn.
  bool Drawing() const { return drawing_; }

  TProgressEvent OnProgress;

 protected:
  void Paint() override;

 private:
  void PictureChanged(TObject* sender);
  void PictureProgress(TObject* sender, TProgressStage stage, uint8_t percent, bool redrawNow,
                       const TRect& rect, const std::string& message);
  // Asks the form to realise the picture's new palette; true when it was asked.
  bool DoPaletteChange();

  std::unique_ptr<TPicture> picture_;
  bool autoSize_ = false;
  bool center_ = false;
  bool stretch_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
  bool incrementalDisplay_ = false;
  bool drawing_ = false;
};

// Makes TImage known to form data (idempotent).
void RegisterImageClasses();
