#include "tests/installer/JobProcess.h"

#include <gtest/gtest.h>

TJobProcess::TJobProcess(const std::wstring& commandLine)
    : job_(CreateJobObjectW(nullptr, nullptr)) {
  if (job_ == nullptr) {
    ADD_FAILURE() << "no job object: error " << GetLastError();
    return;
  }
  std::wstring line = commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  // Wine now and then refuses a start with ERROR_INTERNAL_ERROR right after a process ended; a
  // second try a moment later succeeds. Suspended until it is in the job, so that nothing it
  // starts escapes.
  DWORD error = ERROR_SUCCESS;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0) Sleep(250);
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                       nullptr, &startup, &info_)) {
      if (!AssignProcessToJobObject(job_, info_.hProcess))
        ADD_FAILURE() << "cannot put the process into the job: error " << GetLastError();
      ResumeThread(info_.hThread);
      return;
    }
    error = GetLastError();
    if (error != ERROR_INTERNAL_ERROR) break;
  }
  ADD_FAILURE() << "cannot start " << std::string(commandLine.begin(), commandLine.end())
                << ": error " << error;
  info_ = PROCESS_INFORMATION{};
}

TJobProcess::~TJobProcess() {
  if (job_ != nullptr) {
    TerminateJobObject(job_, 1);
    CloseHandle(job_);
  }
  if (info_.hProcess != nullptr) {
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
}

std::optional<DWORD> TJobProcess::Wait(int timeoutMs) {
  if (info_.hProcess == nullptr) return std::nullopt;
  const DWORD start = GetTickCount();
  for (;;) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    if (!QueryInformationJobObject(job_, JobObjectBasicAccountingInformation, &accounting,
                                   sizeof accounting, nullptr)) {
      ADD_FAILURE() << "cannot read the job: error " << GetLastError();
      return std::nullopt;
    }
    if (accounting.ActiveProcesses == 0) break;
    if (static_cast<int>(GetTickCount() - start) > timeoutMs) return std::nullopt;
    Sleep(20);
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(info_.hProcess, &exitCode);
  return exitCode;
}
