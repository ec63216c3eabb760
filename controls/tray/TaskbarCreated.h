// The "TaskbarCreated" broadcast: the shell sends it to every top-level window when it (re)starts,
// and a tray icon then adds itself again. Its message number is obtained once per process.
#pragma once

#include <windows.h>

// RegisterWindowMessageA("TaskbarCreated") on the first call; later calls change nothing.
void RegisterTaskbarCreatedMessage();
// The message number; 0 until it was registered.
UINT TaskbarCreatedMessage();
