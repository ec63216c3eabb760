// A program started from a test together with every process it starts in turn, held in a job
// object, so that a test can wait for all of them: an NSIS uninstaller goes on in a copy of
// itself and ends its first process at once.
#pragma once

#include <optional>
#include <string>

#include <windows.h>

class TJobProcess {
 public:
  // Starts the command line; fails the test when it cannot be started.
  explicit TJobProcess(const std::wstring& commandLine);
  // Ends whatever of the job still runs.
  ~TJobProcess();
  TJobProcess(const TJobProcess&) = delete;
  TJobProcess& operator=(const TJobProcess&) = delete;

  // Waits up to timeoutMs until every process of the job has ended; then the exit code of the
  // first, or nullopt when the time ran out or it never started.
  std::optional<DWORD> Wait(int timeoutMs);

 private:
  HANDLE job_ = nullptr;
  PROCESS_INFORMATION info_{};
};
