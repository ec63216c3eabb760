// The real program started from a test in the same Wine session, and the windows it shows.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "tests/app/WindowQueries.h"

// Sets environment variables of this process (inherited by programs it starts) for its lifetime.
class TEnvironmentScope {
 public:
  TEnvironmentScope() = default;
  ~TEnvironmentScope();
  TEnvironmentScope(const TEnvironmentScope&) = delete;
  TEnvironmentScope& operator=(const TEnvironmentScope&) = delete;

  void Set(const std::string& name, const std::string& value);

 private:
  struct TSaved {
    std::string name;
    bool existed;
    std::string value;
  };
  std::vector<TSaved> saved_;
};

class TProgramProcess {
 public:
  // Starts the program with the arguments given; fails the test (and Running() is false) when it
  // cannot be started.
  explicit TProgramProcess(const std::wstring& exePath, const std::wstring& arguments = {});
  // Ends the program when it is still running.
  ~TProgramProcess();
  TProgramProcess(const TProgramProcess&) = delete;
  TProgramProcess& operator=(const TProgramProcess&) = delete;

  bool Running() const;
  DWORD Id() const { return info_.dwProcessId; }
  // The program's own full file name as the system reports it, in the system code page and in
  // UTF-16.
  std::string ImagePath() const;
  std::wstring WideImagePath() const;

  // Top-level windows of the program whose class (and caption, unless null) match.
  std::vector<HWND> Windows(const char* className, const wchar_t* caption = nullptr) const;
  // The first such window that is visible, waiting up to timeoutMs; null when none came.
  HWND WaitForWindow(const char* className, const wchar_t* caption, int timeoutMs = 10000) const;

  // Closes the main window as the user would and waits for the program to end.
  bool CloseAndWait(HWND mainWindow, int timeoutMs = 10000);
  bool WaitForExit(int timeoutMs);
  // Waits until the program waits for input with nothing left to handle.
  bool WaitForIdle(int timeoutMs);
  void Kill();

 private:
  PROCESS_INFORMATION info_{};
};

// The whole content of a file; empty when it cannot be read.
std::string ReadText(const std::string& path);

// Polls pred every 10 ms for up to timeoutMs; returns pred().
bool WaitUntil(const std::function<bool()>& pred, int timeoutMs = 5000);
