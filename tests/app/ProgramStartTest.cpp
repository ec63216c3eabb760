// The real program's start-up in a prepared prefix: the first-run notice, the stored settings and
// their errors, what is saved and when.
#include <string>
#include <vector>

#include "tests/app/HebrewNotice.h"
#include "tests/app/ProgramFixture.h"

namespace {

using Lines = std::vector<std::string>;

const Lines kDefaultsSaved = {"FirstRun = 0", "Enable = 1", "UpdateInterval = 180", "Left = 478",
                              "Top = 441"};
const Lines kNothingSaved = {"FirstRun missing", "Enable missing", "UpdateInterval missing",
                             "Left missing", "Top missing"};

using ProgramStartTest = ProgramTest;

TEST_F(ProgramStartTest, FreshPrefixShowsTheNoticeAtEveryStartUntilTheFirstSave) {
  Start();
  const TProgramDialog notice = AnswerDialog(kNoticeCaption);
  EXPECT_EQ(kNoticeCaption, notice.caption);
  EXPECT_EQ(std::vector<std::wstring>{kNoticeText}, notice.texts);
  EXPECT_EQ(program->Windows("TMainFrm").at(0), notice.owner);
  ASSERT_NE(nullptr, MainWindow());
  EXPECT_EQ(kMainCaption, WindowTextW(window));
  EXPECT_EQ(DwordBytes(1), registry.InternetSetting("EnableAutodial").data);
  EXPECT_EQ(DwordBytes(0), registry.InternetSetting("NoNetAutodial").data);
  EXPECT_EQ(static_cast<DWORD>(REG_DWORD), registry.InternetSetting("NoNetAutodial").type);
  EXPECT_TRUE(registry.SettingsKeyExists());
  EXPECT_EQ(kNothingSaved, registry.Settings());

  // Ended without a save: the notice comes again.
  program->Kill();
  window = nullptr;
  Start();
  AnswerDialog(kNoticeCaption);
  ASSERT_NE(nullptr, MainWindow());
  Close();
  EXPECT_EQ(kDefaultsSaved, registry.Settings());

  window = nullptr;
  Start();
  ASSERT_NE(nullptr, MainWindow());
  Sleep(300);
  EXPECT_FALSE(ShowsDialog());
}

TEST_F(ProgramStartTest, FirstTickSavesTheFiveSettings) {
  registry.SetSetting("UpdateInterval", 1);
  Start();
  AnswerDialog(kNoticeCaption);
  ASSERT_NE(nullptr, MainWindow());
  EXPECT_TRUE(WaitUntil([&] { return registry.Setting("Top").exists; }, 4000));
  EXPECT_EQ((Lines{"FirstRun = 0", "Enable = 1", "UpdateInterval = 1", "Left = 478", "Top = 441"}),
            registry.Settings());
}

TEST_F(ProgramStartTest, StoredAutoDialOffKeepsTheTimerOff) {
  registry.SetSetting("FirstRun", 0);
  registry.SetSetting("Enable", 0);
  registry.SetSetting("UpdateInterval", 1);
  Start();
  ASSERT_NE(nullptr, MainWindow());
  // Two periods without a tick: nothing is saved.
  Sleep(2500);
  EXPECT_FALSE(registry.Setting("Left").exists);
  Close();
  EXPECT_EQ((Lines{"FirstRun = 0", "Enable = 0", "UpdateInterval = 1", "Left = 478", "Top = 441"}),
            registry.Settings());
}

TEST_F(ProgramStartTest, StoredIntervalAndPositionAreShown) {
  registry.SetSetting("FirstRun", 0);
  registry.SetSetting("UpdateInterval", 60);
  registry.SetSetting("Left", 100);
  registry.SetSetting("Top", 120);
  Start();
  ASSERT_NE(nullptr, MainWindow());
  const std::vector<HWND> spinEdits = ChildWindows(window, "TDvSpinEdit");
  ASSERT_EQ(1u, spinEdits.size());
  EXPECT_EQ(L"60", ControlTextW(spinEdits[0]));
  RECT bounds{};
  GetWindowRect(window, &bounds);
  EXPECT_EQ(100, bounds.left);
  EXPECT_EQ(120, bounds.top);
}

TEST_F(ProgramStartTest, StoredEnableOfTheWrongTypeIsReportedAndTheProgramGoesOn) {
  registry.SetSetting("Enable", REG_SZ, StringBytes("1"));
  Start();
  const TProgramDialog error = AnswerDialog(kTitle);
  EXPECT_EQ(std::vector<std::wstring>{L"Invalid data type for 'Enable'"}, error.texts);
  ASSERT_NE(nullptr, MainWindow());
  EXPECT_TRUE(IsWindowVisible(window));
  // The rest of the start-up did not run: no notice, no per-user settings.
  Sleep(300);
  EXPECT_FALSE(ShowsDialog());
  EXPECT_FALSE(registry.InternetSetting("EnableAutodial").exists);
  EXPECT_TRUE(program->Running());
}

}  // namespace
