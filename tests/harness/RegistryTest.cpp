// The registry of the harness prefix: set up for unattended runs, and real storage for tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr char kScratchKey[] = "Software\\Dorv Harness Test";

// An open registry key, closed with the object.
class RegKey {
 public:
  RegKey() = default;
  ~RegKey() {
    if (key_) RegCloseKey(key_);
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;

  HKEY* Out() { return &key_; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// Deletes the scratch key when the test ends, whatever its outcome.
struct ScratchKeyRemover {
  ~ScratchKeyRemover() { RegDeleteKeyA(HKEY_CURRENT_USER, kScratchKey); }
};

TEST(HarnessRegistry, CrashDialogIsSwitchedOffInThePrefix) {
  RegKey key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\WineDbg", 0, KEY_READ, key.Out()),
            ERROR_SUCCESS);
  DWORD type = 0;
  DWORD value = 1;
  DWORD size = sizeof(value);
  ASSERT_EQ(RegQueryValueExA(key.Get(), "ShowCrashDialog", nullptr, &type,
                             reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value, 0u);
}

TEST(HarnessRegistry, ValuesWrittenReadBackThroughAFreshKeyHandle) {
  ScratchKeyRemover remover;
  const DWORD number = 0x12345678;
  const char text[] = "Dorv Internet Auto-Dialer";
  {
    RegKey key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                              key.Out(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key.Get(), "Number", 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&number), sizeof(number)),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key.Get(), "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                             sizeof(text)),
              ERROR_SUCCESS);
  }
  RegKey key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kScratchKey, 0, KEY_READ, key.Out()), ERROR_SUCCESS);
  DWORD type = 0;
  DWORD readNumber = 0;
  DWORD size = sizeof(readNumber);
  ASSERT_EQ(RegQueryValueExA(key.Get(), "Number", nullptr, &type,
                             reinterpret_cast<BYTE*>(&readNumber), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(readNumber, number);

  char readText[32] = {};
  size = sizeof(readText);
  ASSERT_EQ(
      RegQueryValueExA(key.Get(), "Text", nullptr, &type, reinterpret_cast<BYTE*>(readText), &size),
      ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, sizeof(text));
  EXPECT_EQ(std::memcmp(readText, text, sizeof(text)), 0);
}

}  // namespace
