// The image square in form data with every published property away from its default: it reads
// back unchanged, and writing it again gives the same text.
#include <gtest/gtest.h>

#include "controls/images/DvImageSquare.h"
#include "controls/images/ImageControls.h"
#include "framework/core/Actions.h"
#include "framework/win/menus/Menus.h"
#include "tests/support/win/RoundTripForm.h"

namespace {

TEST(DvImageSquareFormTest, EveryPublishedPropertySetReadsBackUnchanged) {
  RegisterFormClasses();
  RegisterMenuClasses();
  RegisterActionClasses();
  RegisterImageControls();
  const std::string square =
      "  object Square: TDvImageSquare\n"
      "    Left = 0\n"
      "    Top = 0\n"
      "    Width = 20\n"
      "    Height = 177\n"
      "    Cursor = crHandPoint\n"
      "    Hint = 'The state'\n"
      "    HelpType = htKeyword\n"
      "    HelpKeyword = 'state'\n"
      "    HelpContext = 2\n"
      "    Tag = 8\n"
      "    Color = clYellow\n"
      "    BorderStyle = bsNone\n"
      "    HiColor = clBtnFace\n"
      "    Images = StateImageList\n"
      "    ImageIndex = -1\n"
      "    ShowClick = True\n"
      "    Align = alLeft\n"
      "    Anchors = [akLeft, akBottom]\n"
      "    Action = ShowAction\n"
      "    Text = 'Connected.'\n"
      "    Visible = False\n"
      "    Enabled = False\n"
      "    DragCursor = crHandPoint\n"
      "    DragMode = dmAutomatic\n"
      "    PopupMenu = SquareMenu\n"
      "    ParentShowHint = False\n"
      "    ShowHint = True\n"
      "    OnMouseEnter = Notify\n"
      "    OnMouseLeave = Notify\n"
      "    OnClick = Notify\n"
      "    OnMouseDown = MouseButton\n"
      "    OnMouseMove = MouseMove\n"
      "    OnMouseUp = MouseButton\n"
      "    OnDragDrop = DragDrop\n"
      "    OnDragOver = DragOver\n"
      "    OnEndDrag = EndDrag\n"
      "    OnStartDrag = StartDrag\n"
      "  end\n";
  const std::string others =
      "  object StateImageList: TDvImageList\n"
      "  end\n"
      "  object SquareMenu: TPopupMenu\n"
      "  end\n"
      "  object ShowAction: TAction\n"
      "    Caption = '&Show..'\n"
      "  end\n";
  const std::string written = RoundTripObjects(square + others);
  EXPECT_EQ(written, square + others);
  EXPECT_EQ(RoundTripObjects(written), square + others);
  ExpectEveryPropertyIn(TDvImageSquare::StaticClassInfo(), square);
}

}  // namespace
