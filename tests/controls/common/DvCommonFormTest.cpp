// The label and the separator in form data with every published property away from its default:
// each reads back unchanged, and writing it again gives the same text (so the published set, its
// order and its defaults are exactly the ones the text shows).
#include <gtest/gtest.h>

#include <string>

#include "controls/common/CommonControls.h"
#include "controls/common/DvBckgnd.h"
#include "controls/common/DvLabel.h"
#include "controls/edit/EditControls.h"
#include "framework/win/menus/Menus.h"
#include "tests/support/win/RoundTripForm.h"

namespace {

class DvCommonFormTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterFormClasses();
    RegisterMenuClasses();
    RegisterEditControls();
    RegisterCommonControls();
  }
  static void ExpectReadBackUnchanged(const std::string& objects) {
    const std::string written = RoundTripObjects(objects);
    EXPECT_EQ(written, objects);
    EXPECT_EQ(RoundTripObjects(written), objects);
  }
};

TEST_F(DvCommonFormTest, ALabelWithEveryPropertySetReadsBackUnchanged) {
  // Laid along an arc (a flat rotation would reset the centre point), condensed (which turns
  // auto-size off), blinking at other intervals.
  const std::string label =
      "  object StateLbl: TDvLabel\n"
      "    Left = 136\n"
      "    Top = 0\n"
      "    Width = 150\n"
      "    Height = 177\n"
      "    Cursor = crHandPoint\n"
      "    Hint = 'The state'\n"
      "    HelpType = htKeyword\n"
      "    HelpKeyword = 'state'\n"
      "    HelpContext = 4\n"
      "    Tag = 6\n"
      "    Align = alRight\n"
      "    Alignment = taRightJustify\n"
      "    Anchors = [akTop, akRight]\n"
      "    AutoSize = False\n"
      "    BiDiMode = bdRightToLeft\n"
      "    Caption = 'Connected.'\n"
      "    Color = clYellow\n"
      "    Constraints.MaxHeight = 200\n"
      "    Constraints.MinWidth = 20\n"
      "    DragCursor = crHandPoint\n"
      "    DragKind = dkDock\n"
      "    DragMode = dmAutomatic\n"
      "    Enabled = False\n"
      "    FocusControl = Interval\n"
      "    Font.Color = clMaroon\n"
      "    Font.Height = -12\n"
      "    Font.Name = 'Tahoma'\n"
      "    Font.Style = [fsBold]\n"
      "    Layout = tlCenter\n"
      "    ParentBiDiMode = False\n"
      "    ParentColor = False\n"
      "    ParentFont = False\n"
      "    ParentShowHint = False\n"
      "    PopupMenu = LabelMenu\n"
      "    ShowAccelChar = False\n"
      "    ShowHint = True\n"
      "    Transparent = True\n"
      "    Visible = False\n"
      "    WordWrap = True\n"
      "    OnClick = Notify\n"
      "    OnContextPopup = ContextPopup\n"
      "    OnDblClick = Notify\n"
      "    OnDragDrop = DragDrop\n"
      "    OnDragOver = DragOver\n"
      "    OnEndDock = EndDrag\n"
      "    OnEndDrag = EndDrag\n"
      "    OnMouseDown = MouseButton\n"
      "    OnMouseMove = MouseMove\n"
      "    OnMouseUp = MouseButton\n"
      "    OnMouseEnter = Notify\n"
      "    OnMouseLeave = Notify\n"
      "    OnStartDock = StartDock\n"
      "    OnStartDrag = StartDrag\n"
      "    Angle = 30\n"
      "    Blinking = True\n"
      "    BlinkColor = clRed\n"
      "    BlinkIntervalOff = 800\n"
      "    BlinkIntervalOn = 200\n"
      "    BevelWidth = 3\n"
      "    BorderInner = fsLowered\n"
      "    BorderOuter = fsRaised\n"
      "    BorderSides = [sdLeft, sdBottom]\n"
      "    BorderColor = clBlue\n"
      "    BorderHighlight = clWhite\n"
      "    BorderShadow = clGray\n"
      "    BorderWidth = 2\n"
      "    CondenseCaption = ccAtEnd\n"
      "    FlatColor = clNavy\n"
      "    FlatColorAdjustment = 10\n"
      "    FrameController = Frames\n"
      "    CenterPoint = cpLowerLeft\n"
      "    FlyByColor = clLime\n"
      "    FlyByEnabled = True\n"
      "    LightTextStyle = True\n"
      "    Rotation = roCurve\n"
      "    HighlightColor = clAqua\n"
      "    ShadowColor = clGreen\n"
      "    ShadowDepth = 4\n"
      "    TextStyle = tsShadow\n"
      "  end\n";
  const std::string others =
      "  object Interval: TDvSpinEdit\n"
      "    Left = 8\n"
      "    Top = 8\n"
      "    Width = 47\n"
      "    Height = 21\n"
      "    BlankValue = 0.0\n"
      "    TabOrder = 0\n"
      "    Value = 0.0\n"
      "  end\n"
      "  object Frames: TDvFrameController\n"
      "  end\n"
      "  object LabelMenu: TPopupMenu\n"
      "  end\n";
  ExpectReadBackUnchanged(label + others);
  ExpectEveryPropertyIn(TDvLabel::StaticClassInfo(), label);
}

TEST_F(DvCommonFormTest, ASeparatorWithEveryPropertySetReadsBackUnchanged) {
  // Upright: while loading, the orientation does not swap the size it is given.
  const std::string separator =
      "  object DvSeparator1: TDvSeparator\n"
      "    Left = 0\n"
      "    Top = 0\n"
      "    Width = 4\n"
      "    Height = 177\n"
      "    Cursor = crHandPoint\n"
      "    Hint = 'A line'\n"
      "    HelpType = htKeyword\n"
      "    HelpKeyword = 'line'\n"
      "    HelpContext = 5\n"
      "    Tag = 7\n"
      "    HighlightColor = clGreen\n"
      "    HighlightLocation = hlLowerRight\n"
      "    Orientation = orVertical\n"
      "    ShowGradient = False\n"
      "    Align = alLeft\n"
      "    Anchors = [akLeft, akBottom]\n"
      "    Color = clYellow\n"
      "    Constraints.MaxWidth = 8\n"
      "    Constraints.MinHeight = 10\n"
      "    DragCursor = crHandPoint\n"
      "    DragMode = dmAutomatic\n"
      "    Enabled = False\n"
      "    ParentColor = False\n"
      "    ParentShowHint = False\n"
      "    PopupMenu = LineMenu\n"
      "    ShowHint = True\n"
      "    Visible = False\n"
      "    OnClick = Notify\n"
      "    OnDblClick = Notify\n"
      "    OnDragDrop = DragDrop\n"
      "    OnDragOver = DragOver\n"
      "    OnEndDrag = EndDrag\n"
      "    OnMouseDown = MouseButton\n"
      "    OnMouseMove = MouseMove\n"
      "    OnMouseUp = MouseButton\n"
      "  end\n";
  const std::string others =
      "  object LineMenu: TPopupMenu\n"
      "  end\n";
  ExpectReadBackUnchanged(separator + others);
  ExpectEveryPropertyIn(TDvSeparator::StaticClassInfo(), separator);
}

}  // namespace
