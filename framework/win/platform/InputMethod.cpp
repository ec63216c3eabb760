#include "framework/win/platform/InputMethod.h"

#include <imm.h>

#include <algorithm>
#include <vector>

const std::vector<std::string>& ImeModeNames() {
  static const std::vector<std::string> names = {
      "imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha",   "imAlpha",
      "imHira",    "imSKata", "imKata", "imChinese",  "imSHanguel", "imHanguel"};
  return names;
}

namespace {

// The conversion bits each opening mode asks for.
DWORD ConversionOf(TImeMode mode) {
  switch (mode) {
    case imAlpha:
      return IME_CMODE_FULLSHAPE;
    case imHira:
      return IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;
    case imSKata:
      return IME_CMODE_NATIVE | IME_CMODE_KATAKANA;
    case imKata:
      return IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_FULLSHAPE;
    case imChinese:
    case imSHanguel:
      return IME_CMODE_NATIVE;
    case imHanguel:
      return IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;
    default:  // imSAlpha: half-width alphanumeric
      return IME_CMODE_ALPHANUMERIC;
  }
}

// The window's input context for the length of one use.
class InputContext {
 public:
  explicit InputContext(HWND window) : window_(window), context_(ImmGetContext(window)) {}
  ~InputContext() {
    if (context_ != nullptr) ImmReleaseContext(window_, context_);
  }
  InputContext(const InputContext&) = delete;
  InputContext& operator=(const InputContext&) = delete;
  HIMC Get() const { return context_; }

 private:
  HWND window_;
  HIMC context_;
};

}  // namespace

void ApplyImeMode(HWND window, TImeMode mode) {
  if (window == nullptr || mode == imDontCare) return;
  if (mode == imDisable) {
    ImmAssociateContext(window, nullptr);
    return;
  }
  // A window that had its input method taken away gets the default one back.
  ImmAssociateContextEx(window, nullptr, IACE_DEFAULT);
  InputContext context(window);
  if (context.Get() == nullptr) return;
  if (mode == imClose) {
    ImmSetOpenStatus(context.Get(), FALSE);
    return;
  }
  ImmSetOpenStatus(context.Get(), TRUE);
  if (mode == imOpen) return;
  DWORD conversion = 0, sentence = 0;
  if (!ImmGetConversionStatus(context.Get(), &conversion, &sentence)) return;
  constexpr DWORD kModeBits = IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_FULLSHAPE;
  ImmSetConversionStatus(context.Get(), (conversion & ~kModeBits) | ConversionOf(mode), sentence);
}

HKL ActivateImeByName(const std::string& name) {
  if (name.empty()) return nullptr;
  const int count = GetKeyboardLayoutList(0, nullptr);
  if (count <= 0) return nullptr;
  std::vector<HKL> layouts(static_cast<size_t>(count));
  const int listed = GetKeyboardLayoutList(count, layouts.data());
  layouts.resize(static_cast<size_t>(std::max(listed, 0)));
  for (HKL layout : layouts) {
    if (!ImmIsIME(layout)) continue;
    char description[256] = {};
    const UINT length = ImmGetDescriptionA(layout, description, sizeof(description) - 1);
    if (length == 0 || name != std::string(description, length)) continue;
    const HKL previous = GetKeyboardLayout(0);
    if (layout == previous) return nullptr;
    return ActivateKeyboardLayout(layout, 0) != nullptr ? previous : nullptr;
  }
  return nullptr;
}
