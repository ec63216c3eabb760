// The version text, from this test program's own version block (file version 12.3.4.5,
// product version 7.8) and from files without one.
#include <cstdio>
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "dialer/DorvRTL.h"

namespace {

std::wstring OwnFileName() {
  wchar_t name[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, name, MAX_PATH);
  return std::wstring(name, length);
}

std::wstring TempFileName(const wchar_t* leaf) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + leaf;
}

TEST(DorvRTLTest, MajorAndMinorOfTheProgramsFileVersion) {
  EXPECT_EQ("12.3", DorvRTL::FileVersionText());
  EXPECT_EQ("12.3", DorvRTL::FileVersionText(OwnFileName()));
}

TEST(DorvRTLTest, ProgramFileNameIsTheModulesOwn) {
  EXPECT_EQ(OwnFileName(), DorvRTL::ProgramFileName());
}

TEST(DorvRTLTest, NoVersionBlockGivesAnEmptyText) {
  EXPECT_EQ("", DorvRTL::FileVersionText(L""));
  EXPECT_EQ("", DorvRTL::FileVersionText(TempFileName(L"dorv-no-such-file.exe")));

  const std::wstring text = TempFileName(L"dorv-version-test.txt");
  FILE* file = _wfopen(text.c_str(), L"wb");
  ASSERT_NE(nullptr, file);
  std::fputs("not a program", file);
  std::fclose(file);
  EXPECT_EQ("", DorvRTL::FileVersionText(text));
  DeleteFileW(text.c_str());
}

// A copy of this program in a folder named in Hebrew and Cyrillic, outside the system code page.
TEST(DorvRTLTest, ProgramInAFolderOutsideTheCodePage) {
  const std::wstring folder = TempFileName(L"\u05D3\u05D5\u05E8\u0432 \u0422\u0435\u0441\u0442");
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring copy = folder + L"\\DorvAutoDialer.exe";
  ASSERT_TRUE(CopyFileW(OwnFileName().c_str(), copy.c_str(), FALSE));
  EXPECT_EQ("12.3", DorvRTL::FileVersionText(copy));
  DeleteFileW(copy.c_str());
  RemoveDirectoryW(folder.c_str());
}

// A copy of this program with its resources (only the version block) removed: a real program
// file without a version block.
TEST(DorvRTLTest, ProgramWithoutAVersionBlock) {
  const std::wstring copy = TempFileName(L"dorv-version-stripped.exe");
  ASSERT_TRUE(CopyFileW(OwnFileName().c_str(), copy.c_str(), FALSE));
  HANDLE update = BeginUpdateResourceW(copy.c_str(), TRUE);
  ASSERT_NE(nullptr, update);
  ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
  EXPECT_EQ("", DorvRTL::FileVersionText(copy));
  DeleteFileW(copy.c_str());
}

}  // namespace
