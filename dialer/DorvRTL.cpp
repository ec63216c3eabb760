#include "dialer/DorvRTL.h"

#include <vector>

#include <windows.h>

#include "framework/core/SysUtils.h"

namespace DorvRTL {

std::wstring ProgramFileName() {
  // However long the path: a buffer that was too small comes back filled to its end.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::wstring();
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

std::string FileVersionText() {
  return FileVersionText(ProgramFileName());
}

std::string FileVersionText(const std::wstring& fileName) {
  if (fileName.empty()) return std::string();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(fileName.c_str(), &ignored);
  if (size == 0) return std::string();
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoW(fileName.c_str(), 0, size, block.data())) return std::string();

  void* fixed = nullptr;
  UINT fixedSize = 0;
  if (!VerQueryValueW(block.data(), L"\\", &fixed, &fixedSize) || fixed == nullptr ||
      fixedSize < sizeof(VS_FIXEDFILEINFO))
    return std::string();
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  if (info->dwSignature != VS_FFI_SIGNATURE) return std::string();
  return Format("%d.%d", static_cast<int>(HIWORD(info->dwFileVersionMS)),
                static_cast<int>(LOWORD(info->dwFileVersionMS)));
}

}  // namespace DorvRTL
