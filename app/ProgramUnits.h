// The process-wide registrations of the units the program is made of: form classes of every
// control folder, the tray icon's "TaskbarCreated" message, the GIF graphic's formats and the
// menu-animation switch. Made before any form data is read; undone at program end.
#pragma once

class TProgramUnits {
 public:
  // Registers every unit (repeating a registration adds nothing).
  TProgramUnits();
  // Removes the GIF graphic's formats and writes the saved menu-animation setting back.
  ~TProgramUnits();
  TProgramUnits(const TProgramUnits&) = delete;
  TProgramUnits& operator=(const TProgramUnits&) = delete;
};
