// The input method of an edit box: its mode applied when the edit gets the focus, and the
// settings in form data.
#include <gtest/gtest.h>
#include <windows.h>

// After windows.h.
#include <imm.h>

#include "framework/core/FormReader.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/stdctrls/StdCtrls.h"
#include "tests/framework/win/controls/WinTestSupport.h"

namespace {

class InputMethodTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterStdCtrlsClasses();
    form = &Application().CreateForm<TForm>();
    form->SetBounds(100, 100, 240, 120);
    for (TEdit** edit : {&first, &second}) {
      *edit = &TComponent::Create<TEdit>(*form);
      (*edit)->SetParent(form);
    }
    second->SetTop(40);
    form->Show();
    PumpFor(50);
  }
  void TearDown() override { Application().DestroyForms(); }

  static bool HasInputContext(HWND window) {
    HIMC context = ImmGetContext(window);
    if (context == nullptr) return false;
    ImmReleaseContext(window, context);
    return true;
  }
  static bool IsOpen(HWND window) {
    HIMC context = ImmGetContext(window);
    const bool open = context != nullptr && ImmGetOpenStatus(context) != FALSE;
    if (context != nullptr) ImmReleaseContext(window, context);
    return open;
  }
  void Focus(TEdit& edit) {
    edit.SetFocus();
    PumpFor(20);
  }

  TForm* form = nullptr;
  TEdit* first = nullptr;
  TEdit* second = nullptr;
};

TEST_F(InputMethodTest, TheModeIsAppliedWhenTheEditGetsTheFocus) {
  if (!HasInputContext(first->Handle())) GTEST_SKIP() << "no input method on this system";
  first->SetImeMode(imOpen);
  second->SetImeMode(imClose);
  Focus(*first);
  EXPECT_TRUE(IsOpen(first->Handle()));
  Focus(*second);
  EXPECT_FALSE(IsOpen(second->Handle()));

  // Taken away altogether, and given back when the mode changes while focused.
  second->SetImeMode(imDisable);
  EXPECT_FALSE(HasInputContext(second->Handle()));
  second->SetImeMode(imOpen);
  EXPECT_TRUE(HasInputContext(second->Handle()));
  EXPECT_TRUE(IsOpen(second->Handle()));
}

TEST_F(InputMethodTest, AnUnknownInputMethodNameChangesNothing) {
  const HKL layout = GetKeyboardLayout(0);
  first->SetImeName("No Such Input Method");
  Focus(*first);
  EXPECT_EQ(GetKeyboardLayout(0), layout);
  Focus(*second);
  EXPECT_EQ(GetKeyboardLayout(0), layout);
}

TEST_F(InputMethodTest, HelpAndInputMethodSettingsGoToFormDataAndBack) {
  form->SetName("ImeForm");
  first->SetName("Edit1");
  first->SetImeMode(imHira);
  first->SetImeName("Microsoft IME");
  first->SetHelpKeyword("interval");
  EXPECT_EQ(first->HelpType(), htKeyword);
  first->SetHelpContext(12);
  EXPECT_EQ(first->HelpType(), htContext) << "the last one set decides";
  first->SetHelpType(htKeyword);
  const std::string text = FormWriter::WriteRoot(*form);
  for (const char* line :
       {"    HelpType = htKeyword\n", "    HelpKeyword = 'interval'\n", "    HelpContext = 12\n",
        "    ImeMode = imHira\n", "    ImeName = 'Microsoft IME'\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << text;
  Application().DestroyForms();
  form = &Application().CreateForm<TForm>();
  form->ReadFormDefinition(text);
  auto& edit = form->Component<TEdit>("Edit1");
  EXPECT_EQ(edit.ImeMode(), imHira);
  EXPECT_EQ(edit.ImeName(), "Microsoft IME");
  EXPECT_EQ(edit.HelpType(), htKeyword) << "loading keeps the stored help type";
  EXPECT_EQ(edit.HelpContext(), 12);
  EXPECT_EQ(FormWriter::WriteRoot(*form), text);
}

}  // namespace
