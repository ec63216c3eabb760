#include "framework/win/platform/Clipboard.h"

#include <cstring>

#include "framework/core/Graphic.h"
#include "framework/core/Picture.h"

namespace {
// Frees a handle the clipboard refused: bitmaps and palettes are GDI objects, the rest global
// memory.
void FreeRefused(UINT format, HANDLE data) {
  if (data == nullptr) return;
  if (format == CF_BITMAP || format == CF_PALETTE)
    DeleteObject(data);
  else
    GlobalFree(data);
}
}  // namespace

TClipboard::TClipboard(HWND owner) : window_(owner) {
  if (window_ == nullptr) {
    ownWindow_ = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    window_ = ownWindow_;
  }
}

TClipboard::~TClipboard() {
  if (openCount_ > 0) CloseClipboard();
  if (ownWindow_ != nullptr) DestroyWindow(ownWindow_);
}

void TClipboard::Open() {
  if (openCount_ == 0 && !OpenClipboard(window_)) throw EClipboardError("Cannot open clipboard");
  ++openCount_;
}

void TClipboard::Close() {
  if (openCount_ == 0) return;
  if (--openCount_ == 0) CloseClipboard();
}

bool TClipboard::HasFormat(UINT format) const {
  return IsClipboardFormatAvailable(format) != FALSE;
}

HANDLE TClipboard::GetAsHandle(UINT format) {
  Session session(*this);
  return GetClipboardData(format);
}

void TClipboard::Put(UINT format, HANDLE data) {
  if (SetClipboardData(format, data) == nullptr)
    throw EClipboardError("Cannot put data on the clipboard");
}

void TClipboard::SetAsHandle(UINT format, HANDLE data) {
  Session session(*this);
  Put(format, data);
}

void TClipboard::SetAsHandle(UINT format, GlobalMemory data) {
  Session session(*this);
  Put(format, data.Get());
  data.Release();
}

void TClipboard::Clear() {
  Session session(*this);
  EmptyClipboard();
}

std::string TClipboard::AsText() {
  Session session(*this);
  GlobalLockGuard lock(GetClipboardData(CF_TEXT));
  const auto* text = static_cast<const char*>(lock.Data());
  if (text == nullptr) return std::string();
  return std::string(text, strnlen(text, lock.Size()));
}

void TClipboard::SetAsText(const std::string& text) {
  GlobalMemory block = GlobalMemory::Allocate(text.size() + 1);
  if (!block) throw EOutOfMemory();
  {
    GlobalLockGuard lock(block.Get());
    if (lock.Data() == nullptr) throw EOutOfMemory();
    std::memcpy(lock.Data(), text.c_str(), text.size() + 1);
  }
  Session session(*this);
  EmptyClipboard();
  SetAsHandle(CF_TEXT, std::move(block));
}

void TClipboard::Assign(TGraphic& graphic) {
  Session session(*this);
  EmptyClipboard();
  TClipboardFormat format = 0;
  TClipboardHandle data = nullptr;
  TPaletteHandle palette = nullptr;
  graphic.SaveToClipboardFormat(format, data, palette);
  if (data != nullptr && SetClipboardData(format, data) == nullptr) {
    FreeRefused(format, data);
    FreeRefused(CF_PALETTE, palette);
    throw EClipboardError("Cannot put data on the clipboard");
  }
  if (palette != nullptr && SetClipboardData(CF_PALETTE, palette) == nullptr)
    FreeRefused(CF_PALETTE, palette);
}

void TClipboard::Assign(const TPicture& picture) {
  if (picture.Graphic() != nullptr) Assign(*picture.Graphic());
}

bool TClipboard::LoadPicture(TPicture& picture) {
  Session session(*this);
  const auto& entries = ClipboardFormats().Entries();
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    if (!IsClipboardFormatAvailable(entry->format)) continue;
    HANDLE data = GetClipboardData(entry->format);
    HANDLE palette =
        IsClipboardFormatAvailable(CF_PALETTE) ? GetClipboardData(CF_PALETTE) : nullptr;
    picture.LoadFromClipboardFormat(entry->format, data, palette);
    return true;
  }
  return false;
}

UINT TClipboard::RegisterFormat(const std::string& name) {
  return RegisterClipboardFormatA(name.c_str());
}
