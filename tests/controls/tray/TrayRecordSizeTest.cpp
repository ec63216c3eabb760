// The notification records as the shell receives them, in bytes: a 32-bit program sends 488 bytes
// to a shell of version 5 or later and 88 to an older one; a 64-bit program, whose window and icon
// handles take 8 bytes, sends the 64-bit shell's 504 and 104. The 32-bit test run checks the first
// pair, the 64-bit run the second.
#include <gtest/gtest.h>

#include "tests/controls/tray/TrayTestFixture.h"

namespace {

#ifdef _WIN64
constexpr DWORD kLargeRecordBytes = 504;
constexpr DWORD kSmallRecordBytes = 104;
#else
constexpr DWORD kLargeRecordBytes = 488;
constexpr DWORD kSmallRecordBytes = 88;
#endif

TEST_F(TrayIconTest, AShellOfVersionFiveOrLaterReceivesTheLargeRecord) {
  Load(5);
  Icon().SetHint("Dorv Internet Auto-Dialer v0.1");
  for (const ShellCall& call : shell->calls)
    EXPECT_EQ(call.cbSize, kLargeRecordBytes);
  EXPECT_EQ(shell->Last().tip, "Dorv Internet Auto-Dialer v0.1");
}

TEST_F(TrayIconTest, AnOlderShellReceivesTheSmallRecord) {
  Load(4);
  Icon().SetHint("Dorv Internet Auto-Dialer v0.1");
  for (const ShellCall& call : shell->calls)
    EXPECT_EQ(call.cbSize, kSmallRecordBytes);
  EXPECT_EQ(shell->Last().tip, "Dorv Internet Auto-Dialer v0.1");
}

}  // namespace
