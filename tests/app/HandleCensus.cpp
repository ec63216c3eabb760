#include "tests/app/HandleCensus.h"

#include <windows.h>

#include "dialer/InternetHandle.h"
#include "framework/win/graphics/GdiObjects.h"
#include "framework/win/platform/GlobalMemory.h"
#include "framework/win/platform/RegistryKey.h"

THandleCensus THandleCensus::Take() {
  THandleCensus census;
  census.gdiObjects = TGdiObjectCount::Value();
  census.icons = TIconHandleCount::Value();
  census.deviceContexts = TDeviceContextCount::Value();
  census.registryKeys = TRegistryKeyCount::Value();
  census.globalMemory = TGlobalMemoryCount::Value();
  census.internetHandles = TInternetHandleCount::Value();
  return census;
}

std::string THandleCensus::ToString() const {
  return "gdi " + std::to_string(gdiObjects) + ", icons " + std::to_string(icons) + ", dc " +
         std::to_string(deviceContexts) + ", keys " + std::to_string(registryKeys) + ", global " +
         std::to_string(globalMemory) + ", internet " + std::to_string(internetHandles);
}

uint64_t PrivateBytes() {
  uint64_t total = 0;
  const BYTE* address = nullptr;
  MEMORY_BASIC_INFORMATION region{};
  while (VirtualQuery(address, &region, sizeof region) == sizeof region) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    const BYTE* next = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize;
    if (next <= address) break;
    address = next;
  }
  return total;
}
