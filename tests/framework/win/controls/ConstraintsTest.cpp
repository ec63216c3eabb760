// Size constraints: every size a control takes stays within them, whether it comes from code,
// from form data, from a layout or from the window system.
#include <gtest/gtest.h>

#include "framework/core/FormReader.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/stdctrls/StdCtrls.h"
#include "tests/framework/win/controls/WinTestSupport.h"

namespace {

class ConstraintsTest : public testing::Test {
 protected:
  void SetUp() override { RegisterStdCtrlsClasses(); }
  void TearDown() override { Application().DestroyForms(); }

  TForm& NewForm() {
    TForm& form = Application().CreateForm<TForm>();
    form.SetBounds(100, 100, 300, 200);
    return form;
  }
  static RECT WindowBounds(TWinControl& control) {
    RECT r{};
    GetWindowRect(control.Handle(), &r);
    return r;
  }
};

TEST_F(ConstraintsTest, SizesSetFromCodeStayWithinTheLimits) {
  TForm& form = NewForm();
  auto& label = TComponent::Create<TLabel>(form);
  label.SetParent(&form);
  label.SetAutoSize(false);
  label.Constraints()->SetMaxWidth(80);
  label.Constraints()->SetMinHeight(12);
  label.SetBounds(5, 6, 200, 3);
  EXPECT_EQ(label.Left(), 5);
  EXPECT_EQ(label.Width(), 80);
  EXPECT_EQ(label.Height(), 12);

  auto& edit = TComponent::Create<TEdit>(form);
  edit.SetParent(&form);
  form.Show();
  PumpFor(30);
  edit.Constraints()->SetMaxWidth(90);
  edit.SetWidth(150);
  EXPECT_EQ(edit.Width(), 90);
  const RECT r = WindowBounds(edit);
  EXPECT_EQ(r.right - r.left, 90);
  // Tightening the limits resizes at once.
  edit.Constraints()->SetMaxWidth(70);
  EXPECT_EQ(edit.Width(), 70);
  edit.Constraints()->SetMinWidth(100);
  EXPECT_EQ(edit.Width(), 100);
  EXPECT_EQ(edit.Constraints()->MaxWidth(), 100);
}

TEST_F(ConstraintsTest, AResizeByTheWindowSystemOrALayoutKeepsTheLimitsToo) {
  TForm& form = NewForm();
  auto& edit = TComponent::Create<TEdit>(form);
  edit.SetParent(&form);
  edit.SetBounds(10, 10, 100, 21);
  edit.SetAnchors(AnchorBit(akLeft) | AnchorBit(akTop) | AnchorBit(akRight));
  edit.Constraints()->SetMaxWidth(140);
  form.Show();
  PumpFor(30);
  SetWindowPos(edit.Handle(), nullptr, 0, 0, 400, 21, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(WindowBounds(edit).right - WindowBounds(edit).left, 140);
  EXPECT_EQ(edit.Width(), 140);
  // The form grows by 100 pixels: the anchored edit would take 240, its limit stops it.
  edit.SetWidth(100);
  form.SetWidth(form.Width() + 100);
  EXPECT_EQ(edit.Width(), 140);

  form.Constraints()->SetMaxWidth(350);
  form.Constraints()->SetMinHeight(150);
  SetWindowPos(form.Handle(), nullptr, 0, 0, 600, 100, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(WindowBounds(form).right - WindowBounds(form).left, 350);
  EXPECT_EQ(WindowBounds(form).bottom - WindowBounds(form).top, 150);
  MINMAXINFO info{};
  info.ptMaxTrackSize = {2000, 2000};
  info.ptMaxSize = {2000, 2000};
  info.ptMinTrackSize = {10, 10};
  SendMessageA(form.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMaxTrackSize.x, 350) << "a user dragging the frame stops there";
  EXPECT_EQ(info.ptMaxSize.x, 350);
  EXPECT_EQ(info.ptMinTrackSize.y, 150);
  EXPECT_EQ(info.ptMaxTrackSize.y, 2000);
}

TEST_F(ConstraintsTest, FormDataGivingTheSizeBeforeTheLimitsEndsWithinThem) {
  TForm& form = Application().CreateForm<TForm>();
  form.ReadFormDefinition(
      "object LimitsForm: TForm\n"
      "  Left = 100\n"
      "  Top = 100\n"
      "  Width = 300\n"
      "  Height = 200\n"
      "  object Wide: TEdit\n"
      "    Left = 8\n"
      "    Top = 8\n"
      "    Width = 500\n"
      "    Height = 21\n"
      "    Constraints.MaxWidth = 120\n"
      "    Constraints.MinWidth = 30\n"
      "  end\n"
      "  object Short: TLabel\n"
      "    Left = 8\n"
      "    Top = 40\n"
      "    Width = 10\n"
      "    Height = 4\n"
      "    AutoSize = False\n"
      "    Constraints.MinHeight = 14\n"
      "    Constraints.MinWidth = 25\n"
      "  end\n"
      "end\n");
  auto& wide = form.Component<TEdit>("Wide");
  auto& shortLabel = form.Component<TLabel>("Short");
  EXPECT_EQ(wide.Width(), 120);
  EXPECT_EQ(shortLabel.Width(), 25);
  EXPECT_EQ(shortLabel.Height(), 14);
  const std::string text = FormWriter::WriteRoot(form);
  EXPECT_NE(text.find("    Width = 120\n"), std::string::npos) << text;
  EXPECT_NE(text.find("    Constraints.MaxWidth = 120\n    Constraints.MinWidth = 30\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("MaxHeight"), std::string::npos);
}

}  // namespace
