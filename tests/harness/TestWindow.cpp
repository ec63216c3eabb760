#include "tests/harness/TestWindow.h"

#include <stdexcept>
#include <string>

namespace {

constexpr char kClassName[] = "DvHarnessTestWindow";

void RegisterTestClass(WNDPROC windowProc) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = kClassName;
  // A second registration in the same process fails harmlessly.
  RegisterClassExA(&windowClass);
}

}  // namespace

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

TestWindow::TestWindow(const RECT& screenRect, PaintRoutine paint) : paint_(std::move(paint)) {
  RegisterTestClass(&TestWindow::WindowProc);
  // Top-most so that nothing else on the display covers the pixels under test.
  handle_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, "harness", WS_POPUP,
                            screenRect.left, screenRect.top, screenRect.right - screenRect.left,
                            screenRect.bottom - screenRect.top, nullptr, nullptr,
                            GetModuleHandleA(nullptr), this);
  if (!handle_) {
    throw std::runtime_error("CreateWindowExA failed, error " + std::to_string(GetLastError()));
  }
  ShowWindow(handle_, SW_SHOWNOACTIVATE);
  Flush();
}

TestWindow::~TestWindow() {
  DestroyWindow(handle_);
}

void TestWindow::Flush() const {
  UpdateWindow(handle_);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  GdiFlush();
}

LRESULT CALLBACK TestWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  RECT client{};
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      GetClientRect(window, &client);
      if (self) self->paint_(dc, client);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      GetClientRect(window, &client);
      if (self) self->paint_(reinterpret_cast<HDC>(wParam), client);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint routine covers the whole client area
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}
