// The live handle counts of every owner kind in this process, for tests that assert that nothing
// was left behind (Wine answers 0 to GetGuiResources), and the process's private memory.
#pragma once

#include <cstdint>
#include <string>

struct THandleCensus {
  long gdiObjects = 0;
  long icons = 0;
  long deviceContexts = 0;
  long registryKeys = 0;
  long globalMemory = 0;
  long internetHandles = 0;

  static THandleCensus Take();
  long Total() const {
    return gdiObjects + icons + deviceContexts + registryKeys + globalMemory + internetHandles;
  }
  // "gdi 12, icons 3, dc 0, keys 0, global 0, internet 0"
  std::string ToString() const;
  bool operator==(const THandleCensus&) const = default;
};

// Committed private memory of this process in bytes: the sum of the committed MEM_PRIVATE regions,
// what Windows counts as private bytes (Wine answers 0 for GetProcessMemoryInfo's PrivateUsage).
uint64_t PrivateBytes();
