// The vocabulary that the framed controls share: frame styles and sides, the framing preference,
// text styles and orientations, with the names form data uses for them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum TFrameStyleEx {
  fsNone,
  fsFlat,
  fsGroove,
  fsBump,
  fsLowered,
  fsButtonDown,
  fsRaised,
  fsButtonUp,
  fsStatus,
  fsPopup,
  fsFlatBold,
  fsFlatRounded
};
// The styles a frame setting takes: fsNone..fsFlatBold.
using TFrameStyle = TFrameStyleEx;

enum TSide { sdLeft, sdTop, sdRight, sdBottom };
using TSides = uint32_t;  // bit (1 << TSide): left 1, top 2, right 4, bottom 8
constexpr TSides SideBit(TSide side) {
  return 1u << side;
}
constexpr TSides kAllSides = 15;

// Whether the platform's themed border wins over the custom frame while themes are active.
enum TFramingPreference { fpCustomFraming, fpXPThemes };

enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };

enum TOrientation { orHorizontal, orVertical };

const std::vector<std::string>& FrameStyleExNames();
// fsNone..fsFlatBold only, so that form data cannot give a frame setting fsFlatRounded.
const std::vector<std::string>& FrameStyleNames();
const std::vector<std::string>& SideNames();
const std::vector<std::string>& FramingPreferenceNames();
const std::vector<std::string>& TextStyleNames();
const std::vector<std::string>& OrientationNames();
// The two alignments of controls that put their text left or right only.
const std::vector<std::string>& LeftRightNames();
