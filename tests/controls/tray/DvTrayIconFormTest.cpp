// The tray icon in form data with every published property away from its default: it reads back
// unchanged, and writing it again gives the same text.
#include <gtest/gtest.h>

#include "controls/tray/DvTrayIcon.h"
#include "controls/tray/TrayControls.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/menus/Menus.h"
#include "tests/support/win/RoundTripForm.h"

namespace {

TEST(DvTrayIconFormTest, EveryPublishedPropertySetReadsBackUnchanged) {
  RegisterFormClasses();
  RegisterMenuClasses();
  RegisterImageListClasses();
  RegisterTrayControls();
  // Disabled, so that no icon reaches the shell.
  const std::string icon =
      "  object TrayIcon: TDvTrayIcon\n"
      "    Animate = True\n"
      "    Enabled = False\n"
      "    HideOnMinimize = False\n"
      "    Hint = 'Dorv Internet Auto-Dialer v0.1'\n"
      "    PopupMenu = TrayMenu\n"
      "    Icons = StateImageList\n"
      "    IconIndex = 2\n"
      "    Interval = 250\n"
      "    RestoreOn = ticLeftClick\n"
      "    PopupMenuOn = ticRightDblClick\n"
      "    OnBalloonHintHide = Notify\n"
      "    OnBalloonHintClose = Notify\n"
      "    OnBalloonHintClick = Notify\n"
      "    OnMinimizeApp = Notify\n"
      "    OnRestoreApp = Notify\n"
      "    OnLButtonDown = Notify\n"
      "    OnLButtonUp = Notify\n"
      "    OnLButtonDblClick = Notify\n"
      "    OnRButtonDown = Notify\n"
      "    OnRButtonUp = Notify\n"
      "    OnRButtonDblClick = Notify\n"
      "    OnEndSession = Notify\n"
      "    OnQueryEndSession = Ask\n"
      "  end\n";
  const std::string others =
      "  object TrayMenu: TPopupMenu\n"
      "  end\n"
      "  object StateImageList: TImageList\n"
      "  end\n";
  const std::string objects = icon + others;
  const std::string written = RoundTripObjects(objects);
  EXPECT_EQ(written, objects);
  EXPECT_EQ(RoundTripObjects(written), objects);
  ExpectEveryPropertyIn(TDvTrayIcon::StaticClassInfo(), icon);
}

}  // namespace
