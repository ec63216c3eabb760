// The message loop's wait on kernel objects beside the messages: a signalled handle runs its
// handler on the loop's thread, a message still ends the wait, and registrations come and go.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "framework/core/SysUtils.h"
#include "framework/win/forms/Application.h"

namespace {

// An auto-reset event owned by the test.
class TAutoResetEvent {
 public:
  TAutoResetEvent() : handle_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
  ~TAutoResetEvent() { CloseHandle(handle_); }
  TAutoResetEvent(const TAutoResetEvent&) = delete;
  TAutoResetEvent& operator=(const TAutoResetEvent&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

// Posts a message to this thread after a while, so that a wait that misses its handle ends
// anyway (and the test fails instead of hanging).
class TWatchdog {
 public:
  explicit TWatchdog(int ms)
      : thread_([this, ms, id = GetCurrentThreadId()] {
          for (int waited = 0; waited < ms && !done_; waited += 10)
            Sleep(10);
          if (!done_) PostThreadMessageW(id, WM_NULL, 0, 0);
        }) {}
  ~TWatchdog() {
    done_ = true;
    thread_.join();
  }

 private:
  std::atomic<bool> done_{false};
  std::thread thread_;
};

class ApplicationWaitTest : public testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    Application().ProcessMessages();
  }
  void TearDown() override {
    Application().UnregisterWaitHandle(first.Get());
    Application().UnregisterWaitHandle(second.Get());
  }
  // One turn of the loop, when no message is waiting: it waits.
  void WaitOnce() {
    Application().ProcessMessages();
    Application().HandleMessage();
  }

  TAutoResetEvent first;
  TAutoResetEvent second;
  int firstRuns = 0;
  int secondRuns = 0;
};

TEST_F(ApplicationWaitTest, SignalledHandleEndsTheWaitAndRunsItsHandlerOnThisThread) {
  DWORD handlerThread = 0;
  Application().RegisterWaitHandle(first.Get(), [&] {
    ++firstRuns;
    handlerThread = GetCurrentThreadId();
  });
  SetEvent(first.Get());
  const TWatchdog watchdog(3000);
  WaitOnce();
  EXPECT_EQ(1, firstRuns);
  EXPECT_EQ(GetCurrentThreadId(), handlerThread);
}

TEST_F(ApplicationWaitTest, SignalFromAnotherThreadWhileWaiting) {
  Application().RegisterWaitHandle(first.Get(), [&] { ++firstRuns; });
  std::thread signaller([&] {
    Sleep(100);
    SetEvent(first.Get());
  });
  const TWatchdog watchdog(3000);
  WaitOnce();
  signaller.join();
  EXPECT_EQ(1, firstRuns);
}

TEST_F(ApplicationWaitTest, MessagesStillEndTheWait) {
  Application().RegisterWaitHandle(first.Get(), [&] { ++firstRuns; });
  std::thread poster([id = GetCurrentThreadId()] {
    Sleep(100);
    PostThreadMessageW(id, WM_NULL, 0, 0);
  });
  WaitOnce();
  poster.join();
  EXPECT_EQ(0, firstRuns);
}

TEST_F(ApplicationWaitTest, UnregisteredHandleIsNoLongerWaitedOn) {
  Application().RegisterWaitHandle(first.Get(), [&] { ++firstRuns; });
  Application().UnregisterWaitHandle(first.Get());
  SetEvent(first.Get());
  PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
  Application().HandleMessage();
  EXPECT_EQ(0, firstRuns);
  // Still signalled: nobody waited on it.
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(first.Get(), 0));
}

TEST_F(ApplicationWaitTest, EachSignalledHandleRunsOncePerSignal) {
  Application().RegisterWaitHandle(first.Get(), [&] { ++firstRuns; });
  Application().RegisterWaitHandle(second.Get(), [&] { ++secondRuns; });
  SetEvent(first.Get());
  SetEvent(second.Get());
  {
    const TWatchdog watchdog(3000);
    WaitOnce();
    WaitOnce();
  }
  EXPECT_EQ(1, firstRuns);
  EXPECT_EQ(1, secondRuns);
}

TEST_F(ApplicationWaitTest, HandlerMayUnregisterAndRegisteringAgainReplacesTheHandler) {
  Application().RegisterWaitHandle(first.Get(), [&] { firstRuns += 100; });
  Application().RegisterWaitHandle(first.Get(), [&] {
    ++firstRuns;
    Application().UnregisterWaitHandle(first.Get());
  });
  SetEvent(first.Get());
  {
    const TWatchdog watchdog(3000);
    WaitOnce();
  }
  EXPECT_EQ(1, firstRuns);
  SetEvent(first.Get());
  PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
  Application().HandleMessage();
  EXPECT_EQ(1, firstRuns);
}

TEST_F(ApplicationWaitTest, ErrorInAHandlerEndsOnlyThatEvent) {
  Application().OnException = [](TObject*, const std::exception&) {};
  Application().RegisterWaitHandle(first.Get(), [&] {
    ++firstRuns;
    throw std::runtime_error("handler failed");
  });
  SetEvent(first.Get());
  {
    const TWatchdog watchdog(3000);
    WaitOnce();
  }
  SetEvent(first.Get());
  {
    const TWatchdog watchdog(3000);
    WaitOnce();
  }
  EXPECT_EQ(2, firstRuns);
  Application().OnException.Clear();
}

}  // namespace
