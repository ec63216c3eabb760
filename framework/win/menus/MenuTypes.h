// Vocabulary shared by the menu classes and the painters that plug into them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/Events.h"
#include "framework/core/Types.h"

class TCanvas;

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };
enum TPopupAlignment { paLeft, paRight, paCenter };
enum TFindItemKind { fkCommand, fkHandle, fkShortCut };

// Form data names: "mbNone", ...; "paLeft", ...
const std::vector<std::string>& MenuBreakNames();
const std::vector<std::string>& PopupAlignmentNames();

// The owner-draw state of an item: exactly the window system's ODS_* bits of DRAWITEMSTRUCT.
using TOwnerDrawState = uint32_t;
constexpr TOwnerDrawState odSelected = 0x1;
constexpr TOwnerDrawState odGrayed = 0x2;
constexpr TOwnerDrawState odDisabled = 0x4;
constexpr TOwnerDrawState odChecked = 0x8;
constexpr TOwnerDrawState odFocused = 0x10;
constexpr TOwnerDrawState odDefault = 0x20;
constexpr TOwnerDrawState odHotLight = 0x40;
constexpr TOwnerDrawState odInactive = 0x80;
constexpr TOwnerDrawState odNoAccel = 0x100;
constexpr TOwnerDrawState kOwnerDrawStateMask = 0x1FF;

// Sender, canvas (holding the system menu font), var width, var height.
using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas&, int&, int&>;
// Sender, canvas, item rectangle, selected.
using TMenuDrawItemEvent = TEvent<TObject*, TCanvas&, const TRect&, bool>;
// Sender, canvas, item rectangle, owner-draw state.
using TMenuAdvancedDrawItemEvent = TEvent<TObject*, TCanvas&, const TRect&, TOwnerDrawState>;
