// The application object: the error handler in a timer tick, hints that really show, the
// taskbar button's owner.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/forms/HintWindow.h"
#include "framework/win/platform/Timers.h"
#include "tests/framework/win/controls/WinTestSupport.h"
#include "tests/framework/win/forms/sample/SampleForm.h"

namespace {

class ApplicationTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterSampleClasses();
    Application().SetTitle("Dorv Test Title");
    form = &Application().CreateForm<TSampleFrm>();
  }
  void TearDown() override { Application().DestroyForms(); }

  TSampleFrm* form = nullptr;
};

struct FoundDialog {
  std::string caption;
  std::string text;
};

BOOL CALLBACK CollectStaticText(HWND child, LPARAM param) {
  char name[32] = {};
  GetClassNameA(child, name, sizeof(name));
  if (_stricmp(name, "Static") == 0) {
    char text[256] = {};
    GetWindowTextA(child, text, sizeof(text));
    if (text[0] != 0) reinterpret_cast<FoundDialog*>(param)->text = text;
  }
  return TRUE;
}

TEST_F(ApplicationTest, ErrorInATimerTickShowsItsMessageAndTheLoopGoesOn) {
  form->onTimer = [this] {
    if (form->timerTicks == 1) throw Exception("Failed to get data for 'Enable'");
  };
  std::mutex lock;
  FoundDialog found;
  std::atomic<bool> seen{false};
  std::thread watcher([&] {
    for (int i = 0; i < 400 && !seen; ++i) {
      HWND dialog = FindWindowA("#32770", "Dorv Test Title");
      if (dialog != nullptr) {
        FoundDialog read;
        char caption[128] = {};
        GetWindowTextA(dialog, caption, sizeof(caption));
        read.caption = caption;
        EnumChildWindows(dialog, CollectStaticText, reinterpret_cast<LPARAM>(&read));
        {
          std::lock_guard<std::mutex> guard(lock);
          found = read;
        }
        seen = true;
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(25);
    }
  });
  form->Show();
  form->Component<TTimer>("Timer1").SetEnabled(true);
  const bool ticked = PumpUntil([&] { return form->timerTicks >= 3; }, 8000);
  form->Component<TTimer>("Timer1").SetEnabled(false);
  seen = true;
  watcher.join();
  EXPECT_TRUE(ticked);
  std::lock_guard<std::mutex> guard(lock);
  EXPECT_EQ(found.caption, "Dorv Test Title");
  EXPECT_EQ(found.text, "Failed to get data for 'Enable'");
}

TEST_F(ApplicationTest, SilentAbortAndOnExceptionReplaceTheMessageBox) {
  std::string reported;
  Application().OnException = [&](TObject*, const std::exception& e) { reported = e.what(); };
  form->Show();
  PumpFor(50);
  auto& edit = form->Component<TEdit>("Edit2");
  edit.OnKeyPress = [](TObject*, char& key) {
    if (key == 'a') Abort();
    if (key == 'b') throw Exception("Broken key");
  };
  PostMessageA(edit.Handle(), WM_CHAR, 'a', 1);
  PumpFor(50);
  EXPECT_EQ(reported, "");
  PostMessageA(edit.Handle(), WM_CHAR, 'b', 1);
  PumpFor(50);
  EXPECT_EQ(reported, "Broken key");
  Application().OnException.Clear();
}

TEST_F(ApplicationTest, HintOfTheControlUnderTheMouseReallyShows) {
  auto& edit = form->Component<TEdit>("Edit3");
  edit.SetHint("3 Minutes|The polling interval");
  edit.SetShowHint(true);
  Application().SetHintPause(100);
  form->Show();
  PumpFor(200);
  const TPoint corner = form->ClientToScreen({150, 5});
  MoveMouseTo({corner.X, corner.Y});
  PumpFor(100);
  const TPoint inside = edit.ClientToScreen({10, 5});
  MoveMouseTo({inside.X, inside.Y});
  const bool shown = PumpUntil(
      [] {
        HWND hint = FindWindowA("THintWindow", nullptr);
        return hint != nullptr && IsWindowVisible(hint);
      },
      3000);
  ASSERT_TRUE(shown);
  HWND hint = FindWindowA("THintWindow", nullptr);
  char text[64] = {};
  GetWindowTextA(hint, text, sizeof(text));
  EXPECT_STREQ(text, "3 Minutes");
  EXPECT_EQ(Application().HintWindow().Text(), "3 Minutes");
  // Leaving the control takes the hint away.
  MoveMouseTo({corner.X, corner.Y});
  EXPECT_TRUE(PumpUntil([hint] { return !IsWindowVisible(hint); }, 2000));
}

TEST_F(ApplicationTest, ApplicationWindowOwnsTheTaskbarButton) {
  form->Show();
  PumpFor(50);
  const HWND app = Application().Handle();
  char title[64] = {};
  GetWindowTextA(app, title, sizeof(title));
  EXPECT_STREQ(title, "Dorv Test Title");
  EXPECT_TRUE(IsWindowVisible(app));
  EXPECT_EQ(GetWindow(app, GW_OWNER), nullptr);
  EXPECT_EQ(GetWindowLongA(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  RECT r{};
  GetWindowRect(app, &r);
  EXPECT_EQ(r.right - r.left, 0);
  EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), app);
  EXPECT_EQ(Application().MainForm(), form);
}

}  // namespace
