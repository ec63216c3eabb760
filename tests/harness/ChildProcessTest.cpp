// Programs started from a test run in the same session (display, prefix, server), and a crash
// ends a process with its exception code instead of waiting on a dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// A kernel handle, closed with the object.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (handle_) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

std::string BesideThisProgram(const char* fileName) {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string result(path, length);
  return result.substr(0, result.find_last_of("\\/") + 1) + fileName;
}

TEST(HarnessChildProcess, ACrashingChildEndsWithItsExceptionCode) {
  std::string commandLine = "\"" + BesideThisProgram("dv_harness_crasher.exe") + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process))
      << "error " << GetLastError();
  Handle processHandle(process.hProcess);
  Handle threadHandle(process.hThread);

  ASSERT_EQ(WaitForSingleObject(processHandle.Get(), 60000), WAIT_OBJECT_0);
  DWORD exitCode = 0;
  ASSERT_TRUE(GetExitCodeProcess(processHandle.Get(), &exitCode));
  EXPECT_EQ(exitCode, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
}

}  // namespace
