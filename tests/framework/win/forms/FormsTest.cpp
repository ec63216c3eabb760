// Forms built from their form definition, in real windows on the display.
#include <gtest/gtest.h>

#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"
#include "tests/framework/win/controls/WinTestSupport.h"
#include "tests/framework/win/forms/sample/SampleForm.h"

namespace {

class FormsTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterSampleClasses();
    Application().SetTitle("Control Tests");
    form = &Application().CreateForm<TSampleFrm>();
  }
  void TearDown() override { Application().DestroyForms(); }

  HWND ChildByClass(HWND parent, const char* className) {
    return FindWindowExA(parent, nullptr, className, nullptr);
  }

  TSampleFrm* form = nullptr;
};

TEST_F(FormsTest, DefinitionFromResourceBuildsRealWindowWithNestedChildren) {
  form->Show();
  PumpFor(200);
  const HWND window = FindWindowA("TSampleFrm", "Sample Form");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window, form->Handle());
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 286);
  EXPECT_EQ(client.bottom, 177);
  EXPECT_EQ(form->ClientWidth(), 286);
  EXPECT_EQ(form->ClientHeight(), 177);

  const HWND panel = ChildByClass(window, "TSamplePanel");
  ASSERT_NE(panel, nullptr);
  const HWND innerEdit = ChildByClass(panel, "TEdit");
  ASSERT_NE(innerEdit, nullptr);
  EXPECT_EQ(innerEdit, form->Component<TEdit>("Edit1").Handle());
  RECT panelRect{};
  GetWindowRect(panel, &panelRect);
  MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&panelRect), 2);
  EXPECT_EQ(panelRect.left, 8);
  EXPECT_EQ(panelRect.top, 24);
  EXPECT_EQ(panelRect.right - panelRect.left, 200);
  // Two edits directly on the form, none for the windowless labels and square.
  int edits = 0;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof(name));
    if (std::string(name) == "TEdit") ++edits;
    EXPECT_NE(std::string(name), "TLabel");
  }
  EXPECT_EQ(edits, 2);
}

TEST_F(FormsTest, LabelIsDrawnByTheFormOnScreen) {
  form->Show();
  PumpFor(300);
  const HWND window = form->Handle();
  UpdateWindow(window);
  // The opaque red label at (8, 8, 48, 18) on the button-face form.
  EXPECT_EQ(ClientPixel(window, 8, 8), RGB(255, 0, 0));
  EXPECT_EQ(ClientPixel(window, 47, 17), RGB(255, 0, 0));
  EXPECT_EQ(ClientPixel(window, 48, 17), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ClientPixel(window, 7, 8), GetSysColor(COLOR_BTNFACE));
  // The panel paints itself white, its label sits inside it.
  EXPECT_EQ(ClientPixel(window, 9, 80), RGB(255, 255, 255));
}

TEST_F(FormsTest, SingleBorderWithSystemMenuAndMinimizeOnly) {
  const HWND window = form->Handle();
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_NE(style & WS_SYSMENU, 0);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  EXPECT_NE(style & WS_CAPTION, 0);
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
  EXPECT_EQ(style & WS_THICKFRAME, 0);
  // Owned by the application window: no taskbar button of its own.
  EXPECT_EQ(GetWindow(window, GW_OWNER), Application().Handle());
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

  form->SetBorderStyle(bsSizeable);
  form->SetBorderIcons(kDefaultBorderIcons);
  const LONG sizeable = GetWindowLongA(form->Handle(), GWL_STYLE);
  EXPECT_NE(sizeable & WS_THICKFRAME, 0);
  EXPECT_NE(sizeable & WS_MAXIMIZEBOX, 0);
  form->SetBorderStyle(bsToolWindow);
  EXPECT_NE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  EXPECT_EQ(GetWindowLongA(form->Handle(), GWL_STYLE) & WS_MINIMIZEBOX, 0);
}

TEST_F(FormsTest, ShowRaisesOnShowOnceAndNotAgainAfterMinimizeRestore) {
  int minimized = 0, restored = 0;
  Application().OnMinimize = [&](TObject*) { ++minimized; };
  Application().OnRestore = [&](TObject*) { ++restored; };
  form->Show();
  PumpFor(100);
  EXPECT_EQ(form->showCount, 1);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));

  Application().Minimize();
  PumpFor(100);
  EXPECT_EQ(minimized, 1);
  EXPECT_TRUE(Application().IsMinimized());
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(form->Visible());
  // What the tray icon does: the taskbar button goes with the application window.
  ShowWindow(Application().Handle(), SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(Application().Handle()));
  Application().Minimize();
  EXPECT_EQ(minimized, 1);

  Application().Restore();
  PumpFor(100);
  EXPECT_EQ(restored, 1);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(IsWindowVisible(Application().Handle()));
  EXPECT_EQ(form->showCount, 1);

  form->Hide();
  form->Show();
  EXPECT_EQ(form->showCount, 2);
  Application().OnMinimize.Clear();
  Application().OnRestore.Clear();
}

TEST_F(FormsTest, MinimizeButtonOfTheMainFormMinimizesTheApplication) {
  form->Show();
  PumpFor(100);
  SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(Application().IsMinimized());
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  SendMessageA(Application().Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(Application().IsMinimized());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(form->showCount, 1);
}

TEST_F(FormsTest, ClosingTheMainFormRunsOnCloseThenEndsRun) {
  PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
  Application().Run();
  EXPECT_TRUE(Application().Terminated());
  ASSERT_EQ(form->log.size(), 2u);
  EXPECT_EQ(form->log[0], "show");
  EXPECT_EQ(form->log[1], "close");
}

TEST_F(FormsTest, CloseActionNoneKeepsTheLoopRunning) {
  form->closeAction = caNone;
  form->Show();
  form->Close();
  MSG quit{};
  EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(form->log.back(), "close");
}

TEST_F(FormsTest, ActiveControlHasTheFocusWhenShown) {
  form->Show();
  const HWND edit2 = form->Component<TEdit>("Edit2").Handle();
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == edit2; }, 2000));
  EXPECT_EQ(form->ActiveControl(), &form->Component<TEdit>("Edit2"));
}

TEST_F(FormsTest, TabMovesAmongTabStopsInTabOrderAndWraps) {
  form->Show();
  auto& edit1 = form->Component<TEdit>("Edit1");
  auto& edit2 = form->Component<TEdit>("Edit2");
  auto& edit3 = form->Component<TEdit>("Edit3");
  ASSERT_TRUE(PumpUntil([&] { return edit2.Focused(); }, 2000));
  // Tab order: Edit2 (0), Panel1 (1, not a tab stop) with Edit1 inside, Edit3 (2).
  const auto pressTab = [] {
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001);
    PumpFor(50);
  };
  pressTab();
  EXPECT_TRUE(edit1.Focused());
  pressTab();
  EXPECT_TRUE(edit3.Focused());
  pressTab();
  EXPECT_TRUE(edit2.Focused());
  form->SelectNext(&edit2, false, true);
  PumpFor(20);
  EXPECT_TRUE(edit3.Focused());
  EXPECT_EQ(form->FindNextControl(&edit3, true, true, false), &edit2);
}

TEST_F(FormsTest, EnterAndExitFollowTheFocus) {
  std::vector<std::string> log;
  auto& edit2 = form->Component<TEdit>("Edit2");
  auto& edit3 = form->Component<TEdit>("Edit3");
  edit2.OnExit = [&](TObject*) { log.push_back("exit2"); };
  edit3.OnEnter = [&](TObject*) { log.push_back("enter3"); };
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return edit2.Focused(); }, 2000));
  edit3.SetFocus();
  PumpFor(20);
  EXPECT_EQ(log, (std::vector<std::string>{"exit2", "enter3"}));
  // Disabling the focused control moves the focus on.
  edit3.SetEnabled(false);
  PumpFor(20);
  EXPECT_FALSE(edit3.Focused());
  EXPECT_TRUE(form->Component<TEdit>("Edit2").Focused());
}

TEST_F(FormsTest, AnchoredLabelWidensWithTheForm) {
  auto& state = form->Component<TLabel>("StateLbl");
  form->Show();
  PumpFor(50);
  EXPECT_EQ(state.Width(), 272);
  form->SetClientWidth(306);
  EXPECT_EQ(form->ClientWidth(), 306);
  EXPECT_EQ(state.Left(), 8);
  EXPECT_EQ(state.Width(), 292);
}

TEST_F(FormsTest, ReadingTextDefinitionReportsTheLineOfABadValue) {
  TForm loose(nullptr);
  EXPECT_THROW(loose.ReadFormDefinition("object F: TForm\n  BorderStyle = bsWobbly\nend\n"),
               EParserError);
  try {
    TForm other(nullptr);
    other.ReadFormDefinition("object F: TForm\n  Caption = 'x'\n  Left = 'text'\nend\n");
    FAIL();
  } catch (const EParserError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Line 3:", 0), 0u) << e.what();
  }
}

}  // namespace
