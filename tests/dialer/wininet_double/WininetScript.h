// The scripted Internet layer shared by the wininet.dll test double and the in-process fake.
// Portable: no windows.h.
//
// A script is lines of "key=value[,value...]"; blank lines and lines starting with '#' are
// skipped. Values are decimal or 0x-hex. A list answers successive calls; its last value then
// repeats. Keys and their defaults (the answers plain Wine gives):
//   online=1              InternetGetConnectedState results
//   flags=0               connection flags it writes back
//   dial=1                InternetAutodial results
//   online_after_dial=    replaces the online list after an accepted dial (unset: no change)
//   hangup=1              InternetAutodialHangup results
//   online_after_hangup=  replaces the online list after an accepted hang-up (unset: no change)
//   open=1                InternetOpenA: non-zero gives a new handle, 0 gives null
//   setoption=1           InternetSetOptionA results
//   close=1               InternetCloseHandle results
//   dial_delay_ms=0       time the dial blocks; hangup_delay_ms=0 likewise
// "offline, dial accepted, still offline" is: online=0 / dial=1 / online_after_dial=0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TAnswerList {
 public:
  TAnswerList() = default;
  explicit TAnswerList(std::vector<uint32_t> values) : values_(std::move(values)) {}
  bool Empty() const { return values_.empty(); }
  // The next answer; the last one repeats. 0 for an empty list.
  uint32_t Next();

 private:
  std::vector<uint32_t> values_;
  size_t next_ = 0;
};

class TWininetScript {
 public:
  TWininetScript() { Load(std::string()); }

  // Replaces the script and starts every list again. Returns one message per bad line
  // ("line 3: unknown key 'foo'"); bad lines are skipped, the others apply.
  std::vector<std::string> Load(const std::string& text);

  uint32_t ConnectedState() { return online_.Next(); }
  uint32_t ConnectionFlags() const { return flags_; }
  uint32_t Dial();
  uint32_t HangUp();
  // The handle value for a new session, or 0 when the open is scripted to fail.
  uintptr_t Open();
  uint32_t SetOption() { return setOption_.Next(); }
  uint32_t Close() { return close_.Next(); }
  uint32_t DialDelayMs() const { return dialDelayMs_; }
  uint32_t HangUpDelayMs() const { return hangUpDelayMs_; }

  // Handles are numbered from here, one per successful open.
  static constexpr uintptr_t kFirstHandle = 0xD0001;

 private:
  TAnswerList online_, dial_, hangUp_, open_, setOption_, close_;
  std::vector<uint32_t> onlineAfterDial_, onlineAfterHangUp_;
  uint32_t flags_ = 0;
  uint32_t dialDelayMs_ = 0;
  uint32_t hangUpDelayMs_ = 0;
  uintptr_t nextHandle_ = kFirstHandle;
};

// The log lines both doubles write, one per call, e.g.
//   InternetAutodial(flags=3, parent=0) = 1
//   InternetOpenA(agent="Dorv Internet Auto-Dialer", access=1, proxy=null, bypass=null,
//                 flags=0x01000000) = 0xD0001          (one line)
namespace WininetLog {
std::string ConnectedState(bool hasFlagsPointer, uint32_t reserved, uint32_t result);
std::string Autodial(uint32_t flags, uintptr_t parent, uint32_t result);
std::string AutodialHangup(uint32_t reserved, uint32_t result);
std::string Open(const char* agent, uint32_t access, const char* proxy, const char* bypass,
                 uint32_t flags, uintptr_t result);
std::string SetOption(uintptr_t handle, uint32_t option, bool hasBuffer, uint32_t length,
                      uint32_t result);
std::string CloseHandle(uintptr_t handle, uint32_t result);
}  // namespace WininetLog
