// The remote access calls of the link-drop watch, behind a table that tests can replace for a
// while (the rasapi32 counterpart of InternetApi).
#pragma once

#include <windows.h>
#include <ras.h>

// One pointer per rasapi32 entry point used; signatures are the platform's.
struct TRasApi {
  decltype(&::RasConnectionNotificationW) ConnectionNotification;
};

// rasapi32's own entry points.
const TRasApi& SystemRasApi();

// The table in force: the innermost live TRasApiScope, else SystemRasApi().
const TRasApi& RasApi();

// Puts a table in force for its lifetime and restores the previous one afterwards.
// Scopes nest; destroy them in reverse order of creation (automatic variables do).
class TRasApiScope {
 public:
  explicit TRasApiScope(const TRasApi& api);
  ~TRasApiScope();
  TRasApiScope(const TRasApiScope&) = delete;
  TRasApiScope& operator=(const TRasApiScope&) = delete;

 private:
  TRasApi api_;
  const TRasApi* previous_;
};
