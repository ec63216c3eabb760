// DorvFunctions through the real wininet import, answered by the wininet.dll double beside this
// program (WINEDLLOVERRIDES="wininet=n,b"). DV_WININET_SCRIPT and DV_WININET_LOG name the files.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "dialer/DorvFunctions.h"
#include "dialer/InternetApi.h"

namespace {

using Lines = std::vector<std::string>;

std::string NativePath(const std::string& path) {
  return (!path.empty() && path[0] == '/') ? "Z:" + path : path;
}

std::string EnvironmentPath(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : NativePath(value);
}

void WriteFile(const std::string& path, const std::string& text) {
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(nullptr, file) << path;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

class WininetDoubleTest : public testing::Test {
 protected:
  std::string scriptPath = EnvironmentPath("DV_WININET_SCRIPT");
  std::string logPath = EnvironmentPath("DV_WININET_LOG");

  void SetUp() override {
    ASSERT_FALSE(scriptPath.empty()) << "DV_WININET_SCRIPT is not set";
    ASSERT_FALSE(logPath.empty()) << "DV_WININET_LOG is not set";
    const std::string folder = logPath.substr(0, logPath.find_last_of("/\\"));
    CreateDirectoryA(folder.c_str(), nullptr);
    Script("");
    std::remove(logPath.c_str());
  }

  void Script(const std::string& text) { WriteFile(scriptPath, text); }

  Lines Log() const {
    Lines lines;
    FILE* file = std::fopen(logPath.c_str(), "rb");
    if (file == nullptr) return lines;
    std::string text;
    char buffer[512];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
      text.append(buffer, count);
    std::fclose(file);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
      lines.push_back(text.substr(start, end - start));
    return lines;
  }
};

TEST_F(WininetDoubleTest, TheDoubleBesideTheProgramIsTheOneLoaded) {
  EXPECT_EQ(&SystemInternetApi(), &InternetApi());
  DorvFunctions::IsOnline();
  const HMODULE module = GetModuleHandleA("wininet.dll");
  ASSERT_NE(nullptr, module);
  char dllName[MAX_PATH];
  char exeName[MAX_PATH];
  GetModuleFileNameA(module, dllName, MAX_PATH);
  GetModuleFileNameA(nullptr, exeName, MAX_PATH);
  const std::string exe(exeName);
  const std::string expected = exe.substr(0, exe.find_last_of('\\')) + "\\wininet.dll";
  EXPECT_EQ(0, lstrcmpiA(expected.c_str(), dllName)) << dllName;
  EXPECT_EQ((Lines{"InternetGetConnectedState(flags=ptr, reserved=0) = 1"}), Log());
}

TEST_F(WininetDoubleTest, OfflineDialAcceptedStillOffline) {
  Script("online=0\ndial=1\nonline_after_dial=0\n");
  EXPECT_FALSE(DorvFunctions::IsOnline());
  EXPECT_TRUE(DorvFunctions::DialDefaultConnection(true));
  EXPECT_FALSE(DorvFunctions::IsOnline());
  EXPECT_EQ((Lines{"InternetGetConnectedState(flags=ptr, reserved=0) = 0",
                   "InternetAutodial(flags=3, parent=0) = 1",
                   "InternetGetConnectedState(flags=ptr, reserved=0) = 0"}),
            Log());
}

TEST_F(WininetDoubleTest, DialConnectsThenHangUpBehindARouter) {
  Script("online=0\nonline_after_dial=1\nhangup=1\nonline_after_hangup=1\n");
  EXPECT_FALSE(DorvFunctions::IsOnline());
  EXPECT_TRUE(DorvFunctions::DialDefaultConnection(false));
  EXPECT_TRUE(DorvFunctions::IsOnline());
  EXPECT_TRUE(DorvFunctions::HangUpConnection());
  EXPECT_TRUE(DorvFunctions::IsOnline());
  const Lines log = Log();
  ASSERT_EQ(5u, log.size());
  EXPECT_EQ("InternetAutodial(flags=1, parent=0) = 1", log[1]);
  EXPECT_EQ("InternetAutodialHangup(reserved=0) = 1", log[3]);
}

TEST_F(WininetDoubleTest, RefusedDialAndHangUp) {
  Script("dial=0\nhangup=0\n");
  EXPECT_FALSE(DorvFunctions::DialDefaultConnection(true));
  EXPECT_FALSE(DorvFunctions::HangUpConnection());
  EXPECT_EQ(
      (Lines{"InternetAutodial(flags=3, parent=0) = 0", "InternetAutodialHangup(reserved=0) = 0"}),
      Log());
}

TEST_F(WininetDoubleTest, SettingsChangedSessionIsClosedWhenTheOptionFails) {
  Script("setoption=0\n");
  EXPECT_FALSE(DorvFunctions::NotifyInternetSettingsChanged("Dorv Internet Auto-Dialer"));
  EXPECT_EQ((Lines{"InternetOpenA(agent=\"Dorv Internet Auto-Dialer\", access=1, proxy=null, "
                   "bypass=null, flags=0x01000000) = 0xD0001",
                   "InternetSetOptionA(handle=0xD0001, option=39, buffer=null, length=0) = 0",
                   "InternetCloseHandle(handle=0xD0001) = 1"}),
            Log());
}

TEST_F(WininetDoubleTest, ChangedScriptStartsAgainAndBadLinesAreLogged) {
  Script("online=0,1\n");
  EXPECT_FALSE(DorvFunctions::IsOnline());
  Script("online=0,1\nbogus=1\n");
  EXPECT_FALSE(DorvFunctions::IsOnline());
  EXPECT_TRUE(DorvFunctions::IsOnline());
  EXPECT_EQ((Lines{"InternetGetConnectedState(flags=ptr, reserved=0) = 0",
                   "script error: line 2: unknown key 'bogus'",
                   "InternetGetConnectedState(flags=ptr, reserved=0) = 0",
                   "InternetGetConnectedState(flags=ptr, reserved=0) = 1"}),
            Log());
}

}  // namespace
