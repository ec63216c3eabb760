// Answers the uninstaller's windows as a user would: "Uninstall" on its first page, Yes or No to
// its question about the settings, "Close" on its last page.
#pragma once

#include <string>

struct TUninstallerAnswers {
  // The question's text as the message box showed it; empty when none came.
  std::wstring question;
  bool closed = false;
};

TUninstallerAnswers AnswerUninstaller(bool keepSettings, int timeoutMs = 30000);
