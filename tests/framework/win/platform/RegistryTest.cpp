// TRegistry against the real registry of the test prefix.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "framework/core/SysUtils.h"
#include "framework/win/platform/Registry.h"
#include "tests/framework/win/platform/RegistryError.h"
#include "tests/framework/win/platform/RegistryScratch.h"

namespace {

class RegistryTest : public testing::Test {
 protected:
  TRegistryScratch scratch;
  TRegistry registry;

  void SetUp() override { ASSERT_TRUE(registry.OpenKey("\\" + scratch.Path(), true)); }
};

TEST_F(RegistryTest, DefaultsToCurrentUserWithAllAccess) {
  const TRegistry fresh;
  EXPECT_EQ(HKEY_CURRENT_USER, fresh.RootKey());
  EXPECT_EQ(static_cast<REGSAM>(KEY_ALL_ACCESS), fresh.Access());
  EXPECT_EQ(nullptr, fresh.CurrentKey());
  EXPECT_EQ(scratch.Path(), registry.CurrentPath());
}

TEST_F(RegistryTest, StringIsStoredAsRegSzWithItsTerminatingZero) {
  registry.WriteString("Path", "C:\\Dorv\\a.exe");
  const auto raw = scratch.GetRaw("Path");
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), raw.type);
  EXPECT_EQ(Bytes(std::string("C:\\Dorv\\a.exe") + '\0'), raw.data);
  EXPECT_EQ("C:\\Dorv\\a.exe", registry.ReadString("Path"));

  registry.WriteString("Empty", "");
  EXPECT_EQ(Bytes(std::string(1, '\0')), scratch.GetRaw("Empty").data);
  EXPECT_EQ("", registry.ReadString("Empty"));
}

TEST_F(RegistryTest, ReadStringFollowsTheSizeThenTypeRules) {
  EXPECT_EQ("", registry.ReadString("Missing"));

  scratch.SetDword("Number", 7);
  EXPECT_EQ("Invalid data type for 'Number'",
            RegistryError([&] { registry.ReadString("Number"); }));

  // A zero size wins over the type: no data is read, so no type error.
  scratch.SetRaw("EmptySz", REG_SZ, {});
  scratch.SetRaw("EmptyBinary", REG_BINARY, {});
  EXPECT_EQ("", registry.ReadString("EmptySz"));
  EXPECT_EQ("", registry.ReadString("EmptyBinary"));

  scratch.SetRaw("Expand", REG_EXPAND_SZ, Bytes(std::string("%TEMP%\\x") + '\0'));
  EXPECT_EQ("%TEMP%\\x", registry.ReadString("Expand"));

  scratch.SetRaw("Binary", REG_BINARY, Bytes("abc"));
  EXPECT_EQ("Invalid data type for 'Binary'",
            RegistryError([&] { registry.ReadString("Binary"); }));
}

TEST_F(RegistryTest, ReadStringEndsAtTheFirstZeroByte) {
  scratch.SetRaw("Two", REG_SZ, Bytes(std::string("ab\0cd\0", 6)));
  EXPECT_EQ("ab", registry.ReadString("Two"));
  scratch.SetRaw("Unterminated", REG_SZ, Bytes("xyz"));
  EXPECT_EQ("xyz", registry.ReadString("Unterminated"));
}

TEST_F(RegistryTest, IntegersAreSignedDwords) {
  registry.WriteInteger("Negative", -5);
  const auto raw = scratch.GetRaw("Negative");
  EXPECT_EQ(static_cast<DWORD>(REG_DWORD), raw.type);
  EXPECT_EQ((std::vector<BYTE>{0xFB, 0xFF, 0xFF, 0xFF}), raw.data);
  EXPECT_EQ(-5, registry.ReadInteger("Negative"));

  registry.WriteInteger("Min", INT32_MIN);
  registry.WriteInteger("Max", INT32_MAX);
  EXPECT_EQ(INT32_MIN, registry.ReadInteger("Min"));
  EXPECT_EQ(INT32_MAX, registry.ReadInteger("Max"));

  scratch.SetDword("Left", 0xFFFFFF38u);
  EXPECT_EQ(-200, registry.ReadInteger("Left"));
}

TEST_F(RegistryTest, ReadIntegerFailures) {
  EXPECT_EQ("Failed to get data for 'Missing'",
            RegistryError([&] { registry.ReadInteger("Missing"); }));

  scratch.SetRaw("Long", REG_BINARY, {1, 2, 3, 4, 5, 6, 7, 8});
  EXPECT_EQ("Failed to get data for 'Long'", RegistryError([&] { registry.ReadInteger("Long"); }));
  scratch.SetRaw("LongText", REG_SZ, Bytes(std::string("180") + '\0' + "0"));
  EXPECT_EQ("Failed to get data for 'LongText'",
            RegistryError([&] { registry.ReadInteger("LongText"); }));

  // Short enough to be read, so the type decides.
  scratch.SetRaw("Text", REG_SZ, Bytes(std::string("abc") + '\0'));
  EXPECT_EQ("Invalid data type for 'Text'", RegistryError([&] { registry.ReadInteger("Text"); }));
  scratch.SetRaw("Bin", REG_BINARY, {1, 0, 0, 0});
  EXPECT_EQ("Invalid data type for 'Bin'", RegistryError([&] { registry.ReadBool("Bin"); }));

  // A number of fewer bytes, or of none, has no value to read.
  scratch.SetRaw("Empty", REG_DWORD, {});
  EXPECT_EQ("Failed to get data for 'Empty'", RegistryError([&] { registry.ReadBool("Empty"); }));
  scratch.SetRaw("Short", REG_DWORD, {7, 0});
  EXPECT_EQ("Failed to get data for 'Short'",
            RegistryError([&] { registry.ReadInteger("Short"); }));
}

TEST_F(RegistryTest, TruthValuesAreWrittenAsOneAndZeroAndReadAsNonZero) {
  registry.WriteBool("On", true);
  registry.WriteBool("Off", false);
  EXPECT_EQ((std::vector<BYTE>{1, 0, 0, 0}), scratch.GetRaw("On").data);
  EXPECT_EQ((std::vector<BYTE>{0, 0, 0, 0}), scratch.GetRaw("Off").data);
  EXPECT_EQ(static_cast<DWORD>(REG_DWORD), scratch.GetRaw("Off").type);

  scratch.SetDword("Seven", 7);
  scratch.SetDword("AllBits", 0xFFFFFFFFu);
  scratch.SetDword("HighBit", 0x80000000u);
  EXPECT_TRUE(registry.ReadBool("Seven"));
  EXPECT_TRUE(registry.ReadBool("AllBits"));
  EXPECT_TRUE(registry.ReadBool("HighBit"));
  EXPECT_FALSE(registry.ReadBool("Off"));
  EXPECT_EQ("Failed to get data for 'None'", RegistryError([&] { registry.ReadBool("None"); }));
}

TEST_F(RegistryTest, LeadingBackslashStartsFromTheRootOtherPathsFromTheOpenKey) {
  ASSERT_TRUE(registry.OpenKey("A", true));
  EXPECT_EQ(scratch.Path() + "\\A", registry.CurrentPath());
  ASSERT_TRUE(registry.OpenKey("B", true));
  EXPECT_EQ(scratch.Path() + "\\A\\B", registry.CurrentPath());
  EXPECT_TRUE(scratch.KeyExists("A\\B"));

  ASSERT_TRUE(registry.OpenKey("\\" + scratch.Path() + "\\C", true));
  EXPECT_EQ(scratch.Path() + "\\C", registry.CurrentPath());
  EXPECT_TRUE(scratch.KeyExists("C"));
  EXPECT_FALSE(scratch.KeyExists("A\\B\\Software"));

  registry.WriteInteger("Where", 3);
  EXPECT_TRUE(scratch.GetRaw("Where", "C").exists);

  // With no key open, a relative path starts from the root as well.
  TRegistry fresh;
  ASSERT_TRUE(fresh.OpenKey(scratch.Path() + "\\D", true));
  EXPECT_EQ(scratch.Path() + "\\D", fresh.CurrentPath());
  EXPECT_TRUE(scratch.KeyExists("D"));
}

TEST_F(RegistryTest, OpeningAMissingKeyWithoutCreateFailsQuietlyAndKeepsTheOpenKey) {
  registry.WriteInteger("Kept", 1);
  bool opened = true;
  EXPECT_NO_THROW(opened = registry.OpenKey("Missing\\Deeper", false));
  EXPECT_FALSE(opened);
  EXPECT_FALSE(scratch.KeyExists("Missing"));
  EXPECT_EQ(scratch.Path(), registry.CurrentPath());
  EXPECT_EQ(1, registry.ReadInteger("Kept"));

  TRegistry fresh;
  EXPECT_FALSE(fresh.OpenKey("\\" + scratch.Path() + "\\Missing", false));
  EXPECT_EQ(nullptr, fresh.CurrentKey());
  EXPECT_EQ("", fresh.CurrentPath());
}

TEST_F(RegistryTest, CreateKeyLeavesTheOpenKeyAlone) {
  registry.CreateKey("New\\Child");
  EXPECT_TRUE(scratch.KeyExists("New\\Child"));
  EXPECT_EQ(scratch.Path(), registry.CurrentPath());
  registry.CreateKey("New\\Child");  // existing: no error
}

TEST_F(RegistryTest, ValueExistsAndDeleteValue) {
  EXPECT_FALSE(registry.ValueExists("Gone"));
  registry.WriteString("Gone", "x");
  EXPECT_TRUE(registry.ValueExists("Gone"));
  EXPECT_TRUE(registry.DeleteValue("Gone"));
  EXPECT_FALSE(registry.ValueExists("Gone"));
  EXPECT_FALSE(scratch.GetRaw("Gone").exists);
  EXPECT_FALSE(registry.DeleteValue("Gone"));
}

TEST_F(RegistryTest, RootKeyAndAccessApplyToLaterOpens) {
  TRegistry machine(HKEY_LOCAL_MACHINE, KEY_READ);
  const TRegistryScratch machineScratch(HKEY_LOCAL_MACHINE);
  machineScratch.SetDword("Value", 9);
  ASSERT_TRUE(machine.OpenKey(machineScratch.Path(), false));
  EXPECT_EQ(9, machine.ReadInteger("Value"));
  // Opened for reading only: the write is refused by the registry.
  EXPECT_EQ("Failed to set data for 'Value'",
            RegistryError([&] { machine.WriteInteger("Value", 1); }));

  machine.SetRootKey(HKEY_CURRENT_USER);
  EXPECT_EQ(nullptr, machine.CurrentKey());
  EXPECT_EQ("", machine.CurrentPath());
}

}  // namespace
