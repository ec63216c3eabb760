// The real program's autorun box against the prefix's Run key.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "tests/app/ProgramFixture.h"

namespace {

class ProgramAutorunTest : public ProgramTest {
 protected:
  void SetUp() override { registry.SetSetting("FirstRun", 0); }

  void StartAndWait() {
    Start();
    ASSERT_NE(nullptr, MainWindow());
  }
  // A click on "Auto Run On Startup"; callers wait for its outcome.
  void ClickAutoRun() { ClickAt(150, 151); }
  bool EntryExistsSoon(bool exists) {
    return WaitUntil([&] { return registry.RunEntry().exists == exists; }, 3000);
  }
  static std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
      return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return text;
  }
};

TEST_F(ProgramAutorunTest, CheckingWritesThePathAndUncheckingDeletesIt) {
  StartAndWait();
  EXPECT_FALSE(registry.RunEntry().exists);
  ClickAutoRun();
  ASSERT_TRUE(EntryExistsSoon(true));
  const TRegValue entry = registry.RunEntry();
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), entry.type);
  EXPECT_EQ(StringBytes(program->ImagePath()), entry.data);
  ClickAutoRun();
  EXPECT_TRUE(EntryExistsSoon(false));
}

TEST_F(ProgramAutorunTest, EntryDifferingInLetterCaseCountsAsMatchingAndIsKept) {
  // The path is known once the program runs; store it in capitals before the next start.
  StartAndWait();
  const std::string path = program->ImagePath();
  Close();
  window = nullptr;
  registry.SetRunEntry(REG_SZ, StringBytes(Upper(path)));
  StartAndWait();
  Sleep(200);
  EXPECT_EQ(StringBytes(Upper(path)), registry.RunEntry().data);
  // The box came up checked: a click unchecks it and deletes the entry.
  ClickAutoRun();
  EXPECT_TRUE(EntryExistsSoon(false));
}

TEST_F(ProgramAutorunTest, EntryOfAnotherPathIsKeptUntilTheBoxIsChecked) {
  registry.SetRunEntry(REG_SZ, StringBytes("C:\\Old Place\\DorvAutoDialer.exe"));
  StartAndWait();
  Sleep(200);
  EXPECT_EQ(StringBytes("C:\\Old Place\\DorvAutoDialer.exe"), registry.RunEntry().data);
  ClickAutoRun();
  const std::vector<BYTE> path = StringBytes(program->ImagePath());
  EXPECT_TRUE(WaitUntil([&] { return registry.RunEntry().data == path; }, 3000));
}

TEST_F(ProgramAutorunTest, NumberUnderTheEntryNameIsReportedAndTheProgramGoesOn) {
  registry.SetRunEntry(REG_DWORD, DwordBytes(1));
  Start();
  const TProgramDialog error = AnswerDialog(kTitle);
  EXPECT_EQ(std::vector<std::wstring>{L"Invalid data type for 'Dorv Internet Auto-Dialer'"},
            error.texts);
  ASSERT_NE(nullptr, MainWindow());
  EXPECT_TRUE(program->Running());
  EXPECT_EQ(static_cast<DWORD>(REG_DWORD), registry.RunEntry().type);
}

// A user name in another script under the per-user programs folder: Hebrew and Cyrillic letters,
// which no one ANSI code page holds.
TEST_F(ProgramAutorunTest, FolderNamedOutsideTheCodePageWorksThroughTheWideFunctions) {
  const std::wstring folder = L"\u05D3\u05D5\u05E8\u05D1 \u0414\u043E\u0440\u0432";
  StartFromFolder(folder);
  // The caption carries the version, read from the program's own file.
  ASSERT_NE(nullptr, MainWindow());
  const std::wstring path = program->WideImagePath();
  ASSERT_NE(std::wstring::npos, path.find(L"\\" + folder + L"\\DorvAutoDialer.exe"));
  ClickAutoRun();
  ASSERT_TRUE(EntryExistsSoon(true));
  const TRegValue entry = registry.WideRunEntry();
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), entry.type);
  EXPECT_EQ(WideStringBytes(path), entry.data);
  Close();
  window = nullptr;

  // The second start finds the entry matching: the box comes up checked and nothing is written.
  StartFromFolder(folder);
  ASSERT_NE(nullptr, MainWindow());
  Sleep(200);
  EXPECT_EQ(WideStringBytes(path), registry.WideRunEntry().data);
  ClickAutoRun();
  EXPECT_TRUE(EntryExistsSoon(false));
}

}  // namespace
