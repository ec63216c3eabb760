// The nine built-in looks of TDvMenuFantasyStyler. A preset writes only its own properties; every
// other value of the styler stays as it was.
#pragma once

#include "controls/menu/core/MenuStylerTypes.h"

class TCustomDvMenuStyler;

// Applies the preset of style; a value outside the nine applies nothing. Never throws for a
// program without the "MENUTEXTURE" resource (fsTextured then leaves the background picture
// empty).
void ApplyFantasyPreset(TCustomDvMenuStyler& styler, TFantasyStyle style);
