#include "tests/dialer/wininet_double/WininetScript.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return std::string();
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool ParseNumber(const std::string& text, uint32_t& value) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return false;
  const bool hex =
      trimmed.size() > 2 && trimmed[0] == '0' && (trimmed[1] == 'x' || trimmed[1] == 'X');
  const std::string digits = hex ? trimmed.substr(2) : trimmed;
  const std::string allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
  if (digits.empty() || digits.size() > 10 ||
      digits.find_first_not_of(allowed) != std::string::npos)
    return false;
  const unsigned long long parsed = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
  if (parsed > 0xFFFFFFFFull) return false;
  value = static_cast<uint32_t>(parsed);
  return true;
}

bool ParseList(const std::string& text, std::vector<uint32_t>& values) {
  values.clear();
  std::stringstream stream(text);
  std::string item;
  while (std::getline(stream, item, ',')) {
    uint32_t value = 0;
    if (!ParseNumber(item, value)) return false;
    values.push_back(value);
  }
  return !values.empty();
}

std::string Hex(uintptr_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
  return text;
}

std::string Quoted(const char* text) {
  return text == nullptr ? std::string("null") : '"' + std::string(text) + '"';
}

}  // namespace

uint32_t TAnswerList::Next() {
  if (values_.empty()) return 0;
  const uint32_t value = values_[next_ < values_.size() ? next_ : values_.size() - 1];
  if (next_ < values_.size()) ++next_;
  return value;
}

std::vector<std::string> TWininetScript::Load(const std::string& text) {
  online_ = dial_ = hangUp_ = open_ = setOption_ = close_ = TAnswerList({1});
  onlineAfterDial_.clear();
  onlineAfterHangUp_.clear();
  flags_ = dialDelayMs_ = hangUpDelayMs_ = 0;
  nextHandle_ = kFirstHandle;

  std::vector<std::string> errors;
  std::stringstream stream(text);
  std::string line;
  for (int number = 1; std::getline(stream, line); ++number) {
    line = Trim(line);
    if (line.empty() || line[0] == '#') continue;
    const std::string where = "line " + std::to_string(number) + ": ";
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      errors.push_back(where + "expected key=value");
      continue;
    }
    const std::string key = Trim(line.substr(0, equals));
    std::vector<uint32_t> values;
    if (!ParseList(line.substr(equals + 1), values)) {
      errors.push_back(where + "bad value for '" + key + "'");
      continue;
    }
    if (key == "online")
      online_ = TAnswerList(values);
    else if (key == "dial")
      dial_ = TAnswerList(values);
    else if (key == "hangup")
      hangUp_ = TAnswerList(values);
    else if (key == "open")
      open_ = TAnswerList(values);
    else if (key == "setoption")
      setOption_ = TAnswerList(values);
    else if (key == "close")
      close_ = TAnswerList(values);
    else if (key == "online_after_dial")
      onlineAfterDial_ = values;
    else if (key == "online_after_hangup")
      onlineAfterHangUp_ = values;
    else if (key == "flags")
      flags_ = values.front();
    else if (key == "dial_delay_ms")
      dialDelayMs_ = values.front();
    else if (key == "hangup_delay_ms")
      hangUpDelayMs_ = values.front();
    else
      errors.push_back(where + "unknown key '" + key + "'");
  }
  return errors;
}

uint32_t TWininetScript::Dial() {
  const uint32_t result = dial_.Next();
  if (result != 0 && !onlineAfterDial_.empty()) online_ = TAnswerList(onlineAfterDial_);
  return result;
}

uint32_t TWininetScript::HangUp() {
  const uint32_t result = hangUp_.Next();
  if (result != 0 && !onlineAfterHangUp_.empty()) online_ = TAnswerList(onlineAfterHangUp_);
  return result;
}

uintptr_t TWininetScript::Open() {
  return open_.Next() != 0 ? nextHandle_++ : 0;
}

namespace WininetLog {

std::string ConnectedState(bool hasFlagsPointer, uint32_t reserved, uint32_t result) {
  return "InternetGetConnectedState(flags=" + std::string(hasFlagsPointer ? "ptr" : "null") +
         ", reserved=" + std::to_string(reserved) + ") = " + std::to_string(result);
}

std::string Autodial(uint32_t flags, uintptr_t parent, uint32_t result) {
  return "InternetAutodial(flags=" + std::to_string(flags) +
         ", parent=" + (parent == 0 ? std::string("0") : Hex(parent)) +
         ") = " + std::to_string(result);
}

std::string AutodialHangup(uint32_t reserved, uint32_t result) {
  return "InternetAutodialHangup(reserved=" + std::to_string(reserved) +
         ") = " + std::to_string(result);
}

std::string Open(const char* agent, uint32_t access, const char* proxy, const char* bypass,
                 uint32_t flags, uintptr_t result) {
  char flagsText[16];
  std::snprintf(flagsText, sizeof flagsText, "0x%08X", static_cast<unsigned>(flags));
  return "InternetOpenA(agent=" + Quoted(agent) + ", access=" + std::to_string(access) +
         ", proxy=" + Quoted(proxy) + ", bypass=" + Quoted(bypass) + ", flags=" + flagsText +
         ") = " + (result == 0 ? std::string("null") : Hex(result));
}

std::string SetOption(uintptr_t handle, uint32_t option, bool hasBuffer, uint32_t length,
                      uint32_t result) {
  return "InternetSetOptionA(handle=" + Hex(handle) + ", option=" + std::to_string(option) +
         ", buffer=" + (hasBuffer ? "ptr" : "null") + ", length=" + std::to_string(length) +
         ") = " + std::to_string(result);
}

std::string CloseHandle(uintptr_t handle, uint32_t result) {
  return "InternetCloseHandle(handle=" + Hex(handle) + ") = " + std::to_string(result);
}

}  // namespace WininetLog
