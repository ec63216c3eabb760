#include "tests/dialer/InternetFake.h"

#include <stdexcept>

namespace {

TInternetFake*& ActiveFake() {
  static TInternetFake* active = nullptr;
  return active;
}

}  // namespace

TInternetFake::TInternetFake(const std::string& script)
    : previous_(ActiveFake()),
      scope_(TInternetApi{&GetConnectedState, &Autodial, &AutodialHangup, &Open, &SetOption,
                          &CloseHandle}) {
  SetScript(script);
  ActiveFake() = this;
}

TInternetFake::~TInternetFake() {
  ActiveFake() = previous_;
}

void TInternetFake::SetScript(const std::string& script) {
  const std::vector<std::string> errors = script_.Load(script);
  if (errors.empty()) return;
  std::string message = "bad Internet script:";
  for (const std::string& error : errors)
    message += " " + error + ";";
  throw std::invalid_argument(message);
}

TInternetFake& TInternetFake::Active() {
  return *ActiveFake();
}

BOOL WINAPI TInternetFake::GetConnectedState(DWORD* flags, DWORD reserved) {
  TInternetFake& fake = Active();
  const uint32_t result = fake.script_.ConnectedState();
  if (flags != nullptr) *flags = fake.script_.ConnectionFlags();
  fake.log_.push_back(WininetLog::ConnectedState(flags != nullptr, reserved, result));
  return static_cast<BOOL>(result);
}

BOOL WINAPI TInternetFake::Autodial(DWORD flags, HWND parent) {
  TInternetFake& fake = Active();
  const uint32_t result = fake.script_.Dial();
  fake.log_.push_back(WininetLog::Autodial(flags, reinterpret_cast<uintptr_t>(parent), result));
  return static_cast<BOOL>(result);
}

BOOL WINAPI TInternetFake::AutodialHangup(DWORD reserved) {
  TInternetFake& fake = Active();
  const uint32_t result = fake.script_.HangUp();
  fake.log_.push_back(WininetLog::AutodialHangup(reserved, result));
  return static_cast<BOOL>(result);
}

HINTERNET WINAPI TInternetFake::Open(LPCSTR agent, DWORD access, LPCSTR proxy, LPCSTR bypass,
                                     DWORD flags) {
  TInternetFake& fake = Active();
  const uintptr_t handle = fake.script_.Open();
  fake.log_.push_back(WininetLog::Open(agent, access, proxy, bypass, flags, handle));
  return reinterpret_cast<HINTERNET>(handle);
}

BOOL WINAPI TInternetFake::SetOption(HINTERNET handle, DWORD option, LPVOID buffer, DWORD length) {
  TInternetFake& fake = Active();
  const uint32_t result = fake.script_.SetOption();
  fake.log_.push_back(WininetLog::SetOption(reinterpret_cast<uintptr_t>(handle), option,
                                            buffer != nullptr, length, result));
  return static_cast<BOOL>(result);
}

BOOL WINAPI TInternetFake::CloseHandle(HINTERNET handle) {
  TInternetFake& fake = Active();
  const uint32_t result = fake.script_.Close();
  fake.log_.push_back(WininetLog::CloseHandle(reinterpret_cast<uintptr_t>(handle), result));
  return static_cast<BOOL>(result);
}
