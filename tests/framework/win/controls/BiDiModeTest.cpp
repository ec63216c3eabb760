// Right-to-left reading: BiDiMode inherited from the parent, the window styles of each mode, the
// edit box's flipped alignment, and a label that reads and draws from the right.
#include <gtest/gtest.h>

#include "framework/core/FormReader.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/stdctrls/StdCtrls.h"
#include "tests/framework/win/controls/WinTestSupport.h"
#include "tests/support/win/PixelSurface.h"

namespace {

class BiDiModeTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterStdCtrlsClasses();
    form = &Application().CreateForm<TForm>();
    form->SetBounds(120, 120, 260, 160);
    edit = &TComponent::Create<TEdit>(*form);
    edit->SetName("Edit1");
    edit->SetParent(form);
    edit->SetBounds(10, 10, 120, 21);
    edit->SetText("abc");
    label = &TComponent::Create<TLabel>(*form);
    label->SetName("Label1");
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(10, 60, 200, 16);
    label->SetCaption("WWW");
    label->Font()->SetColor(clBlack);
    form->Show();
    PumpFor(50);
  }
  void TearDown() override { Application().DestroyForms(); }

  DWORD ExStyle(TWinControl& control) {
    return static_cast<DWORD>(GetWindowLongA(control.Handle(), GWL_EXSTYLE)) &
           (WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR);
  }
  DWORD EditAlignment() {
    return static_cast<DWORD>(GetWindowLongA(edit->Handle(), GWL_STYLE)) & (ES_CENTER | ES_RIGHT);
  }

  TForm* form = nullptr;
  TEdit* edit = nullptr;
  TLabel* label = nullptr;
};

TEST_F(BiDiModeTest, ChildrenFollowTheParentUntilTheyAreGivenTheirOwnMode) {
  EXPECT_TRUE(edit->ParentBiDiMode());
  form->SetBiDiMode(bdRightToLeft);
  EXPECT_FALSE(form->ParentBiDiMode());
  EXPECT_EQ(edit->BiDiMode(), bdRightToLeft);
  EXPECT_EQ(label->BiDiMode(), bdRightToLeft);
  EXPECT_TRUE(edit->ParentBiDiMode());

  label->SetBiDiMode(bdLeftToRight);
  EXPECT_FALSE(label->ParentBiDiMode());
  form->SetBiDiMode(bdRightToLeftReadingOnly);
  EXPECT_EQ(edit->BiDiMode(), bdRightToLeftReadingOnly);
  EXPECT_EQ(label->BiDiMode(), bdLeftToRight);
  label->SetParentBiDiMode(true);
  EXPECT_EQ(label->BiDiMode(), bdRightToLeftReadingOnly);

  // A control placed into a parent takes the parent's mode.
  auto& late = TComponent::Create<TLabel>(*form);
  late.SetParent(form);
  EXPECT_EQ(late.BiDiMode(), bdRightToLeftReadingOnly);
}

TEST_F(BiDiModeTest, EachModeGivesTheEditItsReadingOrderScrollBarSideAndAlignment) {
  ASSERT_EQ(ExStyle(*edit), 0u);
  ASSERT_EQ(EditAlignment(), static_cast<DWORD>(ES_LEFT));
  const HWND before = edit->Handle();

  edit->SetBiDiMode(bdRightToLeft);
  EXPECT_NE(edit->Handle(), before) << "the window is made again";
  EXPECT_EQ(ExStyle(*edit), static_cast<DWORD>(WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR));
  EXPECT_EQ(EditAlignment(), static_cast<DWORD>(ES_RIGHT)) << "taLeftJustify flips to the right";
  EXPECT_EQ(edit->Text(), "abc");

  edit->SetBiDiMode(bdRightToLeftNoAlign);
  EXPECT_EQ(ExStyle(*edit), static_cast<DWORD>(WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR));
  EXPECT_EQ(EditAlignment(), static_cast<DWORD>(ES_LEFT));

  edit->SetBiDiMode(bdRightToLeftReadingOnly);
  EXPECT_EQ(ExStyle(*edit), static_cast<DWORD>(WS_EX_RTLREADING));
  EXPECT_EQ(EditAlignment(), static_cast<DWORD>(ES_LEFT));

  edit->SetAlignment(taRightJustify);
  edit->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(EditAlignment(), static_cast<DWORD>(ES_LEFT)) << "taRightJustify flips to the left";
  edit->SetBiDiMode(bdLeftToRight);
  EXPECT_EQ(ExStyle(*edit), 0u);
  EXPECT_EQ(EditAlignment(), static_cast<DWORD>(ES_RIGHT));
}

TEST_F(BiDiModeTest, AFocusedControlKeepsTheFocusInItsNewWindow) {
  edit->SetFocus();
  ASSERT_TRUE(edit->Focused());
  const HWND old = edit->Handle();
  edit->SetBiDiMode(bdRightToLeft);
  EXPECT_FALSE(IsWindow(old)) << "the new styles need a new window";
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(GetFocus(), edit->Handle());
  // The form made again (its children with it) gives the focus back to the edit inside it.
  form->SetBiDiMode(bdLeftToRight);
  edit->SetParentBiDiMode(true);
  form->SetBiDiMode(bdRightToLeftReadingOnly);
  EXPECT_TRUE(edit->Focused());
  // An unfocused control stays unfocused.
  TEdit& other = TComponent::Create<TEdit>(*form);
  other.SetParent(form);
  other.SetBounds(10, 100, 60, 21);
  other.SetBiDiMode(bdRightToLeft);
  other.SetBiDiMode(bdLeftToRight);
  EXPECT_TRUE(edit->Focused());
}

TEST_F(BiDiModeTest, TextFlagsAndAlignmentFollowTheMode) {
  struct Case {
    TBiDiMode mode;
    UINT left, right, center;
    TAlignment leftAlignment;
  };
  const Case cases[] = {
      {bdLeftToRight, DT_LEFT, DT_RIGHT, DT_CENTER, taLeftJustify},
      {bdRightToLeft, DT_RIGHT | DT_RTLREADING, DT_LEFT | DT_RTLREADING, DT_CENTER | DT_RTLREADING,
       taRightJustify},
      {bdRightToLeftNoAlign, DT_LEFT | DT_RTLREADING, DT_RIGHT | DT_RTLREADING,
       DT_CENTER | DT_RTLREADING, taLeftJustify},
      {bdRightToLeftReadingOnly, DT_LEFT | DT_RTLREADING, DT_RIGHT | DT_RTLREADING,
       DT_CENTER | DT_RTLREADING, taLeftJustify},
  };
  for (const Case& c : cases) {
    label->SetBiDiMode(c.mode);
    EXPECT_EQ(label->DrawTextBiDiModeFlags(DT_LEFT | DT_WORDBREAK), c.left | DT_WORDBREAK);
    EXPECT_EQ(label->DrawTextBiDiModeFlags(DT_RIGHT), c.right);
    EXPECT_EQ(label->DrawTextBiDiModeFlags(DT_CENTER), c.center);
    EXPECT_EQ(label->BiDiAlignment(taLeftJustify), c.leftAlignment);
    EXPECT_EQ(label->BiDiAlignment(taCenter), taCenter);
    EXPECT_EQ(label->DrawTextBiDiModeFlagsReadingOnly(),
              c.mode == bdLeftToRight ? 0u : static_cast<UINT>(DT_RTLREADING));
  }
}

// The first and last column of the label that holds text-coloured pixels.
std::pair<int, int> InkColumns(TForm& form, const TLabel& label) {
  PixelSurface surface(form.ClientWidth(), form.ClientHeight(), clWhite);
  RenderInto(form, surface);
  int first = -1, last = -1;
  for (int x = label.Left(); x < label.Left() + label.Width(); ++x)
    for (int y = label.Top(); y < label.Top() + label.Height(); ++y)
      if (surface.At(x, y) == Plain(clBlack)) {
        if (first < 0) first = x - label.Left();
        last = x - label.Left();
      }
  return {first, last};
}

TEST_F(BiDiModeTest, ARightToLeftLabelWithLeftAlignmentDrawsAtTheRight) {
  const auto [ltrFirst, ltrLast] = InkColumns(*form, *label);
  ASSERT_GE(ltrFirst, 0);
  EXPECT_LT(ltrFirst, 3);
  const int textWidth = ltrLast - ltrFirst;

  label->SetBiDiMode(bdRightToLeft);
  const auto [rtlFirst, rtlLast] = InkColumns(*form, *label);
  EXPECT_GT(rtlLast, label->Width() - 4);
  EXPECT_EQ(rtlLast - rtlFirst, textWidth);

  // Reading order alone keeps the alignment.
  label->SetBiDiMode(bdRightToLeftNoAlign);
  EXPECT_EQ(InkColumns(*form, *label).first, ltrFirst);
}

TEST_F(BiDiModeTest, AnAutoSizedRightToLeftLabelKeepsItsRightEdge) {
  label->SetBiDiMode(bdRightToLeft);
  const int right = label->Left() + label->Width();
  label->SetAutoSize(true);
  EXPECT_LT(label->Width(), 200);
  EXPECT_EQ(label->Left() + label->Width(), right);
  label->SetCaption("WWWWWW");
  EXPECT_EQ(label->Left() + label->Width(), right);
}

TEST_F(BiDiModeTest, FormDataStoresTheModeOnlyWhereItIsTheControlsOwn) {
  form->SetName("BiDiForm");
  form->SetBiDiMode(bdRightToLeft);
  label->SetBiDiMode(bdRightToLeftNoAlign);
  const std::string text = FormWriter::WriteRoot(*form);
  EXPECT_NE(text.find("  BiDiMode = bdRightToLeft\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  ParentBiDiMode = False\n"), std::string::npos) << text;
  EXPECT_NE(text.find("    BiDiMode = bdRightToLeftNoAlign\n"), std::string::npos) << text;
  const size_t editBegin = text.find("object Edit1");
  const std::string editText = text.substr(editBegin, text.find("end", editBegin) - editBegin);
  EXPECT_EQ(editText.find("BiDiMode"), std::string::npos) << editText;

  Application().DestroyForms();
  form = &Application().CreateForm<TForm>();
  form->ReadFormDefinition(text);
  EXPECT_EQ(form->BiDiMode(), bdRightToLeft);
  EXPECT_EQ(form->Component<TEdit>("Edit1").BiDiMode(), bdRightToLeft);
  EXPECT_TRUE(form->Component<TEdit>("Edit1").ParentBiDiMode());
  EXPECT_EQ(form->Component<TLabel>("Label1").BiDiMode(), bdRightToLeftNoAlign);
  EXPECT_EQ(FormWriter::WriteRoot(*form), text);
}

}  // namespace
