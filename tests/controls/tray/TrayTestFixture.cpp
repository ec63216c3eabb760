#include "tests/controls/tray/TrayTestFixture.h"

#include <string>

#include "controls/tray/TrayControls.h"
#include "framework/core/FormReader.h"
#include "framework/win/forms/Application.h"
#include "framework/win/graphics/Bitmap.h"
#include "tests/framework/win/platform/MessagePump.h"

void TrayIconTest::SetUpTestSuite() {
  RegisterTestRootClasses();
  RegisterImageListClasses();
  RegisterTrayControls();
  Application().Initialize();
}

void TrayIconTest::TearDown() {
  form.reset();
  shell.reset();
  if (Application().IsMinimized()) Application().Restore();
  PumpPending();
}

void TrayIconTest::Load(DWORD shellVersion, const char* extraTrayProperties) {
  shell = std::make_unique<ShellRecorder>(shellVersion);
  form = std::make_unique<TTestRootForm>(nullptr);
  // The list exists before the form data is read, with its four images, as the stored list
  // would be.
  auto& images = TComponent::Create<TImageList>(*form);
  images.SetName("StateImageList");
  for (TColor color : kImageColors) {
    TBitmap picture(16, 16);
    picture.Canvas().Brush().SetColor(color);
    picture.Canvas().FillRect(TRect{0, 0, 16, 16});
    images.AddMasked(picture, clFuchsia);
  }
  const std::string text = std::string(
                               "object MainFrm: TTestRootForm\n"
                               "  object TrayIcon: TDvTrayIcon\n"
                               "    PopupMenu = TrayPopupMenu\n"
                               "    Icons = StateImageList\n") +
                           extraTrayProperties +
                           "  end\n"
                           "  object TrayPopupMenu: TPopupMenu\n"
                           "    OnPopup = MenuPopup\n"
                           "    object Show1: TMenuItem\n"
                           "      Caption = '&Show..'\n"
                           "    end\n"
                           "  end\n"
                           "end\n";
  FormReader::ReadRoot(*form, text);
}

TDvTrayIcon& TrayIconTest::Icon() const {
  return dynamic_cast<TDvTrayIcon&>(*form->FindComponent("TrayIcon"));
}

TPopupMenu& TrayIconTest::Menu() const {
  return dynamic_cast<TPopupMenu&>(*form->FindComponent("TrayPopupMenu"));
}

TCustomImageList& TrayIconTest::Images() const {
  return dynamic_cast<TCustomImageList&>(*form->FindComponent("StateImageList"));
}
