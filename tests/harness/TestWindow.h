// A real top-level window on the test display, painted by the test itself.
#pragma once

#include <windows.h>

#include <functional>

// A visible popup window at a fixed screen rectangle that paints with the caller's routine
// (on WM_PAINT and WM_PRINTCLIENT); destroyed with the object.
class TestWindow {
 public:
  using PaintRoutine = std::function<void(HDC dc, const RECT& client)>;

  // Throws std::runtime_error when the window cannot be created (no display, for one).
  TestWindow(const RECT& screenRect, PaintRoutine paint);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND Handle() const { return handle_; }

  // Paints now and handles every pending message, so that the pixels are on the screen.
  void Flush() const;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  PaintRoutine paint_;
  HWND handle_ = nullptr;
};

// A window DC (or the screen DC for a null window), released against the window it came from.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Fills rect with a solid colour through a brush that is deleted again.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
