// The real main window in this process: built by the application object from the program's own
// form definition resource, with every unit registered as the program does, the Internet layer
// scripted and the registry keys of the program redirected into a scratch key of the test.
#pragma once

#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "app/MainForm.h"
#include "tests/dialer/InternetFake.h"
#include "tests/framework/win/controls/WinTestSupport.h"
#include "tests/framework/win/platform/RegistryRecorder.h"
#include "tests/framework/win/platform/RegistryScratch.h"

class MainFormTest : public testing::Test {
 protected:
  MainFormTest();
  ~MainFormTest() override;

  // Creates the window (not shown).
  TMainFrm& Create();
  // Creates it when needed, shows it and lets the start-up run.
  TMainFrm& CreateAndShow();

  template <class T>
  T& Get(const std::string& name) const {
    return form->Component<T>(name);
  }

  void StoreSetting(const std::string& name, uint32_t value) const {
    scratch.SetDword(name, value, "Settings");
  }
  void StoreNotFirstRun() const { StoreSetting("FirstRun", 0); }

  TRegistryScratch scratch;
  TRegistryRecorder registry;
  TInternetFake internet;
  TMainFrm* form = nullptr;
};
