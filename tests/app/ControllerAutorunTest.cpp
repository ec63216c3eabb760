// The autorun box: the Run entry written, kept, deleted and read at start-up.
#include <gtest/gtest.h>

#include "framework/core/SysUtils.h"
#include "tests/app/ControllerFixture.h"

namespace {

class AutorunTest : public ControllerTest {
 protected:
  void StoreRunEntry(const std::string& command) const {
    scratch.SetRaw(kTitle, REG_SZ, Bytes(command + '\0'), "Run");
  }
  TRegistryScratch::TRawValue RunEntry() const { return scratch.GetRaw(kTitle, "Run"); }
  // Registry writes made by the click alone.
  Lines Click(bool checked) {
    view.autoRun = checked;
    registry.ClearCalls();
    controller.AutoStartupCheckBoxClick();
    return registry.Writes();
  }
};

TEST_F(AutorunTest, CheckingWritesTheFullUnquotedPath) {
  EXPECT_EQ((Lines{kRunKey + kTitle + " = REG_SZ \"" + view.programFile + "\""}), Click(true));
  const auto stored = RunEntry();
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), stored.type);
  EXPECT_EQ(Bytes(view.programFile + '\0'), stored.data);
}

TEST_F(AutorunTest, EntryDifferingOnlyInLetterCaseIsNotRewritten) {
  StoreRunEntry("c:\\PROGRAM FILES\\dorv\\dorvautodialer.EXE");
  EXPECT_EQ(Lines{}, Click(true));
  EXPECT_EQ(Bytes("c:\\PROGRAM FILES\\dorv\\dorvautodialer.EXE" + std::string(1, '\0')),
            RunEntry().data);
}

TEST_F(AutorunTest, UncheckingDeletesTheEntryWhateverItHolds) {
  StoreRunEntry("D:\\elsewhere.exe");
  EXPECT_EQ((Lines{kRunKey + kTitle + " deleted"}), Click(false));
  EXPECT_FALSE(RunEntry().exists);
}

TEST_F(AutorunTest, EntryOfAnotherPathLeavesTheBoxUncheckedUntilCheckedThenOverwrites) {
  StoreNotFirstRun();
  StoreRunEntry("\"" + view.programFile + "\"");
  controller.FormShow();
  EXPECT_FALSE(view.autoRun);
  EXPECT_EQ(Bytes("\"" + view.programFile + "\"" + '\0'), RunEntry().data);

  view.SetAutoRunChecked(true);
  EXPECT_EQ(Bytes(view.programFile + '\0'), RunEntry().data);
}

TEST_F(AutorunTest, MatchingEntryChecksTheBoxAtStartUpWithoutWriting) {
  StoreNotFirstRun();
  StoreRunEntry(view.programFile);
  controller.FormShow();
  EXPECT_TRUE(view.autoRun);
  for (const std::string& write : registry.Writes())
    EXPECT_EQ(std::string::npos, write.find(kRunKey)) << write;
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

}  // namespace
