#include "framework/core/TypInfo.h"

#include "framework/win/stdctrls/Image.h"

#include "framework/win/controls/ControlPublish.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/graphics/Icon.h"

const TClassInfo& TImage::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TImage, TGraphicControl>("TImage", [](TPropertyBuilder<TImage>& b) {
        PublishControlProperties(b, {"Align", "Anchors"});
        b.Bool("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false);
        b.Bool("Center", &TImage::Center, &TImage::SetCenter, false);
        PublishControlProperties(b, {"Enabled"});
        b.Bool("IncrementalDisplay", &TImage::IncrementalDisplay, &TImage::SetIncrementalDisplay,
               false);
        PublishControlProperties(b, {"ParentShowHint"});
        b.Object("Picture", &TImage::Picture);
        PublishControlProperties(b, {"PopupMenu"});
        b.Bool("Proportional", &TImage::Proportional, &TImage::SetProportional, false);
        PublishControlProperties(b, {"ShowHint"});
        b.Bool("Stretch", &TImage::Stretch, &TImage::SetStretch, false);
        b.Bool("Transparent", &TImage::Transparent, &TImage::SetTransparent, false);
        PublishControlProperties(b, {"Visible", "OnClick", "OnContextPopup", "OnDblClick",
                                     "OnMouseDown", "OnMouseMove", "OnMouseUp"});
        b.Event("OnProgress", &TImage::OnProgress);
      });
  return info;
}

void RegisterImageClasses() {
  ClassRegistry::Register(TImage::StaticClassInfo());
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
  ControlStyleInclude(csReplicatable);
  picture_->OnChange = [this](TObject* sender) { PictureChanged(sender); };
  picture_->OnProgress = [this](TObject* sender, TProgressStage stage, uint8_t percent,
                                bool redrawNow, const TRect& rect, const std::string& message) {
    PictureProgress(sender, stage, percent, redrawNow, rect, message);
  };
  SetBounds(Left(), Top(), 105, 105);
}

TImage::~TImage() {
  // The picture may announce its graphic's end; nobody listens any more.
  picture_->OnChange.Clear();
  picture_->OnProgress.Clear();
}

TRect TImage::DestRect() const {
  int width = picture_->Width();
  int height = picture_->Height();
  const int clientWidth = ClientWidth();
  const int clientHeight = ClientHeight();
  if (stretch_ || (proportional_ && (width > clientWidth || height > clientHeight))) {
    if (proportional_ && width > 0 && height > 0) {
      const double aspect = static_cast<double>(width) / height;
      if (width > height) {
        width = clientWidth;
        height = static_cast<int>(clientWidth / aspect);
        if (height > clientHeight) {
          height = clientHeight;
          width = static_cast<int>(clientHeight * aspect);
        }
      } else {
        height = clientHeight;
        width = static_cast<int>(clientHeight * aspect);
        if (width > clientWidth) {
          width = clientWidth;
          height = static_cast<int>(clientWidth / aspect);
        }
      }
    } else {
      width = clientWidth;
      height = clientHeight;
    }
  }
  TRect rect{0, 0, width, height};
  if (center_) {
    // Integer division truncates toward zero: a picture 114 wider moves left by 57.
    const int dx = (clientWidth - width) / 2;
    const int dy = (clientHeight - height) / 2;
    rect = TRect{dx, dy, dx + width, dy + height};
  }
  return rect;
}

void TImage::Paint() {
  TGraphic* graphic = picture_->Graphic();
  if (graphic == nullptr) return;
  struct DrawingMark {
    bool& drawing;
    explicit DrawingMark(bool& flag) : drawing(flag) { drawing = true; }
    ~DrawingMark() { drawing = false; }
  } mark(drawing_);
  Canvas().StretchDraw(DestRect(), *graphic);
}

bool TImage::DoPaletteChange() {
  TGraphic* graphic = picture_->Graphic();
  if (!Visible() || IsLoading() || graphic == nullptr || !graphic->PaletteModified()) return false;
  if (graphic->Palette() == nullptr) {
    graphic->SetPaletteModified(false);
    return false;
  }
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr || !form->Active() || !form->HandleAllocated()) return false;
  if (drawing_)
    SendMessageA(form->HandleIfAllocated(), WM_QUERYNEWPALETTE, 0, 0);
  else
    PostMessageA(form->HandleIfAllocated(), WM_QUERYNEWPALETTE, 0, 0);
  graphic->SetPaletteModified(false);
  return true;
}

void TImage::PictureChanged(TObject*) {
  TGraphic* graphic = picture_->Graphic();
  if (autoSize_ && picture_->Width() > 0 && picture_->Height() > 0)
    SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
  if (graphic != nullptr && dynamic_cast<TIcon*>(graphic) == nullptr)
    graphic->SetTransparent(transparent_);
  const TRect dest = DestRect();
  const bool covers =
      dest.Left <= 0 && dest.Top <= 0 && dest.Right >= Width() && dest.Bottom >= Height();
  if (graphic != nullptr && !graphic->Transparent() && covers)
    ControlStyleInclude(csOpaque);
  else
    ControlStyleExclude(csOpaque);
  if (DoPaletteChange() && drawing_) Update();
  if (!drawing_) Invalidate();
}

void TImage::PictureProgress(TObject* sender, TProgressStage stage, uint8_t percent, bool redrawNow,
                             const TRect& rect, const std::string& message) {
  if (incrementalDisplay_ && redrawNow) {
    if (DoPaletteChange())
      Update();
    else
      Paint();
  }
  OnProgress(sender, stage, percent, redrawNow, rect, message);
}

void TImage::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  PictureChanged(this);
}

void TImage::SetCenter(bool value) {
  if (value == center_) return;
  center_ = value;
  PictureChanged(this);
}

void TImage::SetStretch(bool value) {
  if (value == stretch_) return;
  stretch_ = value;
  PictureChanged(this);
}

void TImage::SetProportional(bool value) {
  if (value == proportional_) return;
  proportional_ = value;
  PictureChanged(this);
}

void TImage::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  PictureChanged(this);
}
