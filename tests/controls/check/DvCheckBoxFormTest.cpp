// The check box in form data with every published property away from its default: it reads back
// unchanged, and writing it again gives the same text (so the published set, its order and its
// defaults are exactly the ones the text shows).
#include <gtest/gtest.h>

#include <string>

#include "controls/check/CheckControls.h"
#include "controls/check/DvCheckBox.h"
#include "controls/edit/EditControls.h"
#include "framework/core/Actions.h"
#include "framework/win/menus/Menus.h"
#include "tests/support/win/RoundTripForm.h"

namespace {

TEST(DvCheckBoxFormTest, EveryPublishedPropertySetReadsBackUnchanged) {
  RegisterFormClasses();
  RegisterMenuClasses();
  RegisterActionClasses();
  RegisterEditControls();
  RegisterCheckControls();
  // The box meets its action while loading, so it takes the action's values only where it still
  // holds its defaults; every one of them differs from the action's, so all are stored.
  const std::string action =
      "  object AutoDialAction: TAction\n"
      "    Caption = 'Go'\n"
      "  end\n";
  const std::string box =
      "  object Box: TDvCheckBox\n"
      "    Left = 10\n"
      "    Top = 20\n"
      "    Width = 150\n"
      "    Height = 34\n"
      "    Cursor = crHandPoint\n"
      "    Hint = 'Dials when the line is down'\n"
      "    HelpType = htKeyword\n"
      "    HelpKeyword = 'autodial'\n"
      "    HelpContext = 12\n"
      "    Tag = 3\n"
      "    Action = AutoDialAction\n"
      "    Alignment = taLeftJustify\n"
      "    AlignmentVertical = avCenter\n"
      "    AllowGrayed = True\n"
      "    Anchors = [akLeft, akBottom]\n"
      "    BiDiMode = bdRightToLeft\n"
      "    Caption = 'Enabled Auto-Dial'\n"
      "    Checked = True\n"
      "    Color = clYellow\n"
      "    Constraints.MaxHeight = 40\n"
      "    Constraints.MaxWidth = 200\n"
      "    Constraints.MinHeight = 17\n"
      "    Constraints.MinWidth = 50\n"
      "    CustomGlyphs.Data = " +
      std::string(kGlyphData) +
      "\n"
      "    DisabledColor = clSilver\n"
      "    DragCursor = crHandPoint\n"
      "    DragKind = dkDock\n"
      "    DragMode = dmAutomatic\n"
      "    Enabled = False\n"
      "    FrameColor = clNavy\n"
      "    Font.Color = clMaroon\n"
      "    Font.Height = -12\n"
      "    Font.Name = 'Tahoma'\n"
      "    Font.Style = [fsBold]\n"
      "    FrameController = Frames\n"
      "    HighlightColor = clRed\n"
      "    HotTrack = True\n"
      "    HotTrackColor = clLime\n"
      "    HotTrackColorType = htctActual\n"
      "    LightTextStyle = True\n"
      "    ParentBiDiMode = False\n"
      "    ParentColor = False\n"
      "    ParentFont = False\n"
      "    ParentShowHint = False\n"
      "    PopupMenu = BoxMenu\n"
      "    ShowHint = True\n"
      "    State = cbChecked\n"
      "    TabOnEnter = True\n"
      "    TabOrder = 0\n"
      "    TabStop = False\n"
      "    TextHighlightColor = clAqua\n"
      "    TextShadowColor = clGreen\n"
      "    TextShadowDepth = 3\n"
      "    TextStyle = tsRaised\n"
      "    Transparent = True\n"
      "    TransparentColor = clTeal\n"
      "    UseCustomGlyphs = True\n"
      "    Visible = False\n"
      "    WinMaskColor = clPurple\n"
      "    OnClick = Notify\n"
      "    OnContextPopup = ContextPopup\n"
      "    OnDragDrop = DragDrop\n"
      "    OnDragOver = DragOver\n"
      "    OnEndDock = EndDrag\n"
      "    OnEndDrag = EndDrag\n"
      "    OnEnter = Notify\n"
      "    OnExit = Notify\n"
      "    OnKeyDown = Key\n"
      "    OnKeyPress = KeyPress\n"
      "    OnKeyUp = Key\n"
      "    OnMouseDown = MouseButton\n"
      "    OnMouseEnter = Notify\n"
      "    OnMouseLeave = Notify\n"
      "    OnMouseMove = MouseMove\n"
      "    OnMouseUp = MouseButton\n"
      "    OnStartDock = StartDock\n"
      "    OnStartDrag = StartDrag\n"
      "  end\n";
  const std::string others =
      "  object Frames: TDvFrameController\n"
      "  end\n"
      "  object BoxMenu: TPopupMenu\n"
      "  end\n";
  const std::string objects = box + action + others;
  const std::string written = RoundTripObjects(objects);
  EXPECT_EQ(written, objects);
  EXPECT_EQ(RoundTripObjects(written), objects);
  ExpectEveryPropertyIn(TDvCheckBox::StaticClassInfo(), box);
}

}  // namespace
