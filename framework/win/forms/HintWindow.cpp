#include "framework/win/forms/HintWindow.h"

#include <algorithm>

#include "framework/core/TypInfo.h"
#include "framework/win/forms/Application.h"

namespace {
constexpr int kMaxHintWidth = 300;
constexpr UINT kHintTextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
}  // namespace

const TClassInfo& THintWindow::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<THintWindow, TCustomControl>("THintWindow");
  return info;
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetVisibleFlag(false);
  SetColor(Application().HintColor());
  SetParentFont(false);
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    Font()->SetName(metrics.lfStatusFont.lfFaceName);
    Font()->SetHeight(metrics.lfStatusFont.lfHeight);
  }
  Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.style = WS_POPUP | WS_BORDER;
  params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.wndParent = Application().Handle();
  params.classStyle = CS_SAVEBITS;
}

TSize THintWindow::CalcHintSize(const std::string& text) {
  WindowDC screen(nullptr);
  SelectGuard font(screen.Get(), Font()->Handle());
  RECT r{0, 0, kMaxHintWidth, 0};
  DrawTextA(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r,
            kHintTextFormat | DT_CALCRECT);
  const int border = 2 * GetSystemMetrics(SM_CXBORDER);
  return {r.right + 6 + border, r.bottom + 2 + border};
}

void THintWindow::ActivateHint(POINT topLeft, const std::string& text) {
  SetText(text);
  const TSize size = CalcHintSize(text);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const int left = std::max(0, std::min<int>(topLeft.x, screenWidth - size.cx));
  const int top = std::max(0, std::min<int>(topLeft.y, screenHeight - size.cy));
  SetBounds(left, top, size.cx, size.cy);
  SetWindowPos(Handle(), HWND_TOPMOST, left, top, size.cx, size.cy,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
  Update();
}

void THintWindow::ReleaseHint() {
  if (HandleAllocated()) ShowWindow(HandleIfAllocated(), SW_HIDE);
}

void THintWindow::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(Font());
  canvas.Brush().SetColor(Color());
  const TRect client = ClientRect();
  canvas.FillRect(client);
  TRect text = client.Inflate(-2, 0);
  text.Top += 1;
  canvas.Brush().SetStyle(bsClear);
  canvas.DrawText(Text(), text, kHintTextFormat);
}
