// Where the background picture and the side bar caption go: the seven positions with offsets, the
// rounding to the even integer, and the caption at each end and in the middle of the bar.
#include "controls/menu/core/MenuPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(BackgroundPlacementTest, EachPositionWithItsOffsets) {
  const TRect rect{10, 20, 110, 70};  // 100 x 50
  const auto at = [&](TBackgroundPosition position) {
    return PlaceBackgroundImage(position, rect, 30, 20, 3, 4);
  };
  EXPECT_EQ(at(bpTopLeft), (TPoint{13, 24}));
  EXPECT_EQ(at(bpTopRight), (TPoint{83, 24}));
  EXPECT_EQ(at(bpBottomLeft), (TPoint{13, 54}));
  EXPECT_EQ(at(bpBottomRight), (TPoint{83, 54}));
  EXPECT_EQ(at(bpTopCenter), (TPoint{48, 24}));
  EXPECT_EQ(at(bpBottomCenter), (TPoint{48, 54}));
  EXPECT_EQ(at(bpCenter), (TPoint{48, 39}));
  // Odd room: the centre rounds toward the top left.
  EXPECT_EQ(PlaceBackgroundImage(bpCenter, TRect{0, 0, 9, 9}, 4, 4, 0, 0), (TPoint{2, 2}));
  // A picture larger than the area hangs over its top and left.
  EXPECT_EQ(PlaceBackgroundImage(bpCenter, TRect{0, 0, 10, 10}, 96, 96, 0, 0), (TPoint{-43, -43}));
}

TEST(SideBarCaptionTest, HalvesRoundToTheEvenInteger) {
  EXPECT_EQ(NearestEvenHalf(6), 3);
  EXPECT_EQ(NearestEvenHalf(5), 2);
  EXPECT_EQ(NearestEvenHalf(7), 4);
  EXPECT_EQ(NearestEvenHalf(1), 0);
  EXPECT_EQ(NearestEvenHalf(3), 2);
  EXPECT_EQ(NearestEvenHalf(-1), 0);
  EXPECT_EQ(NearestEvenHalf(-3), -2);
  EXPECT_EQ(NearestEvenHalf(-4), -2);
}

TEST(SideBarCaptionTest, TheEndFollowsAlignmentAndReadingDirection) {
  EXPECT_EQ(CaptionEndFor(true, false, dDownToUp), TCaptionEnd::Centre);
  EXPECT_EQ(CaptionEndFor(false, true, dDownToUp), TCaptionEnd::Top);
  EXPECT_EQ(CaptionEndFor(false, false, dUpToDown), TCaptionEnd::Top);
  EXPECT_EQ(CaptionEndFor(false, false, dDownToUp), TCaptionEnd::Bottom);
  EXPECT_EQ(CaptionEndFor(false, true, dUpToDown), TCaptionEnd::Bottom);
}

TEST(SideBarCaptionTest, ACentredCaptionIsCentredAlongTheBar) {
  // Reading upwards from (x, y): the turned text covers x .. x + 17 and y - 40 .. y.
  const TPoint up = PlaceSideBarCaption(24, 100, 40, 17, TCaptionEnd::Centre, dDownToUp, 6, 0);
  EXPECT_EQ(up, (TPoint{3, 70}));
  EXPECT_EQ(up.Y - 40 - 0, 100 - up.Y) << "as much room above as below";
  // Reading downwards the origin is the other corner: the text covers x - 17 .. x, y .. y + 40.
  EXPECT_EQ(PlaceSideBarCaption(24, 100, 40, 17, TCaptionEnd::Centre, dUpToDown, 6, 0),
            (TPoint{21, 30}));
  // Across the bar: 3.5 and 4.5 both round to 4.
  EXPECT_EQ(PlaceSideBarCaption(24, 100, 40, 16, TCaptionEnd::Centre, dDownToUp, 6, 0).X, 4);
  EXPECT_EQ(PlaceSideBarCaption(24, 100, 40, 14, TCaptionEnd::Centre, dDownToUp, 6, 0).X, 4);
  // Along an odd bar: 70.5 - 0.5 is 70.
  EXPECT_EQ(PlaceSideBarCaption(24, 101, 40, 17, TCaptionEnd::Centre, dDownToUp, 6, 0).Y, 70);
}

TEST(SideBarCaptionTest, AtTheEndsTheCaptionKeepsItsOffsetAndMakesRoomForABottomPicture) {
  EXPECT_EQ(PlaceSideBarCaption(24, 100, 40, 17, TCaptionEnd::Top, dDownToUp, 6, 0),
            (TPoint{3, 46}));
  EXPECT_EQ(PlaceSideBarCaption(24, 100, 40, 17, TCaptionEnd::Bottom, dDownToUp, 6, 0),
            (TPoint{3, 94}));
  EXPECT_EQ(PlaceSideBarCaption(24, 100, 40, 17, TCaptionEnd::Bottom, dDownToUp, 6, 20),
            (TPoint{3, 74}));
  EXPECT_EQ(PlaceSideBarCaption(24, 100, 40, 17, TCaptionEnd::Top, dUpToDown, 6, 0),
            (TPoint{21, 6}));
  EXPECT_EQ(PlaceSideBarCaption(24, 100, 40, 17, TCaptionEnd::Bottom, dUpToDown, 6, 0),
            (TPoint{21, 54}));
}

}  // namespace
