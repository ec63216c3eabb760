#include <gtest/gtest.h>

#include <vsstyle.h>

#include "framework/win/platform/Themes.h"
#include "tests/framework/win/graphics/GraphicsTestSupport.h"

namespace {

bool PlatformSaysThemed() {
  using Proc = BOOL(WINAPI*)();
  HMODULE uxtheme = LoadLibraryA("uxtheme.dll");
  if (uxtheme == nullptr) return false;
  const auto active =
      reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsThemeActive")));
  const auto app =
      reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsAppThemed")));
  return active != nullptr && app != nullptr && active() && app();
}

TEST(Themes, ActiveOnlyWithUxthemeAndCommonControlsSix) {
  EXPECT_GE(CommonControlsMajorVersion(), 5);
  EXPECT_EQ(ThemesActive(), PlatformSaysThemed() && CommonControlsMajorVersion() >= 6);
}

TEST(Themes, OverrideScopesForceTheAnswerAndNest) {
  const bool natural = ThemesActive();
  {
    ThemesOverride on(true);
    EXPECT_TRUE(ThemesActive());
    {
      ThemesOverride off(false);
      EXPECT_FALSE(ThemesActive());
    }
    EXPECT_TRUE(ThemesActive());
  }
  EXPECT_EQ(ThemesActive(), natural);
}

TEST(Themes, ThemeDataDrawsWhenThePlatformHasATheme) {
  if (!PlatformSaysThemed()) GTEST_SKIP() << "no visual style in this prefix";
  ThemeData theme(nullptr, L"BUTTON");
  ASSERT_TRUE(theme);
  DibSurface surface(20, 20, clLime);
  const RECT box{2, 2, 15, 15};
  EXPECT_TRUE(theme.DrawBackground(surface.DC(), BP_CHECKBOX, CBS_CHECKEDNORMAL, box));
  EXPECT_LT(surface.Count(2, 2, 15, 15, clLime), 13 * 13);
  EXPECT_EQ(surface.Count(16, 0, 20, 20, clLime), 4 * 20);
  ThemeData moved = std::move(theme);
  EXPECT_FALSE(theme);
  EXPECT_TRUE(moved);
}

TEST(Themes, NoThemeDataDrawsNothing) {
  ThemeData none;
  DibSurface surface(4, 4, clLime);
  EXPECT_FALSE(none.DrawBackground(surface.DC(), BP_CHECKBOX, CBS_CHECKEDNORMAL, RECT{0, 0, 4, 4}));
  EXPECT_EQ(surface.Count(0, 0, 4, 4, clLime), 16);
  ThemeData unknown(nullptr, L"NoSuchThemeClassAtAll");
  EXPECT_FALSE(unknown);
}

}  // namespace
