#include "tests/installer/ShortcutFile.h"

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

namespace {

// Releases a COM interface when it goes.
template <typename TInterface>
class TComPtr {
 public:
  TComPtr() = default;
  ~TComPtr() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  TComPtr(const TComPtr&) = delete;
  TComPtr& operator=(const TComPtr&) = delete;

  TInterface* operator->() const { return pointer_; }
  TInterface** Receive() { return &pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  TInterface* pointer_ = nullptr;
};

// COM for this thread while the reader runs.
class TComScope {
 public:
  TComScope() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~TComScope() {
    if (initialized_) CoUninitialize();
  }
  TComScope(const TComScope&) = delete;
  TComScope& operator=(const TComScope&) = delete;

 private:
  bool initialized_;
};

}  // namespace

std::optional<TShortcut> ReadShortcut(const std::wstring& path) {
  const TComScope com;
  TComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(link.Receive()))))
    return std::nullopt;
  TComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Receive()))) ||
      FAILED(file->Load(path.c_str(), STGM_READ)))
    return std::nullopt;
  wchar_t text[MAX_PATH] = {};
  TShortcut shortcut;
  if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) shortcut.target = text;
  text[0] = L'\0';
  if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH))) shortcut.workingFolder = text;
  text[0] = L'\0';
  if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &shortcut.iconIndex)))
    shortcut.iconFile = text;
  return shortcut;
}
