// The notification record and what the icon sends to the shell as its properties change.
#include <gtest/gtest.h>

#include <string>

#include "controls/tray/TaskbarCreated.h"
#include "controls/tray/TrayNotifyRecord.h"
#include "framework/core/TypInfo.h"
#include "framework/win/forms/Application.h"
#include "tests/controls/tray/TrayTestFixture.h"
#include "tests/framework/win/platform/MessagePump.h"

namespace {

const std::string kHundred =
    "Dorv Internet Auto-Dialer v0.1 - a hint of exactly one hundred characters for the tray icon "
    "test....";

TEST_F(TrayIconTest, LoadingAddsTheIconWithImageZeroAndNoTip) {
  Load();
  const TDvTrayIcon& icon = Icon();
  EXPECT_TRUE(icon.Enabled());
  // The constructor's modify, the add when loading ends, then the update.
  ASSERT_EQ(shell->Messages(), (std::vector<DWORD>{NIM_MODIFY, NIM_ADD, NIM_MODIFY}));
  const ShellCall& add = shell->calls[1];
  EXPECT_EQ(add.cbSize, TTrayNotifyRecord::kLargeSize);
  EXPECT_EQ(add.window, icon.NotifyWindow());
  EXPECT_NE(add.id, 0u);
  EXPECT_EQ(add.flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON));
  EXPECT_EQ(add.callbackMessage, 9250u);
  EXPECT_EQ(add.tip, "");
  ASSERT_NE(add.icon, nullptr);
  EXPECT_EQ(add.icon, icon.Picture().Handle());
  EXPECT_EQ(IconCentreColor(add.icon), kImageColors[0]);
  EXPECT_EQ(shell->versionInfoSize, 20u);
  EXPECT_EQ(sizeof(DLLVERSIONINFO), 20u);
}

TEST_F(TrayIconTest, PublishedPropertiesAndDefaults) {
  Load();
  const TDvTrayIcon& icon = Icon();
  EXPECT_FALSE(icon.Animate());
  EXPECT_TRUE(icon.HideOnMinimize());
  EXPECT_EQ(icon.Hint(), "");
  EXPECT_EQ(icon.PopupMenu(), &Menu());
  EXPECT_EQ(icon.Icons(), &Images());
  EXPECT_EQ(icon.IconIndex(), 0);
  EXPECT_EQ(icon.Interval(), 1000u);
  EXPECT_EQ(icon.RestoreOn(), ticLeftDblClick);
  EXPECT_EQ(icon.PopupMenuOn(), ticRightClickUp);
  std::vector<std::string> names;
  for (const TPropInfo* property : icon.ClassInfo().Properties())
    names.push_back(property->Name());
  const std::vector<std::string> expected = {"Name",
                                             "Animate",
                                             "Enabled",
                                             "HideOnMinimize",
                                             "Hint",
                                             "PopupMenu",
                                             "Icons",
                                             "IconIndex",
                                             "Interval",
                                             "RestoreOn",
                                             "PopupMenuOn",
                                             "OnBalloonHintHide",
                                             "OnBalloonHintClose",
                                             "OnBalloonHintClick",
                                             "OnMinimizeApp",
                                             "OnRestoreApp",
                                             "OnLButtonDown",
                                             "OnLButtonUp",
                                             "OnLButtonDblClick",
                                             "OnRButtonDown",
                                             "OnRButtonUp",
                                             "OnRButtonDblClick",
                                             "OnEndSession",
                                             "OnQueryEndSession"};
  EXPECT_EQ(names, expected);
  EXPECT_EQ(TrayIconClickNames()[ticRightClickUp], "ticRightClickUp");
}

TEST_F(TrayIconTest, FormDataSetsTheMouseActionsAndTheHint) {
  Load(6, "    Hint = 'Loaded hint'\n    RestoreOn = ticLeftClick\n    PopupMenuOn = ticNone\n");
  EXPECT_EQ(Icon().RestoreOn(), ticLeftClick);
  EXPECT_EQ(Icon().PopupMenuOn(), ticNone);
  // The add already carries the hint read with the form.
  ASSERT_EQ(shell->Count(NIM_ADD), 1);
  for (const ShellCall& call : shell->calls)
    if (call.message == NIM_ADD) {
      EXPECT_EQ(call.tip, "Loaded hint");
      EXPECT_EQ(call.flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    }
}

TEST_F(TrayIconTest, AHundredCharacterHintIsWholeWithShellFive) {
  ASSERT_EQ(kHundred.size(), 100u);
  Load(5);
  Icon().SetHint(kHundred);
  EXPECT_EQ(shell->Last().message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(shell->Last().cbSize, TTrayNotifyRecord::kLargeSize);
  EXPECT_EQ(shell->Last().tip, kHundred);
  EXPECT_EQ(shell->Last().flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  // The large layout carries 127 characters at most.
  Icon().SetHint(kHundred + kHundred);
  EXPECT_EQ(shell->Last().tip, (kHundred + kHundred).substr(0, 127));
  EXPECT_EQ(Icon().Hint(), kHundred + kHundred);
}

TEST_F(TrayIconTest, AnOlderShellGetsTheSmallRecordAndSixtyThreeCharacters) {
  Load(4);
  Icon().SetHint(kHundred);
  EXPECT_EQ(shell->Last().cbSize, TTrayNotifyRecord::kSmallSize);
  EXPECT_EQ(shell->Last().tip, kHundred.substr(0, 63));
#ifndef _WIN64
  EXPECT_EQ(shell->Last().cbSize, 88u);
#else
  // The 64-bit shell's records: the handles are 8 bytes there.
  EXPECT_EQ(TTrayNotifyRecord::kSmallSize, 104u);
  EXPECT_EQ(TTrayNotifyRecord::kLargeSize, 504u);
#endif
}

TEST_F(TrayIconTest, AShellWithoutDllGetVersionGetsTheSmallRecord) {
  Load(0);
  Icon().SetHint(kHundred);
  EXPECT_EQ(shell->Last().cbSize, TTrayNotifyRecord::kSmallSize);
  EXPECT_EQ(shell->Last().tip.size(), 63u);
}

TEST_F(TrayIconTest, TheSameHintTwiceSendsNothingTheSecondTime) {
  Load();
  Icon().SetHint("Dorv Internet Auto-Dialer v0.1");
  const size_t sent = shell->calls.size();
  Icon().SetHint("Dorv Internet Auto-Dialer v0.1");
  EXPECT_EQ(shell->calls.size(), sent);
}

TEST_F(TrayIconTest, AnEmptyHintClearsTheTipFlag) {
  Load();
  Icon().SetHint("Connected.");
  Icon().SetHint("");
  EXPECT_EQ(shell->Last().message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(shell->Last().flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON));
  EXPECT_EQ(shell->Last().tip, "");
  EXPECT_EQ(Icon().NotifyData().uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON));
}

TEST_F(TrayIconTest, TheSameIconIndexTwiceUpdatesTwice) {
  Load();
  shell->calls.clear();
  // Each write fetches the picture anew (the previous handle is destroyed then).
  Icon().SetIconIndex(2);
  EXPECT_EQ(IconCentreColor(shell->Last().icon), kImageColors[2]);
  Icon().SetIconIndex(2);
  EXPECT_EQ(IconCentreColor(shell->Last().icon), kImageColors[2]);
  EXPECT_EQ(shell->Messages(), (std::vector<DWORD>{NIM_MODIFY, NIM_MODIFY}));
}

TEST_F(TrayIconTest, WithoutIconsTheIndexIsOnlyStoredAndThePictureSentAgain) {
  Load();
  Icon().SetIcons(nullptr);
  const HICON before = Icon().Picture().Handle();
  shell->calls.clear();
  Icon().SetIconIndex(3);
  EXPECT_EQ(Icon().IconIndex(), 3);
  ASSERT_EQ(shell->Messages(), (std::vector<DWORD>{NIM_MODIFY}));
  EXPECT_EQ(shell->Last().icon, before);
  EXPECT_EQ(IconCentreColor(shell->Last().icon), kImageColors[0]);
}

TEST_F(TrayIconTest, AnIndexTheListDoesNotHaveShowsNoPicture) {
  Load();
  Icon().SetIconIndex(7);
  EXPECT_EQ(Icon().IconIndex(), 7);
  EXPECT_EQ(shell->Last().icon, nullptr);
}

TEST_F(TrayIconTest, AnimationRunsThroughTheImagesAndBackToTheFirst) {
  Load();
  std::vector<int> indexes;
  std::vector<TColor> colors;
  for (int step = 0; step < 5; ++step) {
    Icon().AnimationStep();
    indexes.push_back(Icon().IconIndex());
    colors.push_back(IconCentreColor(shell->Last().icon));
  }
  EXPECT_EQ(indexes, (std::vector<int>{1, 2, 3, 0, 1}));
  EXPECT_EQ(colors, (std::vector<TColor>{kImageColors[1], kImageColors[2], kImageColors[3],
                                         kImageColors[0], kImageColors[1]}));
  // Each step fetches (one update) and updates once more.
  shell->calls.clear();
  Icon().AnimationStep();
  EXPECT_EQ(shell->Messages(), (std::vector<DWORD>{NIM_MODIFY, NIM_MODIFY}));
}

TEST_F(TrayIconTest, AnimationWithoutIconsDoesNothing) {
  Load();
  Icon().SetIcons(nullptr);
  shell->calls.clear();
  Icon().AnimationStep();
  EXPECT_EQ(Icon().IconIndex(), 0);
  EXPECT_TRUE(shell->calls.empty());
}

TEST_F(TrayIconTest, AnimateRunsTheTimerAtTheInterval) {
  Load();
  EXPECT_FALSE(Icon().AnimationRunning());
  Icon().SetInterval(20);
  EXPECT_FALSE(Icon().AnimationRunning());
  Icon().SetAnimate(true);
  EXPECT_TRUE(Icon().Animate());
  EXPECT_TRUE(Icon().AnimationRunning());
  EXPECT_TRUE(PumpUntil([&] { return Icon().IconIndex() >= 2; }, 3000));
  Icon().SetAnimate(false);
  EXPECT_FALSE(Icon().AnimationRunning());
  EXPECT_EQ(Icon().Interval(), 20u);
}

TEST_F(TrayIconTest, TaskbarCreatedAddsAnEnabledIconAgainWithItsPictureAndHint) {
  Load();
  ASSERT_NE(TaskbarCreatedMessage(), 0u);
  Icon().SetHint("Connected.");
  Icon().SetIconIndex(2);
  shell->calls.clear();
  SendMessageA(Icon().NotifyWindow(), TaskbarCreatedMessage(), 0, 0);
  ASSERT_EQ(shell->Messages(), (std::vector<DWORD>{NIM_ADD}));
  EXPECT_EQ(shell->Last().tip, "Connected.");
  EXPECT_EQ(shell->Last().flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(IconCentreColor(shell->Last().icon), kImageColors[2]);
  EXPECT_TRUE(Icon().Enabled());
}

TEST_F(TrayIconTest, TaskbarCreatedLeavesADisabledIconAway) {
  Load();
  Icon().SetEnabled(false);
  EXPECT_EQ(shell->Last().message, static_cast<DWORD>(NIM_DELETE));
  shell->calls.clear();
  SendMessageA(Icon().NotifyWindow(), TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(shell->calls.empty());
  EXPECT_FALSE(Icon().Enabled());
}

TEST_F(TrayIconTest, ARefusedAddLeavesTheIconDisabled) {
  Load();
  shell->refuseAdd = true;
  Icon().SetEnabled(false);
  Icon().SetEnabled(true);
  EXPECT_FALSE(Icon().Enabled());
  // A refused re-add after a taskbar restart is swallowed and disables the icon too.
  shell->refuseAdd = false;
  Icon().SetEnabled(true);
  shell->refuseAdd = true;
  SendMessageA(Icon().NotifyWindow(), TaskbarCreatedMessage(), 0, 0);
  EXPECT_FALSE(Icon().Enabled());
}

TEST_F(TrayIconTest, EnabledChangesOnlyOnARealChange) {
  Load();
  shell->calls.clear();
  Icon().SetEnabled(true);
  EXPECT_TRUE(shell->calls.empty());
  Icon().SetEnabled(false);
  Icon().SetEnabled(false);
  EXPECT_EQ(shell->Messages(), (std::vector<DWORD>{NIM_DELETE}));
}

TEST_F(TrayIconTest, EachIconHasItsOwnIdAndRemovesItselfWhenDestroyed) {
  Load();
  TDvTrayIcon second(nullptr);
  EXPECT_NE(second.NotifyData().uID, Icon().NotifyData().uID);
  EXPECT_NE(second.NotifyWindow(), Icon().NotifyWindow());
  const UINT id = Icon().NotifyData().uID;
  const HWND window = Icon().NotifyWindow();
  shell->calls.clear();
  TComponent::Destroy(Icon());
  ASSERT_EQ(shell->Messages(), (std::vector<DWORD>{NIM_DELETE}));
  EXPECT_EQ(shell->Last().id, id);
  EXPECT_EQ(shell->Last().window, window);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(TrayIconTest, ADestroyedIconLeavesNoApplicationHooksBehind) {
  Load();
  EXPECT_TRUE(static_cast<bool>(Application().OnMinimize));
  EXPECT_TRUE(static_cast<bool>(Application().OnRestore));
  TComponent::Destroy(Icon());
  EXPECT_FALSE(static_cast<bool>(Application().OnMinimize));
  EXPECT_FALSE(static_cast<bool>(Application().OnRestore));
  // Minimising and restoring still work without the icon.
  Application().Minimize();
  Application().Restore();
  EXPECT_FALSE(Application().IsMinimized());
}

TEST_F(TrayIconTest, RemovedMenuAndImageListAreForgotten) {
  Load();
  TComponent::Destroy(Menu());
  EXPECT_EQ(Icon().PopupMenu(), nullptr);
  TComponent::Destroy(Images());
  EXPECT_EQ(Icon().Icons(), nullptr);
  // Showing the menu without one does nothing.
  SendMessageA(Icon().NotifyWindow(), 9250, 0, WM_RBUTTONUP);
  EXPECT_FALSE(Icon().MenuShowing());
}

}  // namespace
