// A silent install: the program as built in the user's programs folder, its Start-menu shortcut,
// its uninstall entry, and the installed program starting with its window.
#include "tests/app/ProgramProcess.h"
#include "tests/installer/InstallerFixture.h"
#include "tests/installer/ShortcutFile.h"

TEST_F(InstallerTest, SilentInstallPutsTheProgramAndTheUninstallerIntoTheUsersProgramsFolder) {
  InstallSilently(CurrentInstaller());

  const std::string program = FileBytes(InstalledProgram());
  ASSERT_FALSE(program.empty()) << Narrow(InstalledProgram());
  EXPECT_TRUE(program == FileBytes(BuiltProgram()))
      << "the installed program differs from the one built";
  EXPECT_TRUE(FileExists(InstalledUninstaller()));
}

TEST_F(InstallerTest, SilentInstallAddsAStartMenuShortcutToTheProgram) {
  InstallSilently(CurrentInstaller());

  const auto shortcut = ReadShortcut(ShortcutPath());
  ASSERT_TRUE(shortcut) << Narrow(ShortcutPath());
  EXPECT_EQ(shortcut->target, InstalledProgram());
  EXPECT_EQ(shortcut->workingFolder, InstallFolder());
  EXPECT_EQ(shortcut->iconFile, InstalledProgram());
  EXPECT_EQ(shortcut->iconIndex, 0);
}

TEST_F(InstallerTest, SilentInstallWritesTheUninstallEntryForTheCurrentUser) {
  InstallSilently(CurrentInstaller());

  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayName"),
            L"Dorv Internet Auto-Dialer");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayVersion"), L"0.1");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayIcon"),
            InstalledProgram() + L",0");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, L"InstallLocation"), InstallFolder());
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, L"UninstallString"),
            L"\"" + InstalledUninstaller() + L"\"");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, L"QuietUninstallString"),
            L"\"" + InstalledUninstaller() + L"\" /S");
  EXPECT_EQ(ReadNumber(HKEY_CURRENT_USER, kUninstallKey, L"NoModify"), 1u);
  EXPECT_EQ(ReadNumber(HKEY_CURRENT_USER, kUninstallKey, L"NoRepair"), 1u);
  // In kilobytes: the program and the uninstaller.
  const auto bytes =
      FileBytes(InstalledProgram()).size() + FileBytes(InstalledUninstaller()).size();
  const auto size = ReadNumber(HKEY_CURRENT_USER, kUninstallKey, L"EstimatedSize");
  ASSERT_TRUE(size);
  EXPECT_GE(*size, bytes / 1024 - 1);
  EXPECT_LE(*size, bytes / 1024 + 2);
  // For the user alone: nothing for all users.
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
}

TEST_F(InstallerTest, TheInstalledProgramStartsAndShowsItsWindow) {
  InstallSilently(CurrentInstaller());
  WriteNumber(HKEY_LOCAL_MACHINE, kSettingsKey, L"FirstRun", 0);

  TProgramProcess program(InstalledProgram());
  const HWND window = program.WaitForWindow("TMainFrm", L"Dorv Internet Auto-Dialer v0.1", 30000);
  ASSERT_NE(window, nullptr) << "no window from the installed program";
  EXPECT_TRUE(program.CloseAndWait(window));
}
