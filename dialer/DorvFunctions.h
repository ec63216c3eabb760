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

// Under HKEY_LOCAL_MACHINE, "Software\Microsoft\Windows\CurrentVersion\Run" (+ "Once").
std::string RunKeyPath(bool RunOnce);

// Writes EntryName = Command (REG_SZ) into the Run (or RunOnce) key, creating the key.
// Throws ERegistryException "Failed to create key %s" or "Failed to set data for '%s'";
// a key that was created but cannot be opened is silently left unwritten.
void AddRunEntry(const std::string& EntryName, const std::string& Command, bool RunOnce);

// Deletes the entry; a missing key or value is no error. Never throws a registry error.
void RemoveRunEntry(const std::string& EntryName, bool RunOnce);

// True when the entry exists and holds Command, ignoring the case of ASCII letters only.
// A missing key or value yields false and creates nothing. Throws ERegistryException
// "Invalid data type for '%s'" for a stored value that is not a string.
bool RunEntryMatches(const std::string& EntryName, const std::string& Command, bool RunOnce);

// Tells the Internet layer that its per-user settings changed: opens an offline session named
// agent, sets the "settings changed" option on it and closes it. True when the option was set;
// false when the session or the option failed. Never throws.
bool NotifyInternetSettingsChanged(const std::string& agent) noexcept;

}  // namespace DorvFunctions
