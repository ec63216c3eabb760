// The GIF graphic's process-wide registrations: the "GIF Image" clipboard format, the class
// names for form data, the picture file format "gif" and the clipboard format for the class.
// Windows only.
#pragma once

#include "framework/core/Graphic.h"

class TClassInfo;

// At start-up, before any form data holding a GIF picture is read. Repeating it adds nothing.
void RegisterGIFGraphic();
// At program end: removes every picture file and clipboard format of TDvGIFImage and of the
// classes derived from it. The class names stay known to form data.
void UnregisterGIFGraphic();

// The number of the "GIF Image" clipboard format (registered with the window system on first
// use when start-up has not done so).
TClipboardFormat GIFClipboardFormat();

// The name "TDvGIFFrame" as form data knows it.
const TClassInfo& GIFFrameClassInfo();
