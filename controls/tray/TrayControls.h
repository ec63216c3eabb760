// Start-up registration of the tray folder: makes TDvTrayIcon known to form data and obtains the
// "TaskbarCreated" message number. Idempotent; call before any form data is read.
#pragma once

void RegisterTrayControls();
