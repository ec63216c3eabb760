// Exact pixels for the image tests: images of a list drawn over a background.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "framework/core/Colors.h"
#include "tests/controls/images/support/StoredImages.h"
#include "tests/support/win/PixelSurface.h"

class TCustomImageList;

// Image index of the list drawn at (0, 0) over background: plain colours, rows top-down.
std::vector<TColor> DrawnImage(TCustomImageList& list, int index, TColor background);
// Whether every image of the list shows the expected colours where opaque and the background
// where transparent (tried over two backgrounds); the first difference is reported.
::testing::AssertionResult ListShows(TCustomImageList& list, const TStoredImagesView& expected);
