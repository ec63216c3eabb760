// The autorun box: the Run entry written, kept, deleted and read at start-up, for an account
// with the rights of an administrator and for a standard one.
#include <gtest/gtest.h>

#include "framework/core/SysUtils.h"
#include "tests/app/ControllerFixture.h"

namespace {

const std::wstring kProgram = L"C:\\Program Files\\Dorv\\DorvAutoDialer.exe";
// The same path as the journal shows a wide write of it.
const std::string kProgramWritten = "L\"C:\\Program Files\\Dorv\\DorvAutoDialer.exe\"";

class AutorunTest : public ControllerTest {
 protected:
  // key: "Run" for all users, "UserRun" for the current user (the fixture's redirections).
  void StoreRunEntry(const std::wstring& command, const std::string& key = "Run") const {
    scratch.SetText(kTitle, command, key);
  }
  TRegistryScratch::TRawValue RunEntry(const std::string& key = "Run") const {
    return scratch.GetRawWide(kTitle, key);
  }
  // Registry writes made by the click alone.
  Lines Click(bool checked) {
    view.autoRun = checked;
    registry.ClearCalls();
    controller.AutoStartupCheckBoxClick();
    return registry.Writes();
  }
  void StartUp() {
    StoreNotFirstRun();
    controller.FormShow();
  }
};

TEST_F(AutorunTest, CheckingWritesTheFullUnquotedPathWithTheWideFunctions) {
  EXPECT_EQ((Lines{kRunKey + kTitle + " = REG_SZ " + kProgramWritten}), Click(true));
  const auto stored = RunEntry();
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), stored.type);
  EXPECT_EQ(WideBytes(kProgram), stored.data);
  EXPECT_FALSE(RunEntry("UserRun").exists);
}

TEST_F(AutorunTest, EntryDifferingOnlyInLetterCaseIsNotRewritten) {
  StoreRunEntry(L"c:\\PROGRAM FILES\\dorv\\dorvautodialer.EXE");
  EXPECT_EQ(Lines{}, Click(true));
  EXPECT_EQ(WideBytes(L"c:\\PROGRAM FILES\\dorv\\dorvautodialer.EXE"), RunEntry().data);
}

TEST_F(AutorunTest, LettersOutsideAsciiMatchOnlyExactly) {
  // A user name in Hebrew and Cyrillic, and a Cyrillic letter in the other case.
  view.programFile = L"C:\\Users\\\u05D3\u05D5\u05E8\\\u041F\u0440\u043E\u0433\\DorvAutoDialer.exe";
  StoreRunEntry(L"c:\\users\\\u05D3\u05D5\u05E8\\\u041F\u0440\u043E\u0433\\DORVAUTODIALER.EXE");
  StartUp();
  EXPECT_TRUE(view.autoRun);

  StoreRunEntry(L"C:\\Users\\\u05D3\u05D5\u05E8\\\u043F\u0440\u043E\u0433\\DorvAutoDialer.exe");
  view.autoRun = false;
  view.SetAutoRunChecked(true);
  EXPECT_EQ(WideBytes(view.programFile), RunEntry().data);
}

TEST_F(AutorunTest, UncheckingDeletesTheEntryWhateverItHolds) {
  StoreRunEntry(L"D:\\elsewhere.exe");
  EXPECT_EQ((Lines{kRunKey + kTitle + " deleted"}), Click(false));
  EXPECT_FALSE(RunEntry().exists);
  EXPECT_TRUE(view.warnings.empty());
}

TEST_F(AutorunTest, EntryOfAnotherPathLeavesTheBoxUncheckedUntilCheckedThenOverwrites) {
  StoreRunEntry(L"\"" + kProgram + L"\"");
  StartUp();
  EXPECT_FALSE(view.autoRun);
  EXPECT_EQ(WideBytes(L"\"" + kProgram + L"\""), RunEntry().data);

  view.SetAutoRunChecked(true);
  EXPECT_EQ(WideBytes(kProgram), RunEntry().data);
}

TEST_F(AutorunTest, MatchingEntryChecksTheBoxAtStartUpWithoutWriting) {
  StoreRunEntry(kProgram);
  StartUp();
  EXPECT_TRUE(view.autoRun);
  for (const std::string& write : registry.Writes())
    EXPECT_EQ(std::string::npos, write.find("\\Run\\")) << write;
}

TEST_F(AutorunTest, EntriesAreLookedUpWithReadAccessOnly) {
  StoreRunEntry(kProgram);
  StartUp();
  for (const TRegistryCall& call : registry.Calls()) {
    if (call.op == TRegistryOp::OpenKey && call.name.find("\\Run") != std::string::npos) {
      EXPECT_EQ(static_cast<REGSAM>(KEY_READ), call.access) << call.key;
    }
  }
}

TEST_F(AutorunTest, NumberUnderTheEntryNameIsAnInvalidType) {
  scratch.SetDword(kTitle, 1, "Run");
  view.autoRun = true;
  try {
    controller.AutoStartupCheckBoxClick();
    FAIL() << "no error";
  } catch (const ERegistryException& error) {
    EXPECT_EQ("Invalid data type for 'Dorv Internet Auto-Dialer'", error.Message());
  }
  EXPECT_EQ(static_cast<DWORD>(REG_DWORD), RunEntry().type);
}

// A standard account: Wine grants every right, so the registry calls refuse them here.
class StandardUserAutorunTest : public AutorunTest {
 protected:
  StandardUserAutorunTest() { registry.DenyWriteAccess(HKEY_LOCAL_MACHINE); }
};

TEST_F(StandardUserAutorunTest, CheckingWritesTheCurrentUsersEntryAndTheBoxReadsItBack) {
  EXPECT_EQ((Lines{kUserRunKey + kTitle + " = REG_SZ " + kProgramWritten}), Click(true));
  EXPECT_EQ(WideBytes(kProgram), RunEntry("UserRun").data);
  EXPECT_FALSE(RunEntry().exists);

  view.autoRun = false;
  StartUp();
  EXPECT_TRUE(view.autoRun);
  EXPECT_TRUE(view.warnings.empty());
}

TEST_F(StandardUserAutorunTest, EntryForAllUsersThatMatchesChecksTheBox) {
  StoreRunEntry(kProgram);
  StartUp();
  EXPECT_TRUE(view.autoRun);
}

TEST_F(StandardUserAutorunTest, UncheckingRemovesTheUsersOwnEntry) {
  StoreRunEntry(kProgram, "UserRun");
  StartUp();
  ASSERT_TRUE(view.autoRun);
  view.ClearJournal();
  view.SetAutoRunChecked(false);
  EXPECT_EQ((Lines{"autorun off", kUserRunKey + kTitle + " deleted"}), view.Journal());
  EXPECT_FALSE(RunEntry("UserRun").exists);
  EXPECT_FALSE(view.autoRun);
  EXPECT_TRUE(view.warnings.empty());
}

TEST_F(StandardUserAutorunTest, EntryForAllUsersThatStaysIsReportedAndTheBoxStaysChecked) {
  StoreRunEntry(kProgram);
  StoreRunEntry(kProgram, "UserRun");
  StartUp();
  ASSERT_TRUE(view.autoRun);
  view.ClearJournal();
  view.SetAutoRunChecked(false);
  // The box is checked again before the warning shows, and its handler writes nothing then.
  EXPECT_EQ((Lines{"autorun off", kUserRunKey + kTitle + " deleted", "autorun on",
                   "warning The autorun entry for all users can only be removed by an "
                   "administrator."}),
            view.Journal());
  EXPECT_TRUE(view.autoRun);
  EXPECT_EQ(WideBytes(kProgram), RunEntry().data);
  EXPECT_FALSE(RunEntry("UserRun").exists);

  // Asking again gives the same answer.
  view.SetAutoRunChecked(false);
  EXPECT_EQ(2u, view.warnings.size());
  EXPECT_TRUE(view.autoRun);
}

TEST_F(StandardUserAutorunTest, UncheckingWithoutAnEntryForAllUsersSaysNothing) {
  StoreRunEntry(kProgram, "UserRun");
  StartUp();
  view.SetAutoRunChecked(false);
  EXPECT_TRUE(view.warnings.empty());
  EXPECT_FALSE(view.autoRun);
}

}  // namespace
