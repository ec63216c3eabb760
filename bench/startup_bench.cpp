// Start-up time of two builds of the program, measured in turn in one run: from the start of the
// process until its main window is visible, and until the program then waits for input with
// nothing left to handle (the window painted, the first connection check done). Each build is
// started once unmeasured, then alternately, so that a drift of the machine's speed reaches both.
// The settings key's "FirstRun" is set to 0 beforehand: the first-run notice would wait for a user.
// Usage: startup_bench.exe BEFORE.exe AFTER.exe [runs]   (runs: 1..200, default 15)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Dorv Internet Auto-Dialer";
constexpr int kTimeoutMs = 20000;

struct TStartup {
  double shownMs = 0;  // until the main window is visible
  double idleMs = 0;   // until the program then waits for input
};

double MillisecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

bool SetNoFirstRun() {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return false;
  const DWORD zero = 0;
  const bool written =
      RegSetValueExW(key, L"FirstRun", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero),
                     sizeof zero) == ERROR_SUCCESS;
  RegCloseKey(key);
  return written;
}

struct TSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<TSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  if (owner == search.processId && IsWindowVisible(window) &&
      std::string(className) == "TMainFrm") {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

// Starts the program, times it, closes its window as a user would and waits for it to end.
std::optional<TStartup> TimeOneStart(const std::wstring& program) {
  if (!SetNoFirstRun()) {
    std::fprintf(stderr, "cannot write the settings key\n");
    return std::nullopt;
  }
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER start{};
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "cannot start the program: error %lu\n", GetLastError());
    return std::nullopt;
  }
  TStartup times;
  TSearch search{process.dwProcessId, nullptr};
  while (search.found == nullptr && MillisecondsSince(start) < kTimeoutMs &&
         WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(1);
  }
  times.shownMs = MillisecondsSince(start);
  const bool idle = search.found != nullptr && WaitForInputIdle(process.hProcess, kTimeoutMs) == 0;
  times.idleMs = MillisecondsSince(start);
  if (search.found != nullptr) PostMessageW(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, kTimeoutMs) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (search.found == nullptr || !idle) {
    std::fprintf(stderr, "the program showed no window that became idle\n");
    return std::nullopt;
  }
  return times;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void PrintFigure(const char* what, const std::vector<double>& values) {
  std::printf("  %-22s median %7.1f ms   min %7.1f   max %7.1f\n", what, Median(values),
              *std::min_element(values.begin(), values.end()),
              *std::max_element(values.begin(), values.end()));
}

long long FileBytes(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: startup_bench BEFORE.exe AFTER.exe [runs]\n");
    return 2;
  }
  const std::wstring programs[2] = {argv[1], argv[2]};
  const int runs = argc == 4 ? std::wcstol(argv[3], nullptr, 10) : 15;
  if (runs < 1 || runs > 200) {
    std::fprintf(stderr, "runs: 1 to 200\n");
    return 2;
  }
  std::vector<double> shown[2], idle[2], ratios;
  for (const std::wstring& program : programs)
    if (!TimeOneStart(program)) return 1;
  for (int run = 0; run < runs; ++run) {
    double idleOfRun[2] = {};
    for (int which = 0; which < 2; ++which) {
      const auto times = TimeOneStart(programs[which]);
      if (!times) return 1;
      shown[which].push_back(times->shownMs);
      idle[which].push_back(times->idleMs);
      idleOfRun[which] = times->idleMs;
    }
    ratios.push_back(idleOfRun[1] / idleOfRun[0]);
  }
  std::printf("start-up of the program, %d runs each after one unmeasured start:\n", runs);
  const char* names[2] = {"before", "after"};
  for (int which = 0; which < 2; ++which) {
    std::printf("%s: %ls (%lld bytes)\n", names[which], programs[which].c_str(),
                FileBytes(programs[which]));
    PrintFigure("window shown", shown[which]);
    PrintFigure("window idle", idle[which]);
  }
  std::printf("after / before, until idle, run by run: median %.2f, min %.2f, max %.2f\n",
              Median(ratios), *std::min_element(ratios.begin(), ratios.end()),
              *std::max_element(ratios.begin(), ratios.end()));
  return 0;
}
