#include "tests/framework/win/platform/RegistryRecorder.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "framework/core/SysUtils.h"

namespace {

TRegistryRecorder*& ActiveRecorder() {
  static TRegistryRecorder* active = nullptr;
  return active;
}

std::string Join(const std::string& path, const std::string& subKey) {
  if (subKey.empty()) return path;
  return path + '\\' + subKey;
}

// True when path is prefix itself or lies below it; rest receives what follows.
bool Below(const std::string& path, const std::string& prefix, std::string& rest) {
  if (path.size() < prefix.size() || !SameTextAscii(path.substr(0, prefix.size()), prefix))
    return false;
  if (path.size() == prefix.size()) {
    rest.clear();
    return true;
  }
  if (path[prefix.size()] != '\\') return false;
  rest = path.substr(prefix.size() + 1);
  return true;
}

std::string Utf8(const wchar_t* text, size_t length) {
  if (length == 0) return std::string();
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), utf8.data(), size, nullptr,
                      nullptr);
  return utf8;
}

std::string Utf8(LPCWSTR text) {
  return text == nullptr ? std::string() : Utf8(text, std::wcslen(text));
}

TRegistryCall NewRecord(TRegistryOp op, std::string key, std::string name) {
  TRegistryCall record{};
  record.op = op;
  record.key = std::move(key);
  record.name = std::move(name);
  return record;
}

constexpr REGSAM kWriteRights =
    KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | DELETE | WRITE_DAC | WRITE_OWNER;

}  // namespace

TRegistryRecorder::TRegistryRecorder()
    : next_(RegistryApi()),
      previous_(ActiveRecorder()),
      scope_(TRegistryApi{&CreateKeyEx, &OpenKeyEx, &QueryValueEx, &SetValueEx, &DeleteValue,
                          &CloseKey, &QueryValueExW, &SetValueExW}) {
  ActiveRecorder() = this;
}

TRegistryRecorder::~TRegistryRecorder() {
  // Keys the code under test leaked are closed here so that the test prefix stays tidy.
  for (const THandle& handle : handles_)
    next_.CloseKey(handle.key);
  ActiveRecorder() = previous_;
}

TRegistryRecorder& TRegistryRecorder::Active() {
  return *ActiveRecorder();
}

std::string TRegistryRecorder::RootName(HKEY root) {
  if (root == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
  if (root == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
  if (root == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
  if (root == HKEY_USERS) return "HKEY_USERS";
  return std::string();
}

void TRegistryRecorder::Fail(TRegistryOp op, const std::string& name, LSTATUS status, int skip) {
  failures_.push_back({op, name, status, skip});
}

void TRegistryRecorder::Redirect(HKEY root, const std::string& path, HKEY toRoot,
                                 const std::string& toPath) {
  redirects_.push_back({Join(RootName(root), path), toRoot, toPath});
}

void TRegistryRecorder::DenyWriteAccess(HKEY root) {
  deniedRoots_.push_back(RootName(root));
}

bool TRegistryRecorder::Denied(const std::string& path, REGSAM access) const {
  if ((access & kWriteRights) == 0) return false;
  std::string rest;
  return std::any_of(deniedRoots_.begin(), deniedRoots_.end(),
                     [&](const std::string& root) { return Below(path, root, rest); });
}

const TRegistryRecorder::THandle* TRegistryRecorder::FindHandle(HKEY key) const {
  const auto found = std::find_if(handles_.begin(), handles_.end(),
                                  [key](const THandle& handle) { return handle.key == key; });
  return found == handles_.end() ? nullptr : &*found;
}

std::string TRegistryRecorder::KeyPath(HKEY key) const {
  if (const THandle* handle = FindHandle(key)) return handle->path;
  const std::string root = RootName(key);
  return root.empty() ? std::string("?") : root;
}

bool TRegistryRecorder::Failing(TRegistryOp op, const std::string& name, LSTATUS& status) {
  for (TFailure& failure : failures_) {
    if (failure.op == op && (failure.name.empty() || SameTextAscii(failure.name, name))) {
      if (failure.skip > 0) {
        --failure.skip;
        return false;
      }
      status = failure.status;
      return true;
    }
  }
  return false;
}

LSTATUS TRegistryRecorder::OpenOrCreate(TRegistryOp op, HKEY base, LPCSTR subKey, REGSAM access,
                                        const std::function<LSTATUS(HKEY, const char*)>& call,
                                        PHKEY result) {
  const std::string name = subKey != nullptr ? subKey : "";
  TRegistryCall record = NewRecord(op, KeyPath(base), name);
  record.access = access;
  const std::string wanted = Join(record.key, name);

  if (Denied(wanted, access)) {
    record.status = ERROR_ACCESS_DENIED;
  } else if (!Failing(op, name, record.status)) {
    HKEY realBase = base;
    std::string realSubKey = name;
    const THandle* baseHandle = FindHandle(base);
    if (baseHandle == nullptr || !baseHandle->redirected) {
      for (const TRedirect& redirect : redirects_) {
        std::string rest;
        if (Below(wanted, redirect.from, rest)) {
          realBase = redirect.toRoot;
          realSubKey = Join(redirect.toPath, rest);
          break;
        }
      }
    }
    const bool redirected = realBase != base || (baseHandle != nullptr && baseHandle->redirected);
    record.status = call(realBase, realSubKey.c_str());
    if (record.status == ERROR_SUCCESS) handles_.push_back({*result, wanted, redirected});
  }
  calls_.push_back(std::move(record));
  return calls_.back().status;
}

LSTATUS WINAPI TRegistryRecorder::CreateKeyEx(HKEY base, LPCSTR subKey, DWORD reserved,
                                              LPSTR keyClass, DWORD options, REGSAM access,
                                              LPSECURITY_ATTRIBUTES security, PHKEY result,
                                              LPDWORD disposition) {
  TRegistryRecorder& recorder = Active();
  return recorder.OpenOrCreate(
      TRegistryOp::CreateKey, base, subKey, access,
      [&](HKEY realBase, const char* realSubKey) {
        return recorder.next_.CreateKeyEx(realBase, realSubKey, reserved, keyClass, options, access,
                                          security, result, disposition);
      },
      result);
}

LSTATUS WINAPI TRegistryRecorder::OpenKeyEx(HKEY base, LPCSTR subKey, DWORD options, REGSAM access,
                                            PHKEY result) {
  TRegistryRecorder& recorder = Active();
  return recorder.OpenOrCreate(
      TRegistryOp::OpenKey, base, subKey, access,
      [&](HKEY realBase, const char* realSubKey) {
        return recorder.next_.OpenKeyEx(realBase, realSubKey, options, access, result);
      },
      result);
}

LSTATUS TRegistryRecorder::ValueCall(TRegistryCall record, const std::function<LSTATUS()>& call) {
  const bool writing = record.op == TRegistryOp::SetValue || record.op == TRegistryOp::DeleteValue;
  if (writing && Denied(record.key, KEY_SET_VALUE))
    record.status = ERROR_ACCESS_DENIED;
  else if (!Failing(record.op, record.name, record.status))
    record.status = call();
  calls_.push_back(std::move(record));
  return calls_.back().status;
}

LSTATUS WINAPI TRegistryRecorder::QueryValueEx(HKEY key, LPCSTR name, LPDWORD reserved,
                                               LPDWORD type, LPBYTE data, LPDWORD size) {
  TRegistryRecorder& recorder = Active();
  TRegistryCall record =
      NewRecord(TRegistryOp::QueryValue, recorder.KeyPath(key), name != nullptr ? name : "");
  return recorder.ValueCall(std::move(record), [&] {
    return recorder.next_.QueryValueEx(key, name, reserved, type, data, size);
  });
}

LSTATUS WINAPI TRegistryRecorder::QueryValueExW(HKEY key, LPCWSTR name, LPDWORD reserved,
                                                LPDWORD type, LPBYTE data, LPDWORD size) {
  TRegistryRecorder& recorder = Active();
  TRegistryCall record = NewRecord(TRegistryOp::QueryValue, recorder.KeyPath(key), Utf8(name));
  record.wide = true;
  return recorder.ValueCall(std::move(record), [&] {
    return recorder.next_.QueryValueExW(key, name, reserved, type, data, size);
  });
}

LSTATUS WINAPI TRegistryRecorder::SetValueEx(HKEY key, LPCSTR name, DWORD reserved, DWORD type,
                                             const BYTE* data, DWORD size) {
  TRegistryRecorder& recorder = Active();
  TRegistryCall record =
      NewRecord(TRegistryOp::SetValue, recorder.KeyPath(key), name != nullptr ? name : "");
  record.type = type;
  if (data != nullptr) record.data.assign(data, data + size);
  return recorder.ValueCall(std::move(record), [&] {
    return recorder.next_.SetValueEx(key, name, reserved, type, data, size);
  });
}

LSTATUS WINAPI TRegistryRecorder::SetValueExW(HKEY key, LPCWSTR name, DWORD reserved, DWORD type,
                                              const BYTE* data, DWORD size) {
  TRegistryRecorder& recorder = Active();
  TRegistryCall record = NewRecord(TRegistryOp::SetValue, recorder.KeyPath(key), Utf8(name));
  record.type = type;
  record.wide = true;
  if (data != nullptr) record.data.assign(data, data + size);
  return recorder.ValueCall(std::move(record), [&] {
    return recorder.next_.SetValueExW(key, name, reserved, type, data, size);
  });
}

LSTATUS WINAPI TRegistryRecorder::DeleteValue(HKEY key, LPCSTR name) {
  TRegistryRecorder& recorder = Active();
  TRegistryCall record =
      NewRecord(TRegistryOp::DeleteValue, recorder.KeyPath(key), name != nullptr ? name : "");
  return recorder.ValueCall(std::move(record),
                            [&] { return recorder.next_.DeleteValue(key, name); });
}

LSTATUS WINAPI TRegistryRecorder::CloseKey(HKEY key) {
  TRegistryRecorder& recorder = Active();
  TRegistryCall record = NewRecord(TRegistryOp::CloseKey, recorder.KeyPath(key), "");
  if (!recorder.Failing(record.op, record.name, record.status)) {
    record.status = recorder.next_.CloseKey(key);
    auto& handles = recorder.handles_;
    handles.erase(std::remove_if(handles.begin(), handles.end(),
                                 [key](const THandle& handle) { return handle.key == key; }),
                  handles.end());
  }
  recorder.calls_.push_back(std::move(record));
  return recorder.calls_.back().status;
}

std::vector<std::string> TRegistryRecorder::Writes() const {
  std::vector<std::string> writes;
  for (const TRegistryCall& call : calls_) {
    if (call.status != ERROR_SUCCESS) continue;
    const std::string value = call.key + '\\' + call.name;
    if (call.op == TRegistryOp::DeleteValue) {
      writes.push_back(value + " deleted");
    } else if (call.op != TRegistryOp::SetValue) {
      continue;
    } else if (call.type == REG_DWORD && call.data.size() == 4) {
      int32_t number;
      std::memcpy(&number, call.data.data(), sizeof number);
      writes.push_back(value + " = REG_DWORD " + std::to_string(number));
    } else if (call.type == REG_SZ || call.type == REG_EXPAND_SZ) {
      std::string text;
      if (call.wide) {
        std::wstring wide(call.data.size() / sizeof(wchar_t), L'\0');
        std::memcpy(wide.data(), call.data.data(), wide.size() * sizeof(wchar_t));
        wide.resize(std::min(wide.size(), wide.find(L'\0')));
        text = "L\"" + Utf8(wide.data(), wide.size()) + '"';
      } else {
        text =
            '"' +
            std::string(call.data.begin(), std::find(call.data.begin(), call.data.end(), BYTE{0})) +
            '"';
      }
      writes.push_back(value + (call.type == REG_SZ ? " = REG_SZ " : " = REG_EXPAND_SZ ") + text);
    } else {
      writes.push_back(value + " = type " + std::to_string(call.type) + ", " +
                       std::to_string(call.data.size()) + " bytes");
    }
  }
  return writes;
}
