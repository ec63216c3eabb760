// Installing over an older copy that is running: the installer closes it as a user would, so that
// it saves its settings, replaces it, and the settings carry over.
#include "tests/app/ProgramProcess.h"
#include "tests/installer/InstallerFixture.h"

namespace {

// The caption shows the major and minor numbers: "0.0.1" gives "... v0.0".
std::wstring CaptionOf(const std::wstring& version) {
  const size_t minorEnd = version.find(L'.', version.find(L'.') + 1);
  return L"Dorv Internet Auto-Dialer v" + version.substr(0, minorEnd);
}

std::wstring DisplayVersion() {
  return ReadString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayVersion").value_or(L"<missing>");
}

}  // namespace

TEST_F(InstallerTest, InstallingOverARunningOlderCopyClosesItAndKeepsItsSettings) {
  const auto older = FindOlderInstaller();
  if (!older)
    GTEST_SKIP() << "no older installer in " << DV_OLDER_PACKAGE_DIR
                 << " (scripts/package.sh --version 0.0.1 --output <that folder> makes one)";
  ASSERT_NE(older->version, L"0.1");
  InstallSilently(older->path);
  ASSERT_EQ(DisplayVersion(), older->version);
  WriteNumber(HKEY_LOCAL_MACHINE, kSettingsKey, L"FirstRun", 0);
  WriteNumber(HKEY_LOCAL_MACHINE, kSettingsKey, L"UpdateInterval", 60);

  TProgramProcess olderProgram(InstalledProgram());
  const HWND window =
      olderProgram.WaitForWindow("TMainFrm", CaptionOf(older->version).c_str(), 30000);
  ASSERT_NE(window, nullptr) << "the older copy showed no window";
  SetWindowPos(window, nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(WaitUntil([&] {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return bounds.left == 120 && bounds.top == 90;
  }));

  InstallSilently(CurrentInstaller());

  EXPECT_TRUE(olderProgram.WaitForExit(0)) << "the installer did not wait for the older copy";
  // Saved by the older copy as its window closed: its place, and what it had loaded.
  EXPECT_EQ(ReadNumber(HKEY_LOCAL_MACHINE, kSettingsKey, L"Left"), 120u);
  EXPECT_EQ(ReadNumber(HKEY_LOCAL_MACHINE, kSettingsKey, L"Top"), 90u);
  EXPECT_EQ(ReadNumber(HKEY_LOCAL_MACHINE, kSettingsKey, L"UpdateInterval"), 60u);
  EXPECT_EQ(ReadNumber(HKEY_LOCAL_MACHINE, kSettingsKey, L"FirstRun"), 0u);
  EXPECT_EQ(DisplayVersion(), L"0.1");
  EXPECT_TRUE(FileBytes(InstalledProgram()) == FileBytes(BuiltProgram()))
      << "the older program was not replaced";

  TProgramProcess program(InstalledProgram());
  const HWND newWindow =
      program.WaitForWindow("TMainFrm", L"Dorv Internet Auto-Dialer v0.1", 30000);
  ASSERT_NE(newWindow, nullptr);
  RECT bounds{};
  GetWindowRect(newWindow, &bounds);
  EXPECT_EQ(bounds.left, 120);
  EXPECT_EQ(bounds.top, 90);
  EXPECT_TRUE(program.CloseAndWait(newWindow));
}
