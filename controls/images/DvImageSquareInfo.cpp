// Published properties of the image square.
#include "framework/core/TypInfo.h"

#include "controls/images/DvImageSquare.h"
#include "framework/win/controls/ControlPublish.h"
#include "framework/win/imagelists/ImageList.h"

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
        PublishControlProperties(
            b, {"Align",       "Anchors",      "Action",       "Text",       "Visible",
                "Enabled",     "DragCursor",   "DragMode",     "PopupMenu",  "ParentShowHint",
                "ShowHint",    "OnMouseEnter", "OnMouseLeave", "OnClick",    "OnMouseDown",
                "OnMouseMove", "OnMouseUp",    "OnDragDrop",   "OnDragOver", "OnEndDrag",
                "OnStartDrag"});
      });
  return info;
}
