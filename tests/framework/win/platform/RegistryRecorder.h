// Records the registry calls of TRegistry (and everything built on it), injects failures and
// redirects keys, through the registry call table. While alive it forwards to the table that was
// in force when it was made (normally the real registry). One recorder at a time.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "framework/win/platform/RegistryApi.h"

enum class TRegistryOp { CreateKey, OpenKey, QueryValue, SetValue, DeleteValue, CloseKey };

struct TRegistryCall {
  TRegistryOp op;
  std::string key;    // the key acted on, e.g. "HKEY_LOCAL_MACHINE\Software\X"; for CreateKey and
                      // OpenKey the key the path was given relative to
  std::string name;   // CreateKey / OpenKey: the sub-key path as passed; else the value name
  REGSAM access = 0;  // CreateKey / OpenKey
  DWORD type = REG_NONE;   // SetValue
  std::vector<BYTE> data;  // SetValue: the bytes passed
  LSTATUS status = ERROR_SUCCESS;
  bool wide = false;  // QueryValue / SetValue through the wide entry point
};

class TRegistryRecorder {
 public:
  TRegistryRecorder();
  ~TRegistryRecorder();
  TRegistryRecorder(const TRegistryRecorder&) = delete;
  TRegistryRecorder& operator=(const TRegistryRecorder&) = delete;

  const std::vector<TRegistryCall>& Calls() const { return calls_; }
  // The successful SetValue and DeleteValue calls in order, one line each:
  //   HKEY_LOCAL_MACHINE\Software\X\Enable = REG_DWORD 1
  //   HKEY_LOCAL_MACHINE\Software\X\Name = REG_SZ "text"
  //   HKEY_LOCAL_MACHINE\Software\X\Path = REG_SZ L"text"     (wide entry point; text in UTF-8)
  //   HKEY_LOCAL_MACHINE\Software\X\Name deleted
  std::vector<std::string> Writes() const;
  // Key handles handed out and not closed yet.
  int OpenKeyCount() const { return static_cast<int>(handles_.size()); }
  void ClearCalls() { calls_.clear(); }

  // Later calls of op whose name (sub-key path or value name, ASCII case ignored) equals name
  // fail with status without reaching the registry, after the first `skip` of them went through.
  // An empty name matches every call.
  void Fail(TRegistryOp op, const std::string& name, LSTATUS status = ERROR_ACCESS_DENIED,
            int skip = 0);
  void ClearFailures() { failures_.clear(); }

  // A standard account's rights under root (Wine grants everything): creating a key, opening one
  // for more than reading, and writing or deleting values there fail with ERROR_ACCESS_DENIED.
  void DenyWriteAccess(HKEY root);

  // Opening or creating root\path, or a key below it, acts on toRoot\toPath instead. Calls are
  // recorded with the paths the code asked for.
  void Redirect(HKEY root, const std::string& path, HKEY toRoot, const std::string& toPath);

  static std::string RootName(HKEY root);

 private:
  struct THandle {
    HKEY key;
    std::string path;
    bool redirected;
  };
  struct TFailure {
    TRegistryOp op;
    std::string name;
    LSTATUS status;
    int skip;
  };
  struct TRedirect {
    std::string from;  // full path, e.g. "HKEY_LOCAL_MACHINE\Software\X"
    HKEY toRoot;
    std::string toPath;
  };

  static TRegistryRecorder& Active();
  static LSTATUS WINAPI CreateKeyEx(HKEY base, LPCSTR subKey, DWORD reserved, LPSTR keyClass,
                                    DWORD options, REGSAM access, LPSECURITY_ATTRIBUTES security,
                                    PHKEY result, LPDWORD disposition);
  static LSTATUS WINAPI OpenKeyEx(HKEY base, LPCSTR subKey, DWORD options, REGSAM access,
                                  PHKEY result);
  static LSTATUS WINAPI QueryValueEx(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type,
                                     LPBYTE data, LPDWORD size);
  static LSTATUS WINAPI SetValueEx(HKEY key, LPCSTR name, DWORD reserved, DWORD type,
                                   const BYTE* data, DWORD size);
  static LSTATUS WINAPI DeleteValue(HKEY key, LPCSTR name);
  static LSTATUS WINAPI CloseKey(HKEY key);
  static LSTATUS WINAPI QueryValueExW(HKEY key, LPCWSTR name, LPDWORD reserved, LPDWORD type,
                                      LPBYTE data, LPDWORD size);
  static LSTATUS WINAPI SetValueExW(HKEY key, LPCWSTR name, DWORD reserved, DWORD type,
                                    const BYTE* data, DWORD size);

  const THandle* FindHandle(HKEY key) const;
  std::string KeyPath(HKEY key) const;
  bool Failing(TRegistryOp op, const std::string& name, LSTATUS& status);
  // Whether a call on the key at path (a full path) needing those rights is refused.
  bool Denied(const std::string& path, REGSAM access) const;
  // Records a value call and makes it through the next table unless it is made to fail.
  LSTATUS ValueCall(TRegistryCall record, const std::function<LSTATUS()>& call);
  // Opens or creates through the next table, applying redirections; records the new handle.
  LSTATUS OpenOrCreate(TRegistryOp op, HKEY base, LPCSTR subKey, REGSAM access,
                       const std::function<LSTATUS(HKEY, const char*)>& call, PHKEY result);

  TRegistryApi next_;
  TRegistryRecorder* previous_;
  std::vector<TRegistryCall> calls_;
  std::vector<THandle> handles_;
  std::vector<TFailure> failures_;
  std::vector<TRedirect> redirects_;
  std::vector<std::string> deniedRoots_;
  TRegistryApiScope scope_;
};
