// Start-up registration of the menu folder: makes TDvPopupMenu, TDvMainMenu, TDvMenuStyler and
// TDvMenuFantasyStyler known to form data (with the framework's menu classes they build on).
// Idempotent; call before any form data is read. The menu animation switch is separate
// (MenuAnimation.h).
#pragma once

void RegisterMenuControls();
