// The tray icon as the program's form defines it (popup menu and four-image list), read from
// form data into a test root while a scripted shell records what the icon sends.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "controls/tray/DvTrayIcon.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/menus/PopupMenu.h"
#include "tests/controls/tray/ShellRecorder.h"
#include "tests/framework/win/forms/TestForm.h"

// The colours of the four state images.
inline constexpr TColor kImageColors[4] = {0x0000C0, 0x00C000, 0xC00000, 0x00C0C0};

class TrayIconTest : public testing::Test {
 protected:
  static void SetUpTestSuite();
  void TearDown() override;

  // Reads the tray form; shellVersion 0 makes a shell without DllGetVersion.
  void Load(DWORD shellVersion = 6, const char* extraTrayProperties = "");
  TDvTrayIcon& Icon() const;
  TPopupMenu& Menu() const;
  TCustomImageList& Images() const;

  std::unique_ptr<ShellRecorder> shell;
  std::unique_ptr<TTestRootForm> form;
};
