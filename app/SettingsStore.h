// Where the program's settings live. The key for all users (HKEY_LOCAL_MACHINE) when the account
// may write it; when that is refused for lack of rights (a standard account, or an administrator
// without elevation), the same path for the current user, for the rest of the run.
#pragma once

class TRegistry;

class TSettingsStore {
 public:
  // What an open for loading found.
  enum class TSource {
    None,            // nothing to load: the key cannot be opened
    Own,             // the store's own key
    SharedDefaults,  // no key of the user's yet: the key for all users, opened for reading
  };

  // Opens the key to load from in registry (created in the store when there is none to read).
  // Never throws.
  TSource OpenForLoad(TRegistry& registry);
  // Opens the store's key, created when missing, for writing. False when it cannot be opened.
  // Never throws.
  bool OpenForSave(TRegistry& registry);

  // True once the key for all users was refused and the user's own key is the store.
  bool PerUser() const { return perUser_; }

 private:
  // Opens the key for all users for writing; on a refusal for lack of rights the store becomes
  // the user's own for good.
  bool OpenMachineKey(TRegistry& registry);

  bool perUser_ = false;
};
