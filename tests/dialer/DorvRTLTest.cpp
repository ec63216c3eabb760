// The version text, from this test program's own version block (file version 12.3.4.5,
// product version 7.8) and from files without one.
#include <cstdio>
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "dialer/DorvRTL.h"

namespace {

std::string OwnFileName() {
  char name[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, name, MAX_PATH);
  return std::string(name, length);
}

std::string TempFileName(const char* leaf) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + leaf;
}

TEST(DorvRTLTest, MajorAndMinorOfTheProgramsFileVersion) {
  EXPECT_EQ("12.3", DorvRTL::FileVersionText());
  EXPECT_EQ("12.3", DorvRTL::FileVersionText(OwnFileName()));
}

TEST(DorvRTLTest, NoVersionBlockGivesAnEmptyText) {
  EXPECT_EQ("", DorvRTL::FileVersionText(""));
  EXPECT_EQ("", DorvRTL::FileVersionText(TempFileName("dorv-no-such-file.exe")));

  const std::string text = TempFileName("dorv-version-test.txt");
  FILE* file = std::fopen(text.c_str(), "wb");
  ASSERT_NE(nullptr, file);
  std::fputs("not a program", file);
  std::fclose(file);
  EXPECT_EQ("", DorvRTL::FileVersionText(text));
  std::remove(text.c_str());
}

// A copy of this program with its resources (only the version block) removed: a real program
// file without a version block.
TEST(DorvRTLTest, ProgramWithoutAVersionBlock) {
  const std::string copy = TempFileName("dorv-version-stripped.exe");
  ASSERT_TRUE(CopyFileA(OwnFileName().c_str(), copy.c_str(), FALSE));
  HANDLE update = BeginUpdateResourceA(copy.c_str(), TRUE);
  ASSERT_NE(nullptr, update);
  ASSERT_TRUE(EndUpdateResourceA(update, FALSE));
  EXPECT_EQ("", DorvRTL::FileVersionText(copy));
  DeleteFileA(copy.c_str());
}

}  // namespace
