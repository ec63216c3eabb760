// Pixels of the screen and reference pictures of the state images, for checks of what another
// process shows.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

// The screen's pixels in rect (screen coordinates), row by row, as 0x00BBGGRR.
std::vector<COLORREF> ScreenBlock(const RECT& rect);
// The pixels of the window's whole rectangle on the screen.
std::vector<COLORREF> WindowPixels(HWND window);
// The window's pixels once four readings 50 ms apart agree (or after about 2 s).
std::vector<COLORREF> SettledPixels(HWND window);

// Image index of the stored state image data in file (the platform image-list stream) drawn
// transparently on a square of background, as the image square draws it; empty when the file
// cannot be read.
std::vector<COLORREF> StateImageOn(const std::string& file, int index, COLORREF background,
                                   int size = 16);
