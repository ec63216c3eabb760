// The autorun entry against the test prefix's Run and RunOnce keys, for all users
// (HKEY_LOCAL_MACHINE) and for the current user, with an administrator's rights and with a
// standard account's (refused through the registry calls: Wine grants every right).
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "dialer/DorvFunctions.h"
#include "framework/core/SysUtils.h"
#include "tests/framework/win/platform/RegistryError.h"
#include "tests/framework/win/platform/RegistryRecorder.h"
#include "tests/framework/win/platform/RegistryScratch.h"

namespace {

const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kRunOnce = kRun + "Once";
const std::wstring kCommand = L"C:\\Program Files\\Dorv\\DorvAutoDialer.exe";
// A user name in Hebrew and a folder in Cyrillic: outside any one ANSI code page.
const std::wstring kForeignCommand =
    L"C:\\Users\\\u05D3\u05D5\u05E8\\\u041F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u044B\\"
    L"DorvAutoDialer.exe";

struct TRawValue {
  bool exists = false;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

std::wstring Wide(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

TRawValue ReadRaw(HKEY root, const std::string& path, const std::string& name) {
  TRawValue value;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
  const std::wstring wideName = Wide(name);
  DWORD size = 0;
  if (RegQueryValueExW(key, wideName.c_str(), nullptr, &value.type, nullptr, &size) ==
      ERROR_SUCCESS) {
    value.data.resize(size);
    value.exists = RegQueryValueExW(key, wideName.c_str(), nullptr, &value.type, value.data.data(),
                                    &size) == ERROR_SUCCESS;
  }
  RegCloseKey(key);
  return value;
}

void WriteRaw(HKEY root, const std::string& path, const std::string& name, DWORD type,
              const std::vector<BYTE>& data) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                           nullptr, &key, nullptr));
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, Wide(name).c_str(), 0, type, data.data(),
                                          static_cast<DWORD>(data.size())));
  RegCloseKey(key);
}

bool MachineKeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

// Each test has an entry name of its own in every key, removed before and after.
class AutorunTest : public testing::Test {
 protected:
  std::string entry =
      std::string("DorvTests ") + testing::UnitTest::GetInstance()->current_test_info()->name();

  void SetUp() override { RemoveEntries(); }
  void TearDown() override { RemoveEntries(); }

  void RemoveEntries() const {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
      for (const std::string& path : {kRun, kRunOnce}) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) continue;
        RegDeleteValueA(key, entry.c_str());
        RegCloseKey(key);
      }
    }
  }
  TRawValue Machine(const std::string& path = kRun) const {
    return ReadRaw(HKEY_LOCAL_MACHINE, path, entry);
  }
  TRawValue User(const std::string& path = kRun) const {
    return ReadRaw(HKEY_CURRENT_USER, path, entry);
  }
};

TEST_F(AutorunTest, RunKeyPaths) {
  EXPECT_EQ("Software\\Microsoft\\Windows\\CurrentVersion\\Run", DorvFunctions::RunKeyPath(false));
  EXPECT_EQ("Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
            DorvFunctions::RunKeyPath(true));
}

TEST_F(AutorunTest, AddWritesUtf16RegSzWithTheTerminatingZeroForAllUsers) {
  {
    TRegistryRecorder recorder;
    DorvFunctions::AddRunEntry(entry, kForeignCommand, false);
    // Wine's registry adds a missing terminator by itself, so the bytes passed are checked too.
    const TRegistryCall& write = recorder.Calls().at(3);
    EXPECT_EQ(TRegistryOp::SetValue, write.op);
    EXPECT_TRUE(write.wide);
    EXPECT_EQ(WideBytes(kForeignCommand), write.data);
    EXPECT_EQ(static_cast<REGSAM>(KEY_ALL_ACCESS), recorder.Calls().at(0).access);
  }
  const TRawValue value = Machine();
  ASSERT_TRUE(value.exists);
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), value.type);
  EXPECT_EQ(WideBytes(kForeignCommand), value.data);
  EXPECT_FALSE(Machine(kRunOnce).exists);
  EXPECT_FALSE(User().exists);
  EXPECT_TRUE(DorvFunctions::RunEntryMatches(entry, kForeignCommand, false));
}

TEST_F(AutorunTest, RunOnceAddressesTheRunOnceKeyOnly) {
  DorvFunctions::AddRunEntry(entry, kCommand, true);
  EXPECT_TRUE(Machine(kRunOnce).exists);
  EXPECT_FALSE(Machine().exists);
  EXPECT_TRUE(DorvFunctions::RunEntryMatches(entry, kCommand, true));
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, kCommand, false));

  EXPECT_TRUE(DorvFunctions::RemoveRunEntry(entry, false));
  EXPECT_TRUE(Machine(kRunOnce).exists);
  EXPECT_TRUE(DorvFunctions::RemoveRunEntry(entry, true));
  EXPECT_FALSE(Machine(kRunOnce).exists);
}

TEST_F(AutorunTest, AddingTwiceReplacesTheData) {
  DorvFunctions::AddRunEntry(entry, L"C:\\Old\\DorvAutoDialer.exe", false);
  DorvFunctions::AddRunEntry(entry, kCommand, false);
  EXPECT_EQ(WideBytes(kCommand), Machine().data);
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, L"C:\\Old\\DorvAutoDialer.exe", false));
}

TEST_F(AutorunTest, MatchingIgnoresTheCaseOfAsciiLettersOnly) {
  DorvFunctions::AddRunEntry(entry, kCommand, false);
  EXPECT_TRUE(
      DorvFunctions::RunEntryMatches(entry, L"c:\\PROGRAM FILES\\dorv\\dorvautodialer.EXE", false));
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, L'"' + kCommand + L'"', false));
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, kCommand + L" ", false));
  EXPECT_FALSE(
      DorvFunctions::RunEntryMatches(entry, L"C:/Program Files/Dorv/DorvAutoDialer.exe", false));

  // Upper and lower case of letters outside ASCII are different characters here.
  DorvFunctions::AddRunEntry(entry, L"C:\\\u00C4rger\\\u041F.exe", false);
  EXPECT_TRUE(DorvFunctions::RunEntryMatches(entry, L"c:\\\u00C4RGER\\\u041F.EXE", false));
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, L"C:\\\u00E4rger\\\u041F.exe", false));
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, L"C:\\\u00C4rger\\\u043F.exe", false));
}

TEST_F(AutorunTest, EntryWrittenThroughTheAnsiFunctionsStillMatches) {
  // As an earlier version of the program wrote it.
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS,
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun.c_str(), 0, KEY_ALL_ACCESS, &key));
  const char command[] = "C:\\Program Files\\Dorv\\DorvAutoDialer.exe";
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, entry.c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(command), sizeof command));
  RegCloseKey(key);
  EXPECT_TRUE(DorvFunctions::RunEntryMatches(entry, kCommand, false));
}

TEST_F(AutorunTest, LookUpsUseReadAccessAndCreateNothing) {
  TRegistryRecorder recorder;
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, kCommand, false));
  EXPECT_FALSE(Machine().exists);
  EXPECT_TRUE(recorder.Writes().empty());
  EXPECT_EQ(0, recorder.OpenKeyCount());
  ASSERT_FALSE(recorder.Calls().empty());
  for (const TRegistryCall& call : recorder.Calls()) {
    EXPECT_NE(TRegistryOp::CreateKey, call.op);
    if (call.op == TRegistryOp::OpenKey) {
      EXPECT_EQ(static_cast<REGSAM>(KEY_READ), call.access);
    }
  }
}

// The real RunOnce key may exist in the prefix: the missing key is a redirection to a key
// that is not there.
TEST_F(AutorunTest, MissingKeyDoesNotMatchAndCreatesNothing) {
  const TRegistryScratch sandbox(HKEY_LOCAL_MACHINE);
  TRegistryRecorder recorder;
  recorder.Redirect(HKEY_LOCAL_MACHINE, kRunOnce, HKEY_LOCAL_MACHINE, sandbox.Path() + "\\RunOnce");
  recorder.Redirect(HKEY_CURRENT_USER, kRunOnce, HKEY_LOCAL_MACHINE, sandbox.Path() + "\\UserOnce");
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, kCommand, true));
  EXPECT_TRUE(DorvFunctions::RemoveRunEntry(entry, true));
  EXPECT_FALSE(MachineKeyExists(sandbox.Path()));
  for (const TRegistryCall& call : recorder.Calls()) {
    EXPECT_EQ(TRegistryOp::OpenKey, call.op);
    EXPECT_EQ(kRunOnce, call.name);
  }
  // A look-up and a removal in each of the two keys.
  EXPECT_EQ(4u, recorder.Calls().size());

  // Adding creates the key.
  DorvFunctions::AddRunEntry(entry, kCommand, true);
  EXPECT_EQ(WideBytes(kCommand), sandbox.GetRawWide(entry, "RunOnce").data);
}

TEST_F(AutorunTest, RemovingAMissingValueDoesNothing) {
  TRegistryRecorder recorder;
  EXPECT_TRUE(DorvFunctions::RemoveRunEntry(entry, false));
  EXPECT_EQ(0, recorder.OpenKeyCount());
}

TEST_F(AutorunTest, RemovingDeletesWhateverTheDataInBothKeys) {
  WriteRaw(HKEY_LOCAL_MACHINE, kRun, entry, REG_SZ, WideBytes(L"C:\\Elsewhere\\x.exe"));
  WriteRaw(HKEY_CURRENT_USER, kRun, entry, REG_DWORD, {1, 0, 0, 0});
  EXPECT_TRUE(DorvFunctions::RemoveRunEntry(entry, false));
  EXPECT_FALSE(Machine().exists);
  EXPECT_FALSE(User().exists);
}

TEST_F(AutorunTest, ADwordUnderTheEntryNameIsAnInvalidDataType) {
  WriteRaw(HKEY_LOCAL_MACHINE, kRun, entry, REG_DWORD, {1, 0, 0, 0});
  TRegistryRecorder recorder;
  EXPECT_EQ("Invalid data type for '" + entry + "'",
            RegistryError([&] { DorvFunctions::RunEntryMatches(entry, kCommand, false); }));
  EXPECT_EQ(0, recorder.OpenKeyCount());
}

TEST_F(AutorunTest, ADwordForTheCurrentUserIsAnInvalidDataTypeToo) {
  WriteRaw(HKEY_CURRENT_USER, kRun, entry, REG_DWORD, {1, 0, 0, 0});
  EXPECT_EQ("Invalid data type for '" + entry + "'",
            RegistryError([&] { DorvFunctions::RunEntryMatches(entry, kCommand, false); }));
}

TEST_F(AutorunTest, AddFailuresAreRaisedAndLeaveNoKeyOpen) {
  TRegistryRecorder recorder;
  recorder.Fail(TRegistryOp::CreateKey, kRun, ERROR_BADDB);
  EXPECT_EQ("Failed to create key " + kRun,
            RegistryError([&] { DorvFunctions::AddRunEntry(entry, kCommand, false); }));
  recorder.ClearFailures();

  recorder.Fail(TRegistryOp::SetValue, entry);
  EXPECT_EQ("Failed to set data for '" + entry + "'",
            RegistryError([&] { DorvFunctions::AddRunEntry(entry, kCommand, false); }));
  recorder.ClearFailures();

  // Created but not openable: nothing written, nothing said.
  recorder.ClearCalls();
  recorder.Fail(TRegistryOp::OpenKey, kRun, ERROR_BADDB);
  EXPECT_NO_THROW(DorvFunctions::AddRunEntry(entry, kCommand, false));
  EXPECT_TRUE(recorder.Writes().empty());
  EXPECT_EQ(0, recorder.OpenKeyCount());
  EXPECT_FALSE(Machine().exists);
  EXPECT_FALSE(User().exists);
}

class StandardUserAutorunTest : public AutorunTest {
 protected:
  void SetUp() override {
    AutorunTest::SetUp();
    recorder.DenyWriteAccess(HKEY_LOCAL_MACHINE);
  }
  TRegistryRecorder recorder;
};

TEST_F(StandardUserAutorunTest, AddWritesTheCurrentUsersKeyInstead) {
  EXPECT_NO_THROW(DorvFunctions::AddRunEntry(entry, kForeignCommand, false));
  EXPECT_EQ((std::vector<std::string>{
                "HKEY_CURRENT_USER\\" + kRun + "\\" + entry + " = REG_SZ L\"C:\\Users\\" +
                "\xD7\x93\xD7\x95\xD7\xA8\\" +
                "\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD1\x8B" +
                "\\DorvAutoDialer.exe\""}),
            recorder.Writes());
  EXPECT_FALSE(Machine().exists);
  EXPECT_EQ(WideBytes(kForeignCommand), User().data);
  EXPECT_TRUE(DorvFunctions::RunEntryMatches(entry, kForeignCommand, false));
  EXPECT_EQ(0, recorder.OpenKeyCount());
}

TEST_F(StandardUserAutorunTest, AnEntryForAllUsersMatchesThroughReadAccess) {
  WriteRaw(HKEY_LOCAL_MACHINE, kRun, entry, REG_SZ, WideBytes(kCommand));
  EXPECT_TRUE(DorvFunctions::RunEntryMatches(entry, kCommand, false));
}

TEST_F(StandardUserAutorunTest, RemovalLeavesTheEntryForAllUsersAndSaysSo) {
  WriteRaw(HKEY_LOCAL_MACHINE, kRun, entry, REG_SZ, WideBytes(kCommand));
  WriteRaw(HKEY_CURRENT_USER, kRun, entry, REG_SZ, WideBytes(kCommand));
  EXPECT_FALSE(DorvFunctions::RemoveRunEntry(entry, false));
  EXPECT_TRUE(Machine().exists);
  EXPECT_FALSE(User().exists);
  EXPECT_EQ(0, recorder.OpenKeyCount());
}

TEST_F(StandardUserAutorunTest, RemovalWithoutAnEntryForAllUsersSucceeds) {
  WriteRaw(HKEY_CURRENT_USER, kRun, entry, REG_SZ, WideBytes(kCommand));
  EXPECT_TRUE(DorvFunctions::RemoveRunEntry(entry, false));
  EXPECT_FALSE(User().exists);
}

TEST_F(StandardUserAutorunTest, TheCurrentUsersKeyRefusedTooIsAnError) {
  recorder.DenyWriteAccess(HKEY_CURRENT_USER);
  EXPECT_EQ("Failed to create key " + kRun,
            RegistryError([&] { DorvFunctions::AddRunEntry(entry, kCommand, false); }));
  EXPECT_FALSE(User().exists);
}

}  // namespace
