// TRegistry seen through its call table: call order, rights, failures and handle release.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/core/SysUtils.h"
#include "framework/win/platform/Registry.h"
#include "framework/win/platform/RegistryApi.h"
#include "tests/framework/win/platform/RegistryError.h"
#include "tests/framework/win/platform/RegistryRecorder.h"
#include "tests/framework/win/platform/RegistryScratch.h"

namespace {

std::vector<TRegistryOp> Ops(const TRegistryRecorder& recorder) {
  std::vector<TRegistryOp> ops;
  for (const TRegistryCall& call : recorder.Calls())
    ops.push_back(call.op);
  return ops;
}

TEST(RegistrySeamTest, ScopeReplacesTheTableAndPutsTheOldOneBack) {
  EXPECT_EQ(&SystemRegistryApi(), &RegistryApi());
  {
    TRegistryRecorder outer;
    const TRegistryApi* outerTable = &RegistryApi();
    EXPECT_NE(&SystemRegistryApi(), outerTable);
    {
      TRegistryApiScope inner(SystemRegistryApi());
      EXPECT_EQ(SystemRegistryApi().OpenKeyEx, RegistryApi().OpenKeyEx);
    }
    EXPECT_EQ(outerTable, &RegistryApi());
  }
  EXPECT_EQ(&SystemRegistryApi(), &RegistryApi());
}

TEST(RegistrySeamTest, WritesAreRecordedInOrderWithTheirExactData) {
  const TRegistryScratch scratch;
  TRegistryRecorder recorder;
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("\\" + scratch.Path(), true));
    registry.WriteBool("FirstRun", false);
    registry.WriteInteger("Left", -20);
    registry.WriteString("Name", "Dorv");
    registry.DeleteValue("Name");
  }
  const std::string key = "HKEY_CURRENT_USER\\" + scratch.Path();
  EXPECT_EQ(
      (std::vector<std::string>{key + "\\FirstRun = REG_DWORD 0", key + "\\Left = REG_DWORD -20",
                                key + "\\Name = REG_SZ \"Dorv\"", key + "\\Name deleted"}),
      recorder.Writes());

  const TRegistryCall& create = recorder.Calls().front();
  EXPECT_EQ(TRegistryOp::CreateKey, create.op);
  EXPECT_EQ("HKEY_CURRENT_USER", create.key);
  EXPECT_EQ(scratch.Path(), create.name);  // the leading backslash is not passed on
  EXPECT_EQ(static_cast<REGSAM>(KEY_ALL_ACCESS), create.access);
  EXPECT_EQ((std::vector<BYTE>{'D', 'o', 'r', 'v', 0}), recorder.Calls()[3].data);
  EXPECT_EQ(TRegistryOp::CloseKey, recorder.Calls().back().op);
  EXPECT_EQ(0, recorder.OpenKeyCount());
}

TEST(RegistrySeamTest, OpenWithoutCreateUsesOpenKeyWithTheAccessRights) {
  const TRegistryScratch scratch;
  scratch.SetDword("X", 1);
  TRegistryRecorder recorder;
  TRegistry registry(KEY_READ);
  ASSERT_TRUE(registry.OpenKey(scratch.Path(), false));
  ASSERT_EQ(1u, recorder.Calls().size());
  EXPECT_EQ(TRegistryOp::OpenKey, recorder.Calls()[0].op);
  EXPECT_EQ(static_cast<REGSAM>(KEY_READ), recorder.Calls()[0].access);
}

TEST(RegistrySeamTest, ReopeningClosesThePreviousKeyOnce) {
  const TRegistryScratch scratch;
  TRegistryRecorder recorder;
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\" + scratch.Path(), true));
  ASSERT_TRUE(registry.OpenKey("Sub", true));
  EXPECT_EQ(1, recorder.OpenKeyCount());
  registry.CloseKey();
  registry.CloseKey();
  EXPECT_EQ(0, recorder.OpenKeyCount());
  EXPECT_EQ((std::vector<TRegistryOp>{TRegistryOp::CreateKey, TRegistryOp::CreateKey,
                                      TRegistryOp::CloseKey, TRegistryOp::CloseKey}),
            Ops(recorder));
}

TEST(RegistrySeamTest, KeysAreClosedWhenAnErrorPassesThrough) {
  const TRegistryScratch scratch;
  TRegistryRecorder recorder;
  recorder.Fail(TRegistryOp::SetValue, "Enable");
  EXPECT_EQ("Failed to set data for 'Enable'", RegistryError([&] {
              TRegistry registry;
              registry.OpenKey("\\" + scratch.Path(), true);
              registry.WriteBool("Enable", true);
            }));
  EXPECT_EQ("Failed to get data for 'Missing'", RegistryError([&] {
              TRegistry registry;
              registry.OpenKey("\\" + scratch.Path(), true);
              registry.ReadInteger("Missing");
            }));
  EXPECT_EQ(0, recorder.OpenKeyCount());
  EXPECT_TRUE(recorder.Writes().empty());
}

TEST(RegistrySeamTest, CreateKeyFailureAndTheHandleItClosesAtOnce) {
  const TRegistryScratch scratch;
  TRegistryRecorder recorder;
  TRegistry registry(HKEY_CURRENT_USER, KEY_ALL_ACCESS);
  registry.CreateKey(scratch.Path() + "\\Made");
  EXPECT_EQ(0, recorder.OpenKeyCount());
  EXPECT_EQ((std::vector<TRegistryOp>{TRegistryOp::CreateKey, TRegistryOp::CloseKey}),
            Ops(recorder));

  recorder.Fail(TRegistryOp::CreateKey, "Software\\Refused");
  EXPECT_EQ("Failed to create key Software\\Refused",
            RegistryError([&] { registry.CreateKey("Software\\Refused"); }));
  EXPECT_EQ("Failed to create key \\Software\\Refused",
            RegistryError([&] { registry.CreateKey("\\Software\\Refused"); }));
  EXPECT_FALSE(registry.OpenKey("Software\\Refused", true));
  EXPECT_EQ(0, recorder.OpenKeyCount());
}

TEST(RegistrySeamTest, ReadStringAsksTheSizeFirst) {
  const TRegistryScratch scratch;
  scratch.SetRaw("Text", REG_SZ, Bytes(std::string("abc") + '\0'));
  TRegistryRecorder recorder;
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(scratch.Path(), false));
  recorder.ClearCalls();
  EXPECT_EQ("abc", registry.ReadString("Text"));
  EXPECT_EQ((std::vector<TRegistryOp>{TRegistryOp::QueryValue, TRegistryOp::QueryValue}),
            Ops(recorder));

  // The size query fails: empty, no second read. The read fails: an error.
  recorder.ClearCalls();
  recorder.Fail(TRegistryOp::QueryValue, "Text", ERROR_MORE_DATA);
  EXPECT_EQ("", registry.ReadString("Text"));
  EXPECT_EQ(1u, recorder.Calls().size());
  recorder.ClearFailures();
  recorder.Fail(TRegistryOp::QueryValue, "Text", ERROR_MORE_DATA, 1);
  EXPECT_EQ("Failed to get data for 'Text'", RegistryError([&] { registry.ReadString("Text"); }));
}

TEST(RegistrySeamTest, RedirectedKeysAreReportedUnderTheRequestedPath) {
  const TRegistryScratch scratch;
  TRegistryRecorder recorder;
  recorder.Redirect(HKEY_LOCAL_MACHINE, "Software\\Dorv Sandbox", HKEY_CURRENT_USER,
                    scratch.Path());
  {
    TRegistry registry(HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS);
    ASSERT_TRUE(registry.OpenKey("\\Software\\Dorv Sandbox\\Inner", true));
    registry.WriteInteger("Top", 441);
  }
  EXPECT_EQ((std::vector<std::string>{
                "HKEY_LOCAL_MACHINE\\Software\\Dorv Sandbox\\Inner\\Top = REG_DWORD 441"}),
            recorder.Writes());
  EXPECT_EQ((std::vector<BYTE>{0xB9, 0x01, 0, 0}), scratch.GetRaw("Top", "Inner").data);
}

}  // namespace
