// TRegistry's wide string values and the status of its last open, against the test prefix's
// registry, and a standard account's refusals as the recorder plays them.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/core/SysUtils.h"
#include "framework/win/platform/Registry.h"
#include "tests/framework/win/platform/RegistryError.h"
#include "tests/framework/win/platform/RegistryRecorder.h"
#include "tests/framework/win/platform/RegistryScratch.h"

namespace {

// Hebrew and Cyrillic letters: no one ANSI code page holds both.
const std::wstring kForeign = L"C:\\\u05D3\u05D5\u05E8\\\u041F\u0443\u0442\u044C\\a.exe";

class RegistryWideTest : public testing::Test {
 protected:
  TRegistryScratch scratch;
  TRegistry registry;

  void SetUp() override { ASSERT_TRUE(registry.OpenKey("\\" + scratch.Path(), true)); }

  // Raw bytes stored through the wide entry point (no code page conversion).
  void SetRawWide(const wchar_t* name, DWORD type, const std::vector<BYTE>& data) const {
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExW(registry.CurrentKey(), name, 0, type, data.data(),
                                            static_cast<DWORD>(data.size())));
  }
};

TEST_F(RegistryWideTest, WideStringIsStoredAsUtf16RegSzWithItsTerminatingZero) {
  registry.WriteWideString("Path", kForeign);
  const auto raw = scratch.GetRawWide("Path");
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), raw.type);
  EXPECT_EQ(WideBytes(kForeign), raw.data);
  EXPECT_EQ(kForeign, registry.ReadWideString("Path"));

  registry.WriteWideString("Empty", L"");
  EXPECT_EQ((std::vector<BYTE>{0, 0}), scratch.GetRawWide("Empty").data);
  EXPECT_EQ(L"", registry.ReadWideString("Empty"));
}

TEST_F(RegistryWideTest, ReadWideStringFollowsTheRulesOfReadString) {
  EXPECT_EQ(L"", registry.ReadWideString("Missing"));

  scratch.SetDword("Number", 7);
  EXPECT_EQ("Invalid data type for 'Number'",
            RegistryError([&] { registry.ReadWideString("Number"); }));

  // A zero size wins over the type.
  SetRawWide(L"EmptyBinary", REG_BINARY, {});
  EXPECT_EQ(L"", registry.ReadWideString("EmptyBinary"));

  SetRawWide(L"Expand", REG_EXPAND_SZ, WideBytes(L"%TEMP%\\x"));
  EXPECT_EQ(L"%TEMP%\\x", registry.ReadWideString("Expand"));

  // The text ends at the first zero character; an odd last byte is no character.
  SetRawWide(L"Two", REG_SZ, {'a', 0, 0, 0, 'b', 0});
  EXPECT_EQ(L"a", registry.ReadWideString("Two"));
  SetRawWide(L"Odd", REG_SZ, {'x', 0, 'y', 0, 'z'});
  EXPECT_EQ(L"xy", registry.ReadWideString("Odd"));
}

TEST_F(RegistryWideTest, TextWrittenThroughTheAnsiEntryPointsReadsBack) {
  registry.WriteString("Ansi", "C:\\Dorv\\a.exe");
  EXPECT_EQ(L"C:\\Dorv\\a.exe", registry.ReadWideString("Ansi"));
}

TEST_F(RegistryWideTest, WideCallsGoThroughTheCallTable) {
  TRegistryRecorder recorder;
  TRegistry fresh;  // keys opened before the recorder came are unknown to it
  ASSERT_TRUE(fresh.OpenKey("\\" + scratch.Path(), false));
  recorder.ClearCalls();
  fresh.WriteWideString("Path", L"C:\\x");
  fresh.ReadWideString("Path");
  ASSERT_EQ(3u, recorder.Calls().size());
  EXPECT_EQ(TRegistryOp::SetValue, recorder.Calls()[0].op);
  EXPECT_TRUE(recorder.Calls()[0].wide);
  EXPECT_EQ("Path", recorder.Calls()[0].name);
  // The size first, then the data.
  EXPECT_EQ(TRegistryOp::QueryValue, recorder.Calls()[1].op);
  EXPECT_TRUE(recorder.Calls()[2].wide);
  EXPECT_EQ((std::vector<std::string>{"HKEY_CURRENT_USER\\" + scratch.Path() +
                                      "\\Path = REG_SZ L\"C:\\x\""}),
            recorder.Writes());

  recorder.Fail(TRegistryOp::SetValue, "Path");
  EXPECT_EQ("Failed to set data for 'Path'",
            RegistryError([&] { fresh.WriteWideString("Path", L"y"); }));
  recorder.Fail(TRegistryOp::QueryValue, "Path", ERROR_MORE_DATA, 1);
  EXPECT_EQ("Failed to get data for 'Path'", RegistryError([&] { fresh.ReadWideString("Path"); }));
}

TEST_F(RegistryWideTest, LastErrorTellsWhyAnOpenFailed) {
  EXPECT_EQ(ERROR_SUCCESS, registry.LastError());
  EXPECT_FALSE(registry.OpenKey("Missing", false));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, registry.LastError());
  EXPECT_TRUE(registry.OpenKey("\\" + scratch.Path(), false));
  EXPECT_EQ(ERROR_SUCCESS, registry.LastError());

  TRegistryRecorder recorder;
  recorder.DenyWriteAccess(HKEY_CURRENT_USER);
  EXPECT_FALSE(registry.OpenKey("\\" + scratch.Path(), true));
  EXPECT_EQ(ERROR_ACCESS_DENIED, registry.LastError());
  const std::string child = "\\" + scratch.Path() + "\\Child";
  EXPECT_EQ("Failed to create key " + child, RegistryError([&] { registry.CreateKey(child); }));
  EXPECT_EQ(ERROR_ACCESS_DENIED, registry.LastError());

  // Reading is allowed, writing through a key opened for reading is not.
  TRegistry reader(HKEY_CURRENT_USER, KEY_READ);
  ASSERT_TRUE(reader.OpenKey(scratch.Path(), false));
  EXPECT_EQ("Failed to set data for 'X'", RegistryError([&] { reader.WriteInteger("X", 1); }));
  EXPECT_FALSE(reader.DeleteValue("X"));
}

}  // namespace
