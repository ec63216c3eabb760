// The autorun entry against the test prefix's HKEY_LOCAL_MACHINE Run and RunOnce keys.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "dialer/DorvFunctions.h"
#include "framework/core/SysUtils.h"
#include "tests/framework/win/RegistryRecorder.h"
#include "tests/framework/win/RegistryScratch.h"

namespace {

const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kRunOnce = kRun + "Once";
const std::string kCommand = "C:\\Program Files\\Dorv\\DorvAutoDialer.exe";

struct TRawValue {
  bool exists = false;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

TRawValue ReadRaw(const std::string& path, const std::string& name) {
  TRawValue value;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return value;
  DWORD size = 0;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
    value.data.resize(size);
    value.exists = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, value.data.data(),
                                    &size) == ERROR_SUCCESS;
  }
  RegCloseKey(key);
  return value;
}

void WriteRaw(const std::string& path, const std::string& name, DWORD type,
              const std::vector<BYTE>& data) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                                           KEY_ALL_ACCESS, nullptr, &key, nullptr));
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name.c_str(), 0, type, data.data(),
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

template <typename Body>
std::string RegistryError(Body body) {
  try {
    body();
  } catch (const ERegistryException& error) {
    return error.Message();
  }
  return std::string();
}

// Each test has an entry name of its own in both keys, removed before and after.
class AutorunTest : public testing::Test {
 protected:
  std::string entry =
      std::string("DorvTests ") + testing::UnitTest::GetInstance()->current_test_info()->name();

  void SetUp() override { RemoveEntries(); }
  void TearDown() override { RemoveEntries(); }

  void RemoveEntries() const {
    for (const std::string& path : {kRun, kRunOnce}) {
      HKEY key = nullptr;
      if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        continue;
      RegDeleteValueA(key, entry.c_str());
      RegCloseKey(key);
    }
  }
};

TEST_F(AutorunTest, RunKeyPaths) {
  EXPECT_EQ("Software\\Microsoft\\Windows\\CurrentVersion\\Run", DorvFunctions::RunKeyPath(false));
  EXPECT_EQ("Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
            DorvFunctions::RunKeyPath(true));
}

TEST_F(AutorunTest, AddWritesRegSzWithTheTerminatingZero) {
  {
    TRegistryRecorder recorder;
    DorvFunctions::AddRunEntry(entry, kCommand, false);
    // Wine's registry adds a missing terminator by itself, so the bytes passed are checked too.
    const TRegistryCall& write = recorder.Calls().at(3);
    EXPECT_EQ(TRegistryOp::SetValue, write.op);
    EXPECT_EQ(Bytes(kCommand + '\0'), write.data);
    EXPECT_EQ((std::vector<std::string>{"HKEY_LOCAL_MACHINE\\" + kRun + "\\" + entry +
                                        " = REG_SZ \"" + kCommand + '"'}),
              recorder.Writes());
  }
  const TRawValue value = ReadRaw(kRun, entry);
  ASSERT_TRUE(value.exists);
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), value.type);
  EXPECT_EQ(kCommand.size() + 1, value.data.size());
  EXPECT_EQ(Bytes(kCommand + '\0'), value.data);
  EXPECT_FALSE(ReadRaw(kRunOnce, entry).exists);
  EXPECT_TRUE(DorvFunctions::RunEntryMatches(entry, kCommand, false));
}

TEST_F(AutorunTest, RunOnceAddressesTheRunOnceKeyOnly) {
  DorvFunctions::AddRunEntry(entry, kCommand, true);
  EXPECT_TRUE(ReadRaw(kRunOnce, entry).exists);
  EXPECT_FALSE(ReadRaw(kRun, entry).exists);
  EXPECT_TRUE(DorvFunctions::RunEntryMatches(entry, kCommand, true));
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, kCommand, false));

  DorvFunctions::RemoveRunEntry(entry, false);
  EXPECT_TRUE(ReadRaw(kRunOnce, entry).exists);
  DorvFunctions::RemoveRunEntry(entry, true);
  EXPECT_FALSE(ReadRaw(kRunOnce, entry).exists);
}

TEST_F(AutorunTest, AddingTwiceReplacesTheData) {
  DorvFunctions::AddRunEntry(entry, "C:\\Old\\DorvAutoDialer.exe", false);
  DorvFunctions::AddRunEntry(entry, kCommand, false);
  EXPECT_EQ(Bytes(kCommand + '\0'), ReadRaw(kRun, entry).data);
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, "C:\\Old\\DorvAutoDialer.exe", false));
}

TEST_F(AutorunTest, MatchingIgnoresTheCaseOfAsciiLettersOnly) {
  DorvFunctions::AddRunEntry(entry, kCommand, false);
  EXPECT_TRUE(
      DorvFunctions::RunEntryMatches(entry, "c:\\PROGRAM FILES\\dorv\\dorvautodialer.EXE", false));
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, '"' + kCommand + '"', false));
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, kCommand + " ", false));
  EXPECT_FALSE(
      DorvFunctions::RunEntryMatches(entry, "C:/Program Files/Dorv/DorvAutoDialer.exe", false));

  // 0xC4 and 0xE4 are upper and lower case of one letter in Windows-1252: not folded.
  DorvFunctions::AddRunEntry(entry, "C:\\\xC4rger.exe", false);
  EXPECT_TRUE(DorvFunctions::RunEntryMatches(entry, "c:\\\xC4RGER.EXE", false));
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, "C:\\\xE4rger.exe", false));
}

TEST_F(AutorunTest, MissingValueDoesNotMatchAndCreatesNothing) {
  TRegistryRecorder recorder;
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, kCommand, false));
  EXPECT_FALSE(ReadRaw(kRun, entry).exists);
  EXPECT_TRUE(recorder.Writes().empty());
  EXPECT_EQ(0, recorder.OpenKeyCount());
}

// The real RunOnce key may exist in the prefix: the missing key is a redirection to a key
// that is not there.
TEST_F(AutorunTest, MissingKeyDoesNotMatchAndCreatesNothing) {
  const TRegistryScratch sandbox(HKEY_LOCAL_MACHINE);
  TRegistryRecorder recorder;
  recorder.Redirect(HKEY_LOCAL_MACHINE, kRunOnce, HKEY_LOCAL_MACHINE, sandbox.Path() + "\\RunOnce");
  EXPECT_FALSE(DorvFunctions::RunEntryMatches(entry, kCommand, true));
  DorvFunctions::RemoveRunEntry(entry, true);
  EXPECT_FALSE(MachineKeyExists(sandbox.Path()));
  for (const TRegistryCall& call : recorder.Calls()) {
    EXPECT_EQ(TRegistryOp::OpenKey, call.op);
    EXPECT_EQ(kRunOnce, call.name);
    EXPECT_EQ(static_cast<REGSAM>(KEY_ALL_ACCESS), call.access);
  }
  EXPECT_EQ(2u, recorder.Calls().size());

  // Adding creates the key.
  DorvFunctions::AddRunEntry(entry, kCommand, true);
  EXPECT_TRUE(sandbox.GetRaw(entry, "RunOnce").exists);
}

TEST_F(AutorunTest, RemovingAMissingValueDoesNothing) {
  TRegistryRecorder recorder;
  EXPECT_NO_THROW(DorvFunctions::RemoveRunEntry(entry, false));
  EXPECT_EQ(0, recorder.OpenKeyCount());
}

TEST_F(AutorunTest, RemovingDeletesWhateverTheData) {
  WriteRaw(kRun, entry, REG_SZ, Bytes(std::string("C:\\Elsewhere\\x.exe") + '\0'));
  DorvFunctions::RemoveRunEntry(entry, false);
  EXPECT_FALSE(ReadRaw(kRun, entry).exists);
}

TEST_F(AutorunTest, ADwordUnderTheEntryNameIsAnInvalidDataType) {
  WriteRaw(kRun, entry, REG_DWORD, {1, 0, 0, 0});
  TRegistryRecorder recorder;
  EXPECT_EQ("Invalid data type for '" + entry + "'",
            RegistryError([&] { DorvFunctions::RunEntryMatches(entry, kCommand, false); }));
  EXPECT_EQ(0, recorder.OpenKeyCount());
}

TEST_F(AutorunTest, AddFailuresAreRaisedAndLeaveNoKeyOpen) {
  TRegistryRecorder recorder;
  recorder.Fail(TRegistryOp::CreateKey, kRun);
  EXPECT_EQ("Failed to create key " + kRun,
            RegistryError([&] { DorvFunctions::AddRunEntry(entry, kCommand, false); }));
  recorder.ClearFailures();

  recorder.Fail(TRegistryOp::SetValue, entry);
  EXPECT_EQ("Failed to set data for '" + entry + "'",
            RegistryError([&] { DorvFunctions::AddRunEntry(entry, kCommand, false); }));
  recorder.ClearFailures();

  // Created but not openable: nothing written, nothing said.
  recorder.ClearCalls();
  recorder.Fail(TRegistryOp::OpenKey, kRun);
  EXPECT_NO_THROW(DorvFunctions::AddRunEntry(entry, kCommand, false));
  EXPECT_TRUE(recorder.Writes().empty());
  EXPECT_EQ(0, recorder.OpenKeyCount());
  EXPECT_FALSE(ReadRaw(kRun, entry).exists);
}

}  // namespace
