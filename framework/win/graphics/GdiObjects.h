// Move-only owners of GDI handles and device contexts: every handle is released on every path,
// selected objects are put back before anything is deleted. Each kind of owner counts the handles
// it holds (LiveCount), process-wide.
#pragma once

#include <windows.h>

#include <utility>

#include "framework/core/LiveHandleCount.h"

struct TGdiObjectKind;
struct TIconHandleKind;
struct TDeviceContextKind;
// Handles held by every GdiObject<H>, by IconHandle, and by the DC owners (WindowDC, PaintDC and
// MemoryDC) together.
using TGdiObjectCount = TLiveHandleCount<TGdiObjectKind>;
using TIconHandleCount = TLiveHandleCount<TIconHandleKind>;
using TDeviceContextCount = TLiveHandleCount<TDeviceContextKind>;

// Owns an HPEN, HBRUSH, HFONT, HBITMAP, HRGN or HPALETTE; deletes it with DeleteObject.
template <class H>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(H handle) : handle_(handle) { TGdiObjectCount::Taken(handle); }
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  H Release() {
    TGdiObjectCount::Dropped(handle_);
    return std::exchange(handle_, nullptr);
  }
  void Reset(H handle = nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    TGdiObjectCount::Replaced(handle_, handle);
    handle_ = handle;
  }

 private:
  H handle_ = nullptr;
};

// Owns an HICON or HCURSOR made by CreateIconIndirect, CopyIcon, LoadImage (not LR_SHARED) and
// the like; destroys it with DestroyIcon.
class IconHandle {
 public:
  IconHandle() = default;
  explicit IconHandle(HICON handle) : handle_(handle) { TIconHandleCount::Taken(handle); }
  ~IconHandle() { Reset(); }
  IconHandle(IconHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  IconHandle& operator=(IconHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  IconHandle(const IconHandle&) = delete;
  IconHandle& operator=(const IconHandle&) = delete;

  HICON Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  HICON Release() {
    TIconHandleCount::Dropped(handle_);
    return std::exchange(handle_, nullptr);
  }
  void Reset(HICON handle = nullptr) {
    if (handle_ != nullptr) DestroyIcon(handle_);
    TIconHandleCount::Replaced(handle_, handle);
    handle_ = handle;
  }

 private:
  HICON handle_ = nullptr;
};

// Selects an object into a DC for a scope and puts the previous one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectGuard() {
    if (previous_ != nullptr) SelectObject(dc_, previous_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A DC from GetDC (or GetWindowDC), released against the window it came from.
class WindowDC {
 public:
  explicit WindowDC(HWND window, bool wholeWindow = false)
      : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {
    TDeviceContextCount::Taken(dc_);
  }
  ~WindowDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
    TDeviceContextCount::Dropped(dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint for one WM_PAINT.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window) {
    dc_ = BeginPaint(window, &paint_);
    TDeviceContextCount::Taken(dc_);
  }
  ~PaintDC() {
    EndPaint(window_, &paint_);
    TDeviceContextCount::Dropped(dc_);
  }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC Get() const { return dc_; }
  const PAINTSTRUCT& Info() const { return paint_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A memory DC compatible with another (or the screen); its own selected bitmap is put back before
// the DC is deleted, so a bitmap selected into it can be deleted safely afterwards.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {
    TDeviceContextCount::Taken(dc_);
  }
  ~MemoryDC() {
    if (dc_ == nullptr) return;
    if (originalBitmap_ != nullptr) SelectObject(dc_, originalBitmap_);
    DeleteDC(dc_);
    TDeviceContextCount::Dropped(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC Get() const { return dc_; }
  // Selects a bitmap for the DC's lifetime (the first original is remembered).
  void SelectBitmap(HBITMAP bitmap) {
    HGDIOBJ previous = SelectObject(dc_, bitmap);
    if (originalBitmap_ == nullptr) originalBitmap_ = previous;
  }

 private:
  HDC dc_;
  HGDIOBJ originalBitmap_ = nullptr;
};

// SaveDC / RestoreDC for a scope.
class SavedDCState {
 public:
  explicit SavedDCState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDCState() {
    if (saved_ != 0) RestoreDC(dc_, saved_);
  }
  SavedDCState(const SavedDCState&) = delete;
  SavedDCState& operator=(const SavedDCState&) = delete;

 private:
  HDC dc_;
  int saved_;
};
