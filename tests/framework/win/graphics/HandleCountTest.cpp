// The handle owners count what they hold: taking a handle counts it, moving it does not, and
// releasing, resetting or destroying the owner takes it off again.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

#include "framework/win/graphics/GdiObjects.h"
#include "framework/win/platform/GlobalMemory.h"
#include "framework/win/platform/RegistryKey.h"

TEST(HandleCount, GdiObjectsCountWhatTheyHoldAcrossMovesResetsAndReleases) {
  const long before = TGdiObjectCount::Value();
  {
    GdiObject<HBRUSH> brush(CreateSolidBrush(RGB(1, 2, 3)));
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, RGB(4, 5, 6)));
    EXPECT_EQ(TGdiObjectCount::Value(), before + 2);
    GdiObject<HBRUSH> moved(std::move(brush));
    EXPECT_EQ(TGdiObjectCount::Value(), before + 2);
    moved.Reset(CreateSolidBrush(RGB(7, 8, 9)));  // one deleted, one taken
    EXPECT_EQ(TGdiObjectCount::Value(), before + 2);
    GdiObject<HBRUSH> empty;
    empty = std::move(moved);
    EXPECT_EQ(TGdiObjectCount::Value(), before + 2);
    HPEN handedOn = pen.Release();
    EXPECT_EQ(TGdiObjectCount::Value(), before + 1);
    DeleteObject(handedOn);
    GdiObject<HBITMAP> failed(nullptr);  // a creation that failed holds nothing
    EXPECT_EQ(TGdiObjectCount::Value(), before + 1);
  }
  EXPECT_EQ(TGdiObjectCount::Value(), before);
}

TEST(HandleCount, IconsCountAndGoBack) {
  const long before = TIconHandleCount::Value();
  {
    IconHandle icon(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));
    ASSERT_TRUE(icon);
    EXPECT_EQ(TIconHandleCount::Value(), before + 1);
    icon.Reset(CopyIcon(LoadIconA(nullptr, IDI_WARNING)));
    EXPECT_EQ(TIconHandleCount::Value(), before + 1);
    icon.Reset();
    EXPECT_EQ(TIconHandleCount::Value(), before);
    icon.Reset(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));
  }
  EXPECT_EQ(TIconHandleCount::Value(), before);
}

TEST(HandleCount, DeviceContextsCountWhileTheirScopeLasts) {
  const long before = TDeviceContextCount::Value();
  {
    const WindowDC screen(nullptr);
    const MemoryDC memory(screen.Get());
    EXPECT_EQ(TDeviceContextCount::Value(), before + 2);
  }
  EXPECT_EQ(TDeviceContextCount::Value(), before);
}

TEST(HandleCount, GlobalMemoryCountsUntilFreedOrHandedOn) {
  const long before = TGlobalMemoryCount::Value();
  GlobalMemory block = GlobalMemory::Allocate(16);
  GlobalMemory other = GlobalMemory::Allocate(16);
  EXPECT_EQ(TGlobalMemoryCount::Value(), before + 2);
  GlobalFree(block.Release());
  EXPECT_EQ(TGlobalMemoryCount::Value(), before + 1);
  other.Reset();
  EXPECT_EQ(TGlobalMemoryCount::Value(), before);
}

TEST(HandleCount, RegistryKeysCountUntilClosed) {
  const long before = TRegistryKeyCount::Value();
  HKEY opened = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &opened), ERROR_SUCCESS);
  {
    TRegistryKey key(opened);
    EXPECT_EQ(TRegistryKeyCount::Value(), before + 1);
    TRegistryKey moved(std::move(key));
    EXPECT_EQ(TRegistryKeyCount::Value(), before + 1);
  }
  EXPECT_EQ(TRegistryKeyCount::Value(), before);
}
