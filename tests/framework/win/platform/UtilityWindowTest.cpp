#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/core/SysUtils.h"
#include "framework/win/platform/UtilityWindow.h"
#include "tests/framework/win/menus/MenuTestSupport.h"
#include "tests/framework/win/platform/MessagePump.h"

namespace {

constexpr UINT kPing = WM_APP + 7;

TEST(UtilityWindowTest, AHiddenTopLevelWindowThatHearsBroadcasts) {
  const UINT broadcast = RegisterWindowMessageA("DvUtilityWindowTestBroadcast");
  std::vector<UINT> heard;
  TUtilityWindow window([&](UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != broadcast && message != kPing) return false;
    heard.push_back(message);
    result = 42;
    return true;
  });
  HWND handle = window.Handle();
  ASSERT_TRUE(IsWindow(handle));
  EXPECT_FALSE(IsWindowVisible(handle));
  EXPECT_EQ(GetParent(handle), nullptr);
  EXPECT_EQ(GetAncestor(handle, GA_PARENT), GetDesktopWindow()) << "not message-only";

  EXPECT_EQ(SendMessageA(handle, kPing, 0, 0), 42);
  PostMessageA(HWND_BROADCAST, broadcast, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return heard.size() == 2; }, 1000));
  EXPECT_EQ(heard[1], broadcast);
  // Unhandled messages get the default answer.
  EXPECT_EQ(SendMessageA(handle, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST(UtilityWindowTest, AnErrorEndsOnlyThatMessage) {
  EventErrorRecorder errors;
  TObject sender;
  TUtilityWindow window(
      [](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message != kPing) return false;
        result = 5;
        throw Exception("Stream read error");
      },
      &sender);
  EXPECT_EQ(SendMessageA(window.Handle(), kPing, 0, 0), 0);
  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_EQ(errors.messages[0], "Stream read error");
  EXPECT_EQ(errors.senders[0], &sender);
  EXPECT_TRUE(IsWindow(window.Handle()));
}

TEST(UtilityWindowTest, TheWindowGoesWithItsObjectEvenFromItsOwnHandler) {
  HWND handle = nullptr;
  {
    TUtilityWindow window([](UINT, WPARAM, LPARAM, LRESULT&) { return false; });
    handle = window.Handle();
  }
  EXPECT_FALSE(IsWindow(handle));

  std::unique_ptr<TUtilityWindow> owned;
  owned = std::make_unique<TUtilityWindow>([&](UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message != kPing) return false;
    owned.reset();
    return true;
  });
  handle = owned->Handle();
  SendMessageA(handle, kPing, 0, 0);
  EXPECT_EQ(owned, nullptr);
  EXPECT_FALSE(IsWindow(handle));
}

}  // namespace
