// The uninstaller: what it removes (files, shortcut, uninstall entry, the program's Run entries in
// both hives), what it keeps (settings unless told otherwise, the per-user Internet settings, a
// Run entry of another copy), and a running program closed first.
#include "tests/app/ProgramProcess.h"
#include "tests/installer/InstallerFixture.h"
#include "tests/installer/JobProcess.h"
#include "tests/installer/UninstallerDialogs.h"

TEST_F(InstallerTest, SilentUninstallRemovesTheProgramAndItsEntriesAndKeepsTheSettings) {
  InstallSilently(CurrentInstaller());
  for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
    WriteString(root, kRunKey, kProduct, InstalledProgram());
  WriteNumber(HKEY_LOCAL_MACHINE, kSettingsKey, L"UpdateInterval", 60);
  WriteNumber(HKEY_CURRENT_USER, kSettingsKey, L"UpdateInterval", 90);
  WriteNumber(HKEY_CURRENT_USER, kInternetKey, L"EnableAutodial", 1);
  WriteNumber(HKEY_CURRENT_USER, kInternetKey, L"NoNetAutodial", 0);

  UninstallSilently();

  EXPECT_FALSE(FileExists(InstalledProgram()));
  EXPECT_FALSE(FileExists(InstalledUninstaller()));
  EXPECT_FALSE(FileExists(InstallFolder()));
  EXPECT_FALSE(FileExists(ShortcutPath()));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallKey));
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kRunKey, kProduct), std::nullopt);
  EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kRunKey, kProduct), std::nullopt);
  EXPECT_EQ(ReadNumber(HKEY_LOCAL_MACHINE, kSettingsKey, L"UpdateInterval"), 60u);
  EXPECT_EQ(ReadNumber(HKEY_CURRENT_USER, kSettingsKey, L"UpdateInterval"), 90u);
  EXPECT_EQ(ReadNumber(HKEY_CURRENT_USER, kInternetKey, L"EnableAutodial"), 1u);
  EXPECT_EQ(ReadNumber(HKEY_CURRENT_USER, kInternetKey, L"NoNetAutodial"), 0u);
}

TEST_F(InstallerTest, UninstallLeavesTheRunEntryOfAnotherCopyAlone) {
  InstallSilently(CurrentInstaller());
  const std::wstring otherCopy = L"C:\\Tools\\DorvAutoDialer.exe";
  WriteString(HKEY_CURRENT_USER, kRunKey, kProduct, otherCopy);
  WriteString(HKEY_LOCAL_MACHINE, kRunKey, kProduct, L"\"" + InstalledProgram() + L"\"");

  UninstallSilently();

  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kRunKey, kProduct), otherCopy);
  // The quoted path starts this copy all the same.
  EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kRunKey, kProduct), std::nullopt);
}

TEST_F(InstallerTest, UninstallClosesTheRunningProgramSoThatItSavesItsSettings) {
  InstallSilently(CurrentInstaller());
  WriteNumber(HKEY_LOCAL_MACHINE, kSettingsKey, L"FirstRun", 0);
  TProgramProcess program(InstalledProgram());
  ASSERT_NE(program.WaitForWindow("TMainFrm", L"Dorv Internet Auto-Dialer v0.1", 30000), nullptr);
  ASSERT_FALSE(ReadNumber(HKEY_LOCAL_MACHINE, kSettingsKey, L"Enable"));

  UninstallSilently();

  EXPECT_TRUE(program.WaitForExit(0)) << "the uninstaller did not wait for the program to end";
  EXPECT_FALSE(FileExists(InstalledProgram()));
  // Written by the program as its window closed.
  EXPECT_EQ(ReadNumber(HKEY_LOCAL_MACHINE, kSettingsKey, L"Enable"), 1u);
}

TEST_F(InstallerTest, AnsweringNoToKeepingTheSettingsRemovesThemFromBothHives) {
  InstallSilently(CurrentInstaller());
  WriteNumber(HKEY_LOCAL_MACHINE, kSettingsKey, L"UpdateInterval", 60);
  WriteNumber(HKEY_CURRENT_USER, kSettingsKey, L"UpdateInterval", 90);
  WriteNumber(HKEY_CURRENT_USER, kInternetKey, L"EnableAutodial", 1);

  TJobProcess uninstaller(L"\"" + InstalledUninstaller() + L"\"");
  const TUninstallerAnswers answers = AnswerUninstaller(/*keepSettings=*/false);
  EXPECT_EQ(answers.question,
            L"Keep the settings of Dorv Internet Auto-Dialer (auto-dial, check "
            L"interval, window position) for a later installation?");
  EXPECT_EQ(uninstaller.Wait(30000), 0u);

  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kSettingsKey));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
  EXPECT_FALSE(FileExists(InstalledProgram()));
  EXPECT_EQ(ReadNumber(HKEY_CURRENT_USER, kInternetKey, L"EnableAutodial"), 1u);
}
