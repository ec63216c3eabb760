// The tray icon against the shell of a plain Wine session.
#include <gtest/gtest.h>

#include "controls/tray/DvTrayIcon.h"
#include "controls/tray/TrayControls.h"
#include "controls/tray/TrayNotifyRecord.h"
#include "framework/win/forms/Application.h"

namespace {

TEST(TrayRealShell, TheShellAcceptsTheIcon) {
  RegisterTrayControls();
  TDvTrayIcon icon(nullptr);
  // Wine's shell32 answers 6.0: the large record.
  EXPECT_EQ(icon.NotifyData().cbSize, TTrayNotifyRecord::kLargeSize);
  icon.SetHint("Dorv Internet Auto-Dialer v0.1");
  icon.Loaded();
  EXPECT_TRUE(icon.Enabled());
  NOTIFYICONDATAA data = icon.NotifyData();
  EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &data));
  icon.SetEnabled(false);
  // Removed: the shell no longer knows it.
  data = icon.NotifyData();
  EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &data));
  icon.SetEnabled(true);
  EXPECT_TRUE(icon.Enabled());
}

}  // namespace
