// The script language shared by the wininet.dll double and the in-process Internet fake.
#include <gtest/gtest.h>

#include "tests/dialer/wininet_double/WininetScript.h"

namespace {

TEST(WininetScriptTest, EmptyScriptAnswersLikePlainWine) {
  TWininetScript script;
  EXPECT_TRUE(script.Load("").empty());
  EXPECT_EQ(1u, script.ConnectedState());
  EXPECT_EQ(0u, script.ConnectionFlags());
  EXPECT_EQ(1u, script.Dial());
  EXPECT_EQ(1u, script.HangUp());
  EXPECT_EQ(1u, script.ConnectedState());  // a hang-up leaves plain Wine online
  EXPECT_EQ(TWininetScript::kFirstHandle, script.Open());
  EXPECT_EQ(TWininetScript::kFirstHandle + 1, script.Open());
  EXPECT_EQ(1u, script.SetOption());
  EXPECT_EQ(1u, script.Close());
}

TEST(WininetScriptTest, ListsAnswerInTurnAndRepeatTheirLastValue) {
  TWininetScript script;
  ASSERT_TRUE(script.Load("# comment\n\n online = 0, 2 ,0x10\r\ndial=0,1\nopen=0,1\n").empty());
  EXPECT_EQ(0u, script.ConnectedState());
  EXPECT_EQ(2u, script.ConnectedState());
  EXPECT_EQ(16u, script.ConnectedState());
  EXPECT_EQ(16u, script.ConnectedState());
  EXPECT_EQ(0u, script.Dial());
  EXPECT_EQ(1u, script.Dial());
  EXPECT_EQ(1u, script.Dial());
  EXPECT_EQ(0u, script.Open());
  EXPECT_EQ(TWininetScript::kFirstHandle, script.Open());
}

TEST(WininetScriptTest, AcceptedDialOrHangUpReplacesTheOnlineAnswers) {
  TWininetScript script;
  ASSERT_TRUE(
      script.Load("online=0\ndial=0,1\nonline_after_dial=0,1\nhangup=1\nonline_after_hangup=1")
          .empty());
  EXPECT_EQ(0u, script.ConnectedState());
  EXPECT_EQ(0u, script.Dial());  // refused: no change
  EXPECT_EQ(0u, script.ConnectedState());
  EXPECT_EQ(1u, script.Dial());
  EXPECT_EQ(0u, script.ConnectedState());  // accepted, still offline
  EXPECT_EQ(1u, script.ConnectedState());
  EXPECT_EQ(1u, script.HangUp());
  EXPECT_EQ(1u, script.ConnectedState());  // behind a router
}

TEST(WininetScriptTest, ReloadingStartsEveryListAgain) {
  TWininetScript script;
  ASSERT_TRUE(script.Load("online=0,1\nflags=0x12\ndial_delay_ms=250").empty());
  EXPECT_EQ(0u, script.ConnectedState());
  EXPECT_EQ(0x12u, script.ConnectionFlags());
  EXPECT_EQ(250u, script.DialDelayMs());
  script.Open();
  ASSERT_TRUE(script.Load("online=0,1").empty());
  EXPECT_EQ(0u, script.ConnectedState());
  EXPECT_EQ(0u, script.ConnectionFlags());
  EXPECT_EQ(0u, script.DialDelayMs());
  EXPECT_EQ(TWininetScript::kFirstHandle, script.Open());
}

TEST(WininetScriptTest, BadLinesAreReportedAndSkipped) {
  TWininetScript script;
  EXPECT_EQ((std::vector<std::string>{"line 1: unknown key 'onlin'", "line 2: bad value for 'dial'",
                                      "line 3: expected key=value", "line 4: bad value for 'open'",
                                      "line 5: bad value for 'close'"}),
            script.Load("onlin=0\ndial=yes\nhangup\nopen=1,,0\nclose=4294967296\nsetoption=0"));
  EXPECT_EQ(1u, script.ConnectedState());
  EXPECT_EQ(0u, script.SetOption());
}

TEST(WininetScriptTest, LogLines) {
  EXPECT_EQ("InternetGetConnectedState(flags=ptr, reserved=0) = 1",
            WininetLog::ConnectedState(true, 0, 1));
  EXPECT_EQ("InternetAutodial(flags=3, parent=0) = 0", WininetLog::Autodial(3, 0, 0));
  EXPECT_EQ("InternetAutodial(flags=1, parent=0x1A2B) = 1", WininetLog::Autodial(1, 0x1A2B, 1));
  EXPECT_EQ("InternetAutodialHangup(reserved=0) = 1", WininetLog::AutodialHangup(0, 1));
  EXPECT_EQ(
      "InternetOpenA(agent=\"Dorv Internet Auto-Dialer\", access=1, proxy=null, bypass=null, "
      "flags=0x01000000) = 0xD0001",
      WininetLog::Open("Dorv Internet Auto-Dialer", 1, nullptr, nullptr, 0x01000000, 0xD0001));
  EXPECT_EQ(
      "InternetOpenA(agent=null, access=0, proxy=\"p\", bypass=\"\", flags=0x00000000) = null",
      WininetLog::Open(nullptr, 0, "p", "", 0, 0));
  EXPECT_EQ("InternetSetOptionA(handle=0xD0001, option=39, buffer=null, length=0) = 0",
            WininetLog::SetOption(0xD0001, 39, false, 0, 0));
  EXPECT_EQ("InternetCloseHandle(handle=0xD0001) = 1", WininetLog::CloseHandle(0xD0001, 1));
}

}  // namespace
