// The system-wide menu animation setting, switched off while the program runs (the styled menus
// move and clip their windows as they are drawn) and written back at exit.
#pragma once

// Start-up: reads SPI_GETMENUANIMATION, then switches the animation off (SPIF_SENDCHANGE). A
// second call while switched off changes nothing. Never throws.
void SwitchOffMenuAnimation();
// Exit: writes the saved setting back (SPIF_SENDCHANGE); nothing when it was not switched off.
// Never throws.
void RestoreMenuAnimation();
// The setting saved at start-up (false before).
bool SavedMenuAnimation();
