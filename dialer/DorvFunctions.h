// Connection and autorun primitives: the only code that talks to the Internet layer and to the
// Run key. No state is kept between calls.
#pragma once

#include <string>

namespace DorvFunctions {

// True when the Internet layer reports a connection. Never throws: every failure reads as false.
bool IsOnline() noexcept;

// Asks the Internet layer to dial the default connection and blocks until it returns.
// Unattended dials without asking the user. Returns the layer's verdict.
bool DialDefaultConnection(bool Unattended);

// True when the layer accepted the hang-up request (not that the machine went offline).
bool HangUpConnection();

// "Software\Microsoft\Windows\CurrentVersion\Run" (+ "Once"), below HKEY_LOCAL_MACHINE for all
// users and below HKEY_CURRENT_USER for the current user.
std::string RunKeyPath(bool RunOnce);

// Writes EntryName = Command (REG_SZ, UTF-16, so any path survives) into the Run (or RunOnce) key
// for all users, creating the key; when the account lacks the rights there, into the current
// user's key instead. Throws ERegistryException "Failed to create key %s" or "Failed to set data
// for '%s'"; a key that was created but cannot be opened is silently left unwritten.
void AddRunEntry(const std::string& EntryName, const std::wstring& Command, bool RunOnce);

// Deletes the entry from both keys as far as the account may; a missing key or value is no
// error. Returns false when an entry for all users remains that only an administrator can
// remove. Never throws a registry error.
bool RemoveRunEntry(const std::string& EntryName, bool RunOnce);

// True when either key (all users, current user) holds the entry with Command, ignoring the case
// of ASCII letters only. Reads with read access only; a missing key or value yields false and
// creates nothing. Throws ERegistryException "Invalid data type for '%s'" for a stored value
// that is not a string.
bool RunEntryMatches(const std::string& EntryName, const std::wstring& Command, bool RunOnce);

// Tells the Internet layer that its per-user settings changed: opens an offline session named
// agent, sets the "settings changed" option on it and closes it. True when the option was set;
// false when the session or the option failed. Never throws.
bool NotifyInternetSettingsChanged(const std::string& agent) noexcept;

}  // namespace DorvFunctions
