// How many handles the owners of one kind hold at this moment, process-wide: the handle owners
// keep it, so that a test or a long run can tell that nothing was left behind (the platform's own
// figures, GetGuiResources, are not available everywhere). One relaxed atomic per kind: cheap
// enough for every build, and right when owners live on more than one thread.
// Portable: never includes windows.h.
#pragma once

#include <atomic>

template <class Kind>
class TLiveHandleCount {
 public:
  static long Value() noexcept { return count_.load(std::memory_order_relaxed); }

  // An owner that held `before` now holds `after` (either may be null).
  static void Replaced(const void* before, const void* after) noexcept {
    if (before == nullptr && after != nullptr) count_.fetch_add(1, std::memory_order_relaxed);
    if (before != nullptr && after == nullptr) count_.fetch_sub(1, std::memory_order_relaxed);
  }
  static void Taken(const void* handle) noexcept { Replaced(nullptr, handle); }
  static void Dropped(const void* handle) noexcept { Replaced(handle, nullptr); }

 private:
  static inline std::atomic<long> count_{0};
};
