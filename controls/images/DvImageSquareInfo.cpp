// Published properties of the image square.
#include "framework/core/TypInfo.h"

#include "controls/images/DvImageSquare.h"
#include "framework/win/ControlPublish.h"
#include "framework/win/ImageList.h"

const TClassInfo& TDvImageSquare::StaticClassInfo() {
  using C = TDvImageSquare;
  static const TClassInfo info =
      DefineClassInfo<C, TGraphicControl>("TDvImageSquare", [](TPropertyBuilder<C>& b) {
        b.Integer("Color", &TControl::Color, &TControl::SetColor, clWindow, {}, &ColorIdents());
        b.Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, BorderStyleNames(), bsSingle);
        b.Integer("HiColor", &C::HiColor, &C::SetHiColor, clActiveCaption, {}, &ColorIdents());
        b.template Component<TCustomImageList>("Images", &C::Images, &C::SetImages);
        b.Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex, 0);
        b.Bool("ShowClick", &C::ShowClick, &C::SetShowClick, false);
        b.Integer("Width", &TControl::Width, &TControl::SetWidth, 36);
        b.Integer("Height", &TControl::Height, &TControl::SetHeight, 36);
        PublishControlProperties(b, {"Align", "Anchors", "Text", "Visible", "Enabled"});
        b.Integer("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag, {}, &DragCursorIdents());
        b.Enum("DragMode", &C::DragMode, &C::SetDragMode, DragModeNames(), dmManual);
        PublishControlProperties(b, {"PopupMenu", "ParentShowHint", "ShowHint", "OnMouseEnter",
                                     "OnMouseLeave", "OnClick"});
        b.Event("OnDragDrop", &C::OnDragDrop);
        b.Event("OnDragOver", &C::OnDragOver);
        b.Event("OnEndDrag", &C::OnEndDrag);
        PublishControlProperties(b, {"OnMouseDown", "OnMouseMove", "OnMouseUp"});
        b.Event("OnStartDrag", &C::OnStartDrag);
      });
  return info;
}
