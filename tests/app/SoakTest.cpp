// A long run in a short time: the main window's poll timer ticks every millisecond (the test sets
// its period) through the real message loop, while the Internet layer answers in turn online,
// offline, an accepted dial and a refused dial, and every 100 ticks a forced disconnect runs,
// accepted and refused in turn. Every 1,000 ticks the live handle counts, the private memory and
// the stored settings are recorded; at the end the counts and the memory are flat, the settings
// intact, and every tick showed the state its answer calls for.
//
// DV_SOAK_TICKS sets the length (the test command runs the default; 10000 is the long run).
// The figures are printed and written to DV_SOAK_FIGURES_FILE.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "controls/common/DvLabel.h"
#include "controls/images/DvImageSquare.h"
#include "controls/tray/DvTrayIcon.h"
#include "framework/win/forms/Application.h"
#include "framework/win/menus/Menus.h"
#include "framework/win/platform/Timers.h"
#include "tests/app/HandleCensus.h"
#include "tests/app/MainFormFixture.h"

namespace {

constexpr int kDefaultTicks = 3000;
constexpr int kRecordEvery = 1000;
constexpr int kForceDisconnectEvery = 100;
// Growth allowed between the first record after the start and the last one.
constexpr uint64_t kMemoryAllowance = 512 * 1024;

struct TPhase {
  const char* script;
  const char* shown;
};

// The four answers the ticks take in turn, and what each shows.
const TPhase kTickPhases[] = {
    {"online=1\n", "2/2 Connected."},
    {"online=0\ndial=1\n", "0/0 Not Connected."},
    {"online=0\ndial=1\nonline_after_dial=1\n", "2/2 Connected."},
    {"online=0\ndial=0\n", "3/3 Error Connecting !"},
};
const TPhase kDisconnectPhases[] = {
    {"online=1\nhangup=1\nonline_after_hangup=0\n", "0/0 Disconnected."},
    {"online=1\nhangup=0\n", "3/3 Error Disconnecting (Behind Router?) !"},
};

int TicksToRun() {
  const char* text = std::getenv("DV_SOAK_TICKS");
  const int ticks = text != nullptr ? std::atoi(text) : 0;
  return ticks > 0 ? ticks : kDefaultTicks;
}

struct TRecord {
  int tick = 0;
  THandleCensus handles;
  uint64_t privateBytes = 0;
  std::string settings;
};

class SoakTest : public MainFormTest {
 protected:
  TTimer& UpdateTimer() const { return Get<TTimer>("UpdateTimer"); }

  std::string Shown() const {
    return std::to_string(Get<TDvTrayIcon>("TrayIcon").IconIndex()) + "/" +
           std::to_string(Get<TDvImageSquare>("StateImage").ImageIndex()) + " " +
           Get<TDvLabel>("StateLbl").Caption();
  }

  std::string StoredSettings() const {
    std::string text;
    for (const char* name : {"FirstRun", "Enable", "UpdateInterval", "Left", "Top"}) {
      const TRegistryScratch::TRawValue value = scratch.GetRaw(name, "Settings");
      text += std::string(text.empty() ? "" : ", ") + name + " ";
      if (!value.exists || value.type != REG_DWORD || value.data.size() != 4) {
        text += value.exists ? "malformed" : "missing";
        continue;
      }
      text += std::to_string(static_cast<int32_t>(value.data[0] | value.data[1] << 8 |
                                                  value.data[2] << 16 | value.data[3] << 24));
    }
    return text;
  }

  TRecord Record(int tick) const {
    return TRecord{tick, THandleCensus::Take(), PrivateBytes(), StoredSettings()};
  }
};

std::string FiguresTable(const std::vector<TRecord>& records, double seconds) {
  std::ostringstream out;
  out << "Soak: " << records.back().tick << " ticks in " << static_cast<int>(seconds + 0.5)
      << " s\n";
  out << "| tick | live handles (owners' counts) | private memory | stored settings |\n";
  out << "|---|---|---|---|\n";
  for (const TRecord& record : records) {
    out << "| " << record.tick << " | " << record.handles.ToString() << " | "
        << (record.privateBytes + 512) / 1024 << " KB | " << record.settings << " |\n";
  }
  return out.str();
}

TEST_F(SoakTest, TicksLeaveTheHandlesTheMemoryAndTheSettingsAsTheyWere) {
  const int ticks = TicksToRun();
  StoreNotFirstRun();
  CreateAndShow();
  ASSERT_TRUE(UpdateTimer().Running());

  int ticked = 0;
  int wrongDisplays = 0;
  std::string firstWrong;
  const TNotifyEvent tick = UpdateTimer().OnTimer();
  UpdateTimer().SetOnTimer([&](TObject* sender) {
    const TPhase& phase = kTickPhases[ticked % 4];
    internet.SetScript(phase.script);
    tick(sender);
    if (Shown() != phase.shown && wrongDisplays++ == 0)
      firstWrong = "tick " + std::to_string(ticked) + ": " + Shown();
    ++ticked;
    // The books of the fakes would otherwise grow with every tick.
    internet.ClearLog();
    registry.ClearCalls();
  });
  UpdateTimer().SetInterval(1);

  std::vector<TRecord> records{Record(0)};
  int disconnects = 0;
  const DWORD started = GetTickCount();
  while (ticked < ticks) {
    const int before = ticked;
    Application().HandleMessage();
    if (ticked == before) continue;
    if (ticked % kForceDisconnectEvery == 0) {
      const TPhase& phase = kDisconnectPhases[disconnects++ % 2];
      internet.SetScript(phase.script);
      Get<TMenuItem>("ForceDisconnect1").Click();
      if (Shown() != phase.shown && wrongDisplays++ == 0)
        firstWrong = "disconnect after tick " + std::to_string(ticked) + ": " + Shown();
      internet.ClearLog();
    }
    if (ticked % kRecordEvery == 0 || ticked == ticks) records.push_back(Record(ticked));
  }
  const double seconds = (GetTickCount() - started) / 1000.0;
  UpdateTimer().SetEnabled(false);

  const std::string figures = FiguresTable(records, seconds);
  std::printf("%s", figures.c_str());
  std::fflush(stdout);
#ifdef DV_SOAK_FIGURES_FILE
  std::ofstream(DV_SOAK_FIGURES_FILE) << figures;
#endif

  EXPECT_EQ(wrongDisplays, 0) << "first: " << firstWrong;
  EXPECT_EQ(disconnects, ticks / kForceDisconnectEvery);
  // The last tick's answer is on display (or the forced disconnect's, when one came last).
  const TPhase& last = ticks % kForceDisconnectEvery == 0 ? kDisconnectPhases[(disconnects - 1) % 2]
                                                          : kTickPhases[(ticks - 1) % 4];
  EXPECT_EQ(Shown(), last.shown);
  const TRecord& settled = records.size() > 2 ? records[1] : records.front();
  for (const TRecord& record : records) {
    EXPECT_EQ(record.handles, records.front().handles) << "at tick " << record.tick;
    if (record.tick > 0) {
      EXPECT_EQ(record.settings, "FirstRun 0, Enable 1, UpdateInterval 180, Left 478, Top 441")
          << "at tick " << record.tick;
    }
  }
  EXPECT_LE(records.back().privateBytes, settled.privateBytes + kMemoryAllowance)
      << "from " << settled.privateBytes << " at tick " << settled.tick;
}

// The measure itself: committed memory shows, from the system and from the heap, and goes again
// when it is released.
TEST(PrivateMemory, CommittedBlocksCountUntilReleased) {
  const uint64_t before = PrivateBytes();
  void* block = VirtualAlloc(nullptr, 4 << 20, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  ASSERT_NE(block, nullptr);
  EXPECT_GE(PrivateBytes(), before + (4 << 20));
  VirtualFree(block, 0, MEM_RELEASE);
  EXPECT_LT(PrivateBytes(), before + (1 << 20));
  {
    const std::vector<char> heapBlock(8 << 20, 1);
    EXPECT_GE(PrivateBytes(), before + (8 << 20));
  }
  EXPECT_LT(PrivateBytes(), before + (1 << 20));
}

}  // namespace
