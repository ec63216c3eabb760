// The bold text of a default item drawn as crisply as the regular text beside it.
#pragma once

#include <windows.h>

class TFont;

// Whether text in font is drawn with smoothed (grey) edges on this system: a sample is drawn black
// on white and any pixel in between tells. False when no sample can be drawn.
bool DrawsSmoothed(const LOGFONTA& font);

// A font file's hinting table may ask for smoothing of the bold face at a size where the regular
// face is drawn bi-level (Liberation Sans at 11 pixels does); the bold text would then look lighter
// than its neighbours. A bold font in that case is asked for bi-level drawing as well. Nothing
// changes for a font that is not bold or whose faces agree.
void MatchRegularSmoothing(TFont& font);
