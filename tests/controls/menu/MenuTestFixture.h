// The program's tray menu with its fantasy styler, read from form data into a test root, with the
// four-image state list made beforehand.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "controls/menu/DvMenus.h"
#include "controls/menu/styler/DvMenuStylers.h"
#include "framework/win/imagelists/ImageList.h"
#include "tests/framework/win/forms/TestForm.h"
#include "tests/framework/win/graphics/GraphicsTestSupport.h"

inline constexpr TColor kStateColors[4] = {0x0000C0, 0x00C000, 0xC00000, 0x00C0C0};

// The tray menu part of the main window's form definition.
extern const char kTrayMenuForm[];

class StyledMenuTest : public testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;

  void Load(const char* text = kTrayMenuForm);
  TDvPopupMenu& Menu() const;
  TDvMenuFantasyStyler& Styler() const;
  TMenuItem& Item(const char* name) const;

  std::unique_ptr<TTestRootForm> form;
  TImageList* images = nullptr;
};

// The bounds and number of the pixels of one colour in a rectangle (with matching false: of every
// other colour).
struct Ink {
  int left = 1 << 20;
  int top = 1 << 20;
  int right = -1;
  int bottom = -1;
  int count = 0;
};
Ink InkIn(const DibSurface& surface, const TRect& rect, TColor color, bool matching = true);
