// Hostile registry values under every name the program reads: the five settings and the autorun
// entry. Each one is answered with the accessor's message, or read as absent (the default), the
// window comes and keeps working, and what the program writes afterwards is well formed: the five
// settings as 4-byte numbers, and the autorun entry never.
#include <cstdint>
#include <string>
#include <vector>

#include "controls/check/DvCheckBox.h"
#include "framework/win/forms/Application.h"
#include "framework/win/platform/Timers.h"
#include "tests/app/DialogWatcher.h"
#include "tests/app/HebrewNotice.h"
#include "tests/app/MainFormFixture.h"

namespace {

const char kRunEntry[] = "Dorv Internet Auto-Dialer";

// What is planted under a value's name.
struct TPlant {
  const char* label;
  DWORD type;
  std::vector<BYTE> data;
  bool keyInstead = false;  // a sub-key of that name, and no value
};

std::vector<TPlant> Plants() {
  return {
      {"short text", REG_SZ, Bytes(std::string("1", 2))},
      {"long text", REG_SZ, Bytes(std::string("180 seconds", 12))},
      {"four bytes of binary", REG_BINARY, {1, 0, 0, 0}},
      {"64 KB of binary", REG_BINARY, std::vector<BYTE>(64 * 1024, 0xA5)},
      {"a number of 8 bytes", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}},
      {"an empty number", REG_DWORD, {}},
      {"a number of 2 bytes", REG_DWORD, {7, 0}},
      {"empty data without a type", REG_NONE, {}},
      {"a list of texts", REG_MULTI_SZ, Bytes(std::string("1\0\0", 3))},
      {"a key", REG_NONE, {}, true},
  };
}

std::wstring Wide(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

class HostileValuesTest : public MainFormTest {
 protected:
  void Plant(const std::string& name, const TPlant& plant, const std::string& key) const {
    if (plant.keyInstead) {
      scratch.SetDword("Inside", 1, key + "\\" + name);
      return;
    }
    scratch.SetRaw(name, plant.type, plant.data, key);
  }

  // Shows the window and returns the texts of the message boxes it showed.
  std::vector<std::wstring> ShowAndCollect() {
    const TDialogWatcher watcher;
    CreateAndShow();
    std::vector<std::wstring> texts;
    for (const TSeenDialog& dialog : watcher.Seen()) {
      texts.push_back(dialog.caption == kNoticeCaption ? L"(first-run notice)"
                                                       : dialog.texts.at(0));
    }
    return texts;
  }

  // A tick and a close go through: the program is still working.
  void TickAndClose() {
    TTimer& timer = Get<TTimer>("UpdateTimer");
    timer.OnTimer()(&timer);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    form->Close();
  }

  // No window, no calls and an empty scratch key for the next case.
  void NextCase() {
    Application().DestroyForms();
    form = nullptr;
    MSG quit{};
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    registry.ClearCalls();
    RegDeleteTreeA(HKEY_CURRENT_USER, scratch.Path().c_str());
  }

  std::vector<std::string> SettingsWritten() const {
    std::vector<std::string> written;
    for (const std::string& line : registry.Writes()) {
      if (line.find("\\Internet Settings\\") == std::string::npos) written.push_back(line);
    }
    return written;
  }
};

TEST_F(HostileValuesTest, EverySettingAnswersEveryPlantAndOnlyWellFormedNumbersAreWrittenBack) {
  const std::string settingsKey = "HKEY_LOCAL_MACHINE\\Software\\Dorv Internet Auto-Dialer\\";
  for (const char* name : {"FirstRun", "Enable", "UpdateInterval", "Left", "Top"}) {
    for (const TPlant& plant : Plants()) {
      SCOPED_TRACE(std::string(name) + ": " + plant.label);
      if (std::string(name) != "FirstRun") StoreNotFirstRun();
      Plant(name, plant, "Settings");
      const std::vector<std::wstring> shown = ShowAndCollect();

      std::wstring expected;
      if (plant.keyInstead) {
        // No value of that name: the default, and a missing "FirstRun" is a first run.
        expected = std::string(name) == "FirstRun" ? L"(first-run notice)" : L"";
      } else if (plant.type == REG_DWORD || plant.data.size() > 4) {
        expected = L"Failed to get data for '" + Wide(name) + L"'";
      } else {
        expected = L"Invalid data type for '" + Wide(name) + L"'";
      }
      if (expected.empty()) {
        EXPECT_TRUE(shown.empty());
      } else {
        EXPECT_EQ(shown, std::vector<std::wstring>{expected});
      }

      registry.ClearCalls();
      TickAndClose();
      // The defaults of the form definition, each written as a number of 4 bytes, tick and close.
      const std::vector<std::string> once = {
          settingsKey + "FirstRun = REG_DWORD 0", settingsKey + "Enable = REG_DWORD 1",
          settingsKey + "UpdateInterval = REG_DWORD 180", settingsKey + "Left = REG_DWORD 478",
          settingsKey + "Top = REG_DWORD 441"};
      std::vector<std::string> twice = once;
      twice.insert(twice.end(), once.begin(), once.end());
      EXPECT_EQ(SettingsWritten(), twice);
      if (plant.keyInstead) {
        EXPECT_TRUE(scratch.KeyExists("Settings\\" + std::string(name)));
      }

      NextCase();
    }
  }
}

TEST_F(HostileValuesTest, TheAutorunEntryAnswersEveryPlantAndIsNeverWritten) {
  for (const char* runKey : {"Run", "UserRun"}) {
    for (const TPlant& plant : Plants()) {
      SCOPED_TRACE(std::string(runKey) + ": " + plant.label);
      StoreNotFirstRun();
      Plant(kRunEntry, plant, runKey);
      const std::vector<std::wstring> shown = ShowAndCollect();

      // Text that is empty or not the program's path is simply no entry; anything else that is
      // there is of the wrong type.
      const bool text = plant.type == REG_SZ || plant.keyInstead || plant.data.empty();
      if (text) {
        EXPECT_TRUE(shown.empty());
      } else {
        EXPECT_EQ(shown, std::vector<std::wstring>{L"Invalid data type for 'Dorv Internet "
                                                   L"Auto-Dialer'"});
      }
      EXPECT_FALSE(Get<TDvCheckBox>("AutoStartupCheckBox").Checked());

      TickAndClose();
      for (const std::string& line : registry.Writes())
        EXPECT_EQ(line.find("\\Run\\"), std::string::npos) << line;
      if (!plant.keyInstead) {
        const TRegistryScratch::TRawValue kept = scratch.GetRaw(kRunEntry, runKey);
        EXPECT_EQ(kept.type, plant.type);
        EXPECT_EQ(kept.data.size(), plant.data.size());
      }

      NextCase();
    }
  }
}

}  // namespace
