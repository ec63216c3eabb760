#include "tests/app/ProgramProcess.h"

#include <cstdio>

#include <gtest/gtest.h>

TEnvironmentScope::~TEnvironmentScope() {
  for (auto saved = saved_.rbegin(); saved != saved_.rend(); ++saved)
    SetEnvironmentVariableA(saved->name.c_str(), saved->existed ? saved->value.c_str() : nullptr);
}

void TEnvironmentScope::Set(const std::string& name, const std::string& value) {
  char buffer[4096];
  const DWORD length = GetEnvironmentVariableA(name.c_str(), buffer, sizeof buffer);
  const bool existed = length > 0 && length < sizeof buffer;
  saved_.push_back({name, existed, existed ? std::string(buffer, length) : std::string()});
  SetEnvironmentVariableA(name.c_str(), value.c_str());
}

TProgramProcess::TProgramProcess(const std::wstring& exePath, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exePath + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  // Wine now and then refuses a start with ERROR_INTERNAL_ERROR right after the previous
  // instance ended; a second try a moment later succeeds.
  DWORD error = ERROR_SUCCESS;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0) Sleep(250);
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info_))
      return;
    error = GetLastError();
    if (error != ERROR_INTERNAL_ERROR) break;
  }
  ADD_FAILURE() << "cannot start " << testing::PrintToString(exePath) << ": error " << error;
  info_ = PROCESS_INFORMATION{};
}

TProgramProcess::~TProgramProcess() {
  if (info_.hProcess == nullptr) return;
  Kill();
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool TProgramProcess::Running() const {
  return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::string TProgramProcess::ImagePath() const {
  char path[MAX_PATH * 2] = {};
  DWORD size = sizeof path;
  if (!QueryFullProcessImageNameA(info_.hProcess, 0, path, &size)) return std::string();
  return std::string(path, size);
}

std::wstring TProgramProcess::WideImagePath() const {
  wchar_t path[MAX_PATH * 2] = {};
  DWORD size = MAX_PATH * 2;
  if (!QueryFullProcessImageNameW(info_.hProcess, 0, path, &size)) return std::wstring();
  return std::wstring(path, size);
}

std::vector<HWND> TProgramProcess::Windows(const char* className, const wchar_t* caption) const {
  std::vector<HWND> found;
  for (HWND window : TopLevelWindows()) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != info_.dwProcessId || ClassNameOf(window) != className) continue;
    if (caption == nullptr || WindowTextW(window) == caption) found.push_back(window);
  }
  return found;
}

HWND TProgramProcess::WaitForWindow(const char* className, const wchar_t* caption,
                                    int timeoutMs) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : Windows(className, caption)) {
          if (IsWindowVisible(window)) {
            found = window;
            return true;
          }
        }
        return !Running();
      },
      timeoutMs);
  return found;
}

bool TProgramProcess::CloseAndWait(HWND mainWindow, int timeoutMs) {
  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  return WaitForExit(timeoutMs);
}

bool TProgramProcess::WaitForIdle(int timeoutMs) {
  return info_.hProcess != nullptr &&
         WaitForInputIdle(info_.hProcess, static_cast<DWORD>(timeoutMs)) == 0;
}

bool TProgramProcess::WaitForExit(int timeoutMs) {
  return info_.hProcess != nullptr &&
         WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

void TProgramProcess::Kill() {
  if (!Running()) return;
  TerminateProcess(info_.hProcess, 1);
  WaitForSingleObject(info_.hProcess, 5000);
}

std::string ReadText(const std::string& path) {
  std::string text;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
      text.append(buffer, count);
    std::fclose(file);
  }
  return text;
}

bool WaitUntil(const std::function<bool()>& pred, int timeoutMs) {
  const DWORD start = GetTickCount();
  while (!pred()) {
    if (static_cast<int>(GetTickCount() - start) > timeoutMs) return pred();
    Sleep(10);
  }
  return true;
}
