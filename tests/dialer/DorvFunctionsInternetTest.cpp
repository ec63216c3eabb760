// The connection primitives seen through the Internet layer's call table.
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialer/DorvFunctions.h"
#include "dialer/InternetApi.h"
#include "dialer/InternetHandle.h"
#include "tests/dialer/InternetFake.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kOpenLine =
    "InternetOpenA(agent=\"Dorv Internet Auto-Dialer\", access=1, proxy=null, bypass=null, "
    "flags=0x01000000) = ";

TEST(DorvFunctionsInternetTest, DialPassesForceFlagsAndANullParent) {
  TInternetFake fake("dial=1,0");
  EXPECT_TRUE(DorvFunctions::DialDefaultConnection(true));
  EXPECT_FALSE(DorvFunctions::DialDefaultConnection(false));
  EXPECT_EQ(
      (Lines{"InternetAutodial(flags=3, parent=0) = 1", "InternetAutodial(flags=1, parent=0) = 0"}),
      fake.Log());
}

TEST(DorvFunctionsInternetTest, HangUpPassesZeroAndReportsTheVerdict) {
  TInternetFake fake("hangup=0,1");
  EXPECT_FALSE(DorvFunctions::HangUpConnection());
  EXPECT_TRUE(DorvFunctions::HangUpConnection());
  EXPECT_EQ(
      (Lines{"InternetAutodialHangup(reserved=0) = 0", "InternetAutodialHangup(reserved=0) = 1"}),
      fake.Log());
}

TEST(DorvFunctionsInternetTest, IsOnlineReadsAnyNonZeroAsConnected) {
  TInternetFake fake("online=0,2,0x80000000\nflags=0x12");
  EXPECT_FALSE(DorvFunctions::IsOnline());
  EXPECT_TRUE(DorvFunctions::IsOnline());
  EXPECT_TRUE(DorvFunctions::IsOnline());
  EXPECT_EQ("InternetGetConnectedState(flags=ptr, reserved=0) = 0", fake.Log().front());
}

BOOL WINAPI ThrowingConnectedState(DWORD*, DWORD) {
  throw std::runtime_error("layer failed");
}

TEST(DorvFunctionsInternetTest, IsOnlineSwallowsErrorsRaisedDuringTheQuery) {
  TInternetApi api = SystemInternetApi();
  api.GetConnectedState = &ThrowingConnectedState;
  const TInternetApiScope scope(api);
  bool online = true;
  EXPECT_NO_THROW(online = DorvFunctions::IsOnline());
  EXPECT_FALSE(online);
}

TEST(DorvFunctionsInternetTest, OfflineDialAcceptedStillOffline) {
  TInternetFake fake("online=0\ndial=1\nonline_after_dial=0");
  EXPECT_FALSE(DorvFunctions::IsOnline());
  EXPECT_TRUE(DorvFunctions::DialDefaultConnection(true));
  EXPECT_FALSE(DorvFunctions::IsOnline());
}

TEST(DorvFunctionsInternetTest, SettingsChangedOpensSetsAndClosesTheSession) {
  TInternetFake fake;
  EXPECT_TRUE(DorvFunctions::NotifyInternetSettingsChanged("Dorv Internet Auto-Dialer"));
  EXPECT_EQ((Lines{kOpenLine + "0xD0001",
                   "InternetSetOptionA(handle=0xD0001, option=39, buffer=null, length=0) = 1",
                   "InternetCloseHandle(handle=0xD0001) = 1"}),
            fake.Log());
}

TEST(DorvFunctionsInternetTest, SettingsChangedClosesTheSessionWhenTheOptionFails) {
  TInternetFake fake("setoption=0\nclose=0");
  EXPECT_FALSE(DorvFunctions::NotifyInternetSettingsChanged("Dorv Internet Auto-Dialer"));
  EXPECT_EQ((Lines{kOpenLine + "0xD0001",
                   "InternetSetOptionA(handle=0xD0001, option=39, buffer=null, length=0) = 0",
                   "InternetCloseHandle(handle=0xD0001) = 0"}),
            fake.Log());
}

TEST(DorvFunctionsInternetTest, SettingsChangedWithoutASessionDoesNothingMore) {
  TInternetFake fake("open=0");
  EXPECT_FALSE(DorvFunctions::NotifyInternetSettingsChanged("Dorv Internet Auto-Dialer"));
  EXPECT_EQ((Lines{kOpenLine + "null"}), fake.Log());
}

TEST(DorvFunctionsInternetTest, HandleOwnerClosesExactlyOnce) {
  TInternetFake fake;
  const long live = TInternetHandleCount::Value();
  {
    TInternetHandle first(InternetApi().Open("a", 1, nullptr, nullptr, 0));
    TInternetHandle second(InternetApi().Open("b", 1, nullptr, nullptr, 0));
    TInternetHandle moved(std::move(first));
    EXPECT_EQ(TInternetHandleCount::Value(), live + 2);
    second = std::move(moved);  // closes b's session, takes a's
    EXPECT_FALSE(first);
    EXPECT_FALSE(moved);
    EXPECT_EQ(TInternetHandleCount::Value(), live + 1);
  }
  EXPECT_EQ(TInternetHandleCount::Value(), live);
  const Lines& log = fake.Log();
  ASSERT_EQ(4u, log.size());
  EXPECT_EQ("InternetCloseHandle(handle=0xD0002) = 1", log[2]);
  EXPECT_EQ("InternetCloseHandle(handle=0xD0001) = 1", log[3]);
}

TEST(DorvFunctionsInternetTest, FakeRefusesABadScriptAndLeavesTheSystemTable) {
  EXPECT_THROW(TInternetFake("dial=maybe"), std::invalid_argument);
  EXPECT_EQ(&SystemInternetApi(), &InternetApi());
  {
    TInternetFake fake;
    EXPECT_NE(&SystemInternetApi(), &InternetApi());
  }
  EXPECT_EQ(&SystemInternetApi(), &InternetApi());
}

}  // namespace
