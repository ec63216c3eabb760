// The edit box: change notification, key hooks that swallow keys, paste and cut hooks.
#include <gtest/gtest.h>

#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/stdctrls/StdCtrls.h"
#include "tests/framework/win/controls/WinTestSupport.h"
#include "tests/framework/win/forms/sample/SampleForm.h"

namespace {

// An edit that refuses paste and cut, as a control with its own rules does.
class TGuardedEdit : public TEdit {
 public:
  using TEdit::TEdit;
  int pasteRequests = 0;

 protected:
  void WMPaste(TMessage&) override { ++pasteRequests; }
  void WMCut(TMessage&) override {}
};

class EditTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterSampleClasses();
    form = &Application().CreateForm<TSampleFrm>();
    edit = &form->Component<TEdit>("Edit2");
    form->Show();
    PumpFor(50);
  }
  void TearDown() override { Application().DestroyForms(); }

  void Post(UINT msg, WPARAM wParam, LPARAM lParam = 1) {
    PostMessageA(edit->Handle(), msg, wParam, lParam);
    PumpFor(30);
  }

  TSampleFrm* form = nullptr;
  TEdit* edit = nullptr;
};

TEST_F(EditTest, OnChangeOncePerRealChangeAndNotForTheSameText) {
  ASSERT_TRUE(edit->HandleAllocated());
  edit->SetText("180");
  EXPECT_EQ(form->changeCount, 1);
  edit->SetText("180");
  EXPECT_EQ(form->changeCount, 1);
  edit->SetText("181");
  EXPECT_EQ(form->changeCount, 2);
  EXPECT_EQ(edit->Text(), "181");
  // Typing changes the text too.
  edit->SetFocus();
  edit->SetSelStart(3);
  Post(WM_CHAR, '5');
  EXPECT_EQ(edit->Text(), "1815");
  EXPECT_EQ(form->changeCount, 3);
}

TEST_F(EditTest, WithoutAWindowSetTextStillAnnouncesRealChangesOnly) {
  TEdit loose(nullptr);
  int changes = 0;
  loose.OnChange = [&](TObject*) { ++changes; };
  loose.SetText("a");
  loose.SetText("a");
  loose.SetText("b");
  EXPECT_EQ(changes, 2);
  EXPECT_FALSE(loose.HandleAllocated());
}

TEST_F(EditTest, KeyHooksSwallowKeysSetToZero) {
  edit->SetText("abc");
  edit->SetFocus();
  edit->OnKeyPress = [](TObject*, char& key) {
    if (key == 'q') key = 0;
  };
  edit->SetSelStart(3);
  Post(WM_CHAR, 'q');
  Post(WM_CHAR, 'w');
  EXPECT_EQ(edit->Text(), "abcw");

  bool swallowDelete = true;
  WORD upKey = 0;
  edit->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
    if (key == VK_DELETE && swallowDelete) key = 0;
  };
  edit->OnKeyUp = [&](TObject*, WORD& key, TShiftState) { upKey = key; };
  edit->SetSelStart(0);
  Post(WM_KEYDOWN, VK_DELETE);
  EXPECT_EQ(edit->Text(), "abcw");
  swallowDelete = false;
  Post(WM_KEYDOWN, VK_DELETE);
  EXPECT_EQ(edit->Text(), "bcw");
  Post(WM_KEYUP, VK_DELETE, 0xC0000001);
  EXPECT_EQ(upKey, VK_DELETE);
}

TEST_F(EditTest, SelectionAccess) {
  edit->SetText("hello world");
  edit->SetSelStart(6);
  edit->SetSelLength(5);
  EXPECT_EQ(edit->SelStart(), 6);
  EXPECT_EQ(edit->SelLength(), 5);
  EXPECT_EQ(edit->SelText(), "world");
  edit->SetSelText("there");
  EXPECT_EQ(edit->Text(), "hello there");
  edit->SelectAll();
  EXPECT_EQ(edit->SelLength(), 11);
}

TEST_F(EditTest, PasteAndCutHooksCanVetoTheRequest) {
  auto& guarded = TComponent::Create<TGuardedEdit>(*form);
  guarded.SetParent(form);
  guarded.SetBounds(120, 96, 100, 21);
  guarded.SetText("keep");
  guarded.SelectAll();
  SendMessageA(guarded.Handle(), WM_CUT, 0, 0);
  SendMessageA(guarded.Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(guarded.Text(), "keep");
  EXPECT_EQ(guarded.pasteRequests, 1);
  // The plain edit carries both out.
  edit->SetText("move");
  edit->SelectAll();
  SendMessageA(edit->Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(edit->Text(), "");
  SendMessageA(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), "move");
}

TEST_F(EditTest, ReadOnlyAlignmentAndMarginsReachTheWindow) {
  edit->SetReadOnly(true);
  EXPECT_NE(GetWindowLongA(edit->Handle(), GWL_STYLE) & ES_READONLY, 0);
  edit->SetAlignment(taRightJustify);
  EXPECT_NE(GetWindowLongA(edit->Handle(), GWL_STYLE) & ES_RIGHT, 0);
  edit->SetMargins(EC_LEFTMARGIN | EC_RIGHTMARGIN, 0, 19);
  const LRESULT margins = SendMessageA(edit->Handle(), EM_GETMARGINS, 0, 0);
  EXPECT_EQ(LOWORD(margins), 0);
  EXPECT_EQ(HIWORD(margins), 19);
}

}  // namespace
