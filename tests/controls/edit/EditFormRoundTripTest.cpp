// Form data of the edit controls with every published property away from its default: what the
// writer gives reads back into the same controls, and writing them again gives the same text.
#include <gtest/gtest.h>

#include <string>

#include "controls/edit/DvFrameController.h"
#include "controls/edit/DvSpinEdit.h"
#include "controls/edit/EditControls.h"
#include "framework/core/Actions.h"
#include "framework/core/FormReader.h"
#include "framework/core/TypInfo.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/Menus.h"
#include "tests/support/win/RoundTripForm.h"

namespace {

// The edit controls' own events besides the framework's.
class TEditRoundTripFrm : public TRoundTripForm {
  DV_CLASS(TEditRoundTripFrm)
 public:
  explicit TEditRoundTripFrm(TComponent* owner) : TRoundTripForm(owner) {
    RegisterMethod("ButtonClick", this, &TEditRoundTripFrm::ButtonClick);
  }
  void ButtonClick(TObject*, TSpinButtonType) {}
};

}  // namespace

const TClassInfo& TEditRoundTripFrm::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TEditRoundTripFrm, TRoundTripForm>("TEditRoundTripFrm");
  return info;
}

namespace {

class EditFormRoundTripTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterFormClasses();
    RegisterMenuClasses();
    RegisterEditControls();
    RegisterActionClasses();
  }
  static std::string RoundTrip(const std::string& objects) {
    return RoundTripObjects<TEditRoundTripFrm>(objects);
  }
};

TEST_F(EditFormRoundTripTest, SpinEditsWithEveryPropertySetReadBackUnchanged) {
  const std::string framed =
      "  object Framed: TDvSpinEdit\n"
      "    Left = 8\n"
      "    Top = 8\n"
      "    Width = 90\n"
      "    Height = 24\n"
      "    Cursor = crHandPoint\n"
      "    Hint = 'Seconds between two checks'\n"
      "    HelpType = htKeyword\n"
      "    HelpKeyword = 'interval'\n"
      "    HelpContext = 7\n"
      "    Tag = 5\n"
      "    Alignment = taLeftJustify\n"
      "    AllowBlank = True\n"
      "    BlankValue = 12.5\n"
      "    AllowKeyEdit = True\n"
      "    Anchors = [akLeft, akBottom]\n"
      "    AutoSelect = False\n"
      "    AutoSize = False\n"
      "    BiDiMode = bdRightToLeft\n"
      "    ButtonDownGlyph.Data = " +
      std::string(kGlyphData) +
      "\n"
      "    ButtonDownNumGlyphs = 1\n"
      "    ButtonUpGlyph.Data = " +
      std::string(kGlyphData) +
      "\n"
      "    ButtonUpNumGlyphs = 4\n"
      "    ButtonWidth = 15\n"
      "    CharCase = ecUpperCase\n"
      "    CheckRange = True\n"
      "    Color = clYellow\n"
      "    Constraints.MaxHeight = 40\n"
      "    Constraints.MaxWidth = 120\n"
      "    Constraints.MinHeight = 20\n"
      "    Constraints.MinWidth = 30\n"
      "    Decimals = 2\n"
      "    DisabledColor = clSilver\n"
      "    DragCursor = crHandPoint\n"
      "    DragKind = dkDock\n"
      "    DragMode = dmAutomatic\n"
      "    FlatButtonColor = clAqua\n"
      "    FlatButtons = True\n"
      "    FocusColor = clInfoBk\n"
      "    Font.Color = clMaroon\n"
      "    Font.Height = -12\n"
      "    Font.Name = 'Tahoma'\n"
      "    Font.Style = [fsBold]\n"
      "    FrameColor = clNavy\n"
      "    FrameHotColor = clRed\n"
      "    FrameHotTrack = True\n"
      "    FrameHotStyle = fsRaised\n"
      "    FrameSides = [sdLeft, sdTop]\n"
      "    FrameStyle = fsGroove\n"
      "    FrameVisible = True\n"
      "    FramingPreference = fpCustomFraming\n"
      "    HideSelection = False\n"
      "    ImeMode = imClose\n"
      "    ImeName = 'Test IME'\n"
      "    Increment = 2.5\n"
      "    IntegersOnly = False\n"
      "    Max = 500.0\n"
      "    Min = 5.0\n"
      "    OEMConvert = True\n"
      "    Orientation = orHorizontal\n"
      "    PageSize = 25.0\n"
      "    ParentBiDiMode = False\n"
      "    ParentFont = False\n"
      "    ParentShowHint = False\n"
      "    PasswordChar = '*'\n"
      "    PopupMenu = EditMenu\n"
      "    ReadOnly = True\n"
      "    ShowHint = True\n"
      "    TabOnEnter = True\n"
      "    TabOrder = 1\n"
      "    TabStop = False\n"
      "    Value = 42.0\n"
      "    Visible = False\n"
      "    OnButtonClick = ButtonClick\n"
      "    OnChange = Notify\n"
      "    OnChanging = Ask\n"
      "    OnClick = Notify\n"
      "    OnContextPopup = ContextPopup\n"
      "    OnDblClick = Notify\n"
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
      "    OnMouseWheelDown = Wheel\n"
      "    OnMouseWheelUp = Wheel\n"
      "    OnStartDock = StartDock\n"
      "    OnStartDrag = StartDrag\n"
      "  end\n";
  // A disabled one with a frame controller: Color and the frame settings come from it.
  const std::string controlled =
      "  object Controlled: TDvSpinEdit\n"
      "    Left = 0\n"
      "    Top = 153\n"
      "    Width = 286\n"
      "    Height = 24\n"
      "    Align = alBottom\n"
      "    BlankValue = 0.0\n"
      "    BiDiMode = bdRightToLeftNoAlign\n"
      "    Direction = sdLeftRight\n"
      "    Enabled = False\n"
      "    FrameController = EditFrames\n"
      "    ParentBiDiMode = False\n"
      "    TabOrder = 0\n"
      "    Value = 0.0\n"
      "  end\n"
      // Flat and parent-coloured: Ctl3D off (a visible frame turns it on) and the parent's colour.
      "  object Plain: TDvSpinEdit\n"
      "    Left = 150\n"
      "    Top = 8\n"
      "    Width = 47\n"
      "    Height = 21\n"
      "    BlankValue = 0.0\n"
      "    Ctl3D = False\n"
      "    ParentColor = True\n"
      "    ParentCtl3D = False\n"
      "    TabOrder = 2\n"
      "    Value = 0.0\n"
      "  end\n";
  const std::string others =
      "  object EditFrames: TDvFrameController\n"
      "    FrameVisible = True\n"
      "  end\n"
      "  object EditMenu: TPopupMenu\n"
      "  end\n";
  const std::string objects = framed + controlled + others;
  const std::string written = RoundTrip(objects);
  EXPECT_EQ(written, objects);
  EXPECT_EQ(RoundTrip(written), objects);
  ExpectEveryPropertyIn(TDvSpinEdit::StaticClassInfo(), framed + controlled);
}

TEST_F(EditFormRoundTripTest, ASpinButtonPairAndAControlButtonWithEveryPropertySetReadBack) {
  const std::string glyph = std::string(kGlyphData) + "\n";
  const std::string pair =
      "  object Pair: TDvSpinButtons\n"
      "    Left = 254\n"
      "    Top = 0\n"
      "    Width = 32\n"
      "    Height = 177\n"
      "    Cursor = crHandPoint\n"
      "    Hint = 'More or less'\n"
      "    HelpType = htKeyword\n"
      "    HelpKeyword = 'pair'\n"
      "    HelpContext = 3\n"
      "    Tag = 9\n"
      "    Align = alRight\n"
      "    Anchors = [akTop, akRight]\n"
      "    Color = clLime\n"
      "    Constraints.MaxWidth = 64\n"
      "    Ctl3D = False\n"
      "    Direction = sdLeftRight\n"
      "    DragCursor = crHandPoint\n"
      "    DragKind = dkDock\n"
      "    DragMode = dmAutomatic\n"
      "    Enabled = False\n"
      "    Flat = True\n"
      "    FocusControl = Focus\n"
      "    GlyphDownLeft.Data = " +
      glyph + "    GlyphUpRight.Data = " + glyph +
      "    NumGlyphsDownLeft = 1\n"
      "    NumGlyphsUpRight = 4\n"
      "    Orientation = orHorizontal\n"
      "    ParentColor = False\n"
      "    ParentCtl3D = False\n"
      "    ParentShowHint = False\n"
      "    PopupMenu = EditMenu\n"
      "    ShowHint = True\n"
      "    TabOrder = 1\n"
      "    TabStop = True\n"
      "    Visible = False\n"
      "    OnDownLeftClick = Notify\n"
      "    OnUpRightClick = Notify\n"
      "    OnDragDrop = DragDrop\n"
      "    OnDragOver = DragOver\n"
      "    OnEndDock = EndDrag\n"
      "    OnEndDrag = EndDrag\n"
      "    OnEnter = Notify\n"
      "    OnExit = Notify\n"
      "    OnStartDock = StartDock\n"
      "    OnStartDrag = StartDrag\n"
      "  end\n";
  const std::string button =
      "  object Step: TDvControlButton\n"
      "    Left = 200\n"
      "    Top = 10\n"
      "    Width = 21\n"
      "    Height = 17\n"
      "    Cursor = crHandPoint\n"
      "    Hint = 'Step'\n"
      "    HelpType = htKeyword\n"
      "    HelpKeyword = 'step'\n"
      "    HelpContext = 4\n"
      "    Tag = 2\n"
      "    Action = StepAction\n"
      "    Caption = 'Up'\n"
      "    Color = clTeal\n"
      "    Delay = 50\n"
      "    DragCursor = crHandPoint\n"
      "    DragKind = dkDock\n"
      "    DragMode = dmAutomatic\n"
      "    Enabled = False\n"
      "    Flat = True\n"
      "    Glyph.Data = " +
      glyph +
      "    InitialDelay = 250\n"
      "    NumGlyphs = 4\n"
      "    ParentShowHint = False\n"
      "    PopupMenu = EditMenu\n"
      "    RepeatClicks = True\n"
      "    ShowHint = True\n"
      "    Style = cbsRight\n"
      "    Visible = False\n"
      "    OnClick = Notify\n"
      "    OnDblClick = Notify\n"
      "    OnDragDrop = DragDrop\n"
      "    OnDragOver = DragOver\n"
      "    OnEndDock = EndDrag\n"
      "    OnEndDrag = EndDrag\n"
      "    OnMouseDown = MouseButton\n"
      "    OnMouseEnter = Notify\n"
      "    OnMouseLeave = Notify\n"
      "    OnMouseMove = MouseMove\n"
      "    OnMouseUp = MouseButton\n"
      "    OnStartDock = StartDock\n"
      "    OnStartDrag = StartDrag\n"
      "  end\n";
  const std::string focus =
      "  object Focus: TDvSpinEdit\n"
      "    Left = 8\n"
      "    Top = 8\n"
      "    Width = 47\n"
      "    Height = 21\n"
      "    BlankValue = 0.0\n"
      "    TabOrder = 0\n"
      "    Value = 0.0\n"
      "  end\n";
  const std::string others =
      "  object EditMenu: TPopupMenu\n"
      "  end\n"
      "  object StepAction: TAction\n"
      "    Caption = 'Go'\n"
      "    Hint = 'One step'\n"
      "  end\n";
  const std::string objects = focus + pair + button + others;
  const std::string written = RoundTrip(objects);
  EXPECT_EQ(written, objects);
  EXPECT_EQ(RoundTrip(written), objects);
  ExpectEveryPropertyIn(TDvSpinButtons::StaticClassInfo(), pair);
  ExpectEveryPropertyIn(TDvControlButton::StaticClassInfo(), button);
}

}  // namespace
