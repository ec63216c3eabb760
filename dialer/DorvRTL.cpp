#include "dialer/DorvRTL.h"

#include <vector>

#include <windows.h>

#include "framework/core/SysUtils.h"

namespace DorvRTL {

namespace {

// The module file name of the process, however long the path.
std::string ProgramFileName() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::string();
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::string FileVersionText() {
  return FileVersionText(ProgramFileName());
}

std::string FileVersionText(const std::string& fileName) {
  if (fileName.empty()) return std::string();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(fileName.c_str(), &ignored);
  if (size == 0) return std::string();
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoA(fileName.c_str(), 0, size, block.data())) return std::string();

  void* fixed = nullptr;
  UINT fixedSize = 0;
  if (!VerQueryValueA(block.data(), "\\", &fixed, &fixedSize) || fixed == nullptr ||
      fixedSize < sizeof(VS_FIXEDFILEINFO))
    return std::string();
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  if (info->dwSignature != VS_FFI_SIGNATURE) return std::string();
  return Format("%d.%d", static_cast<int>(HIWORD(info->dwFileVersionMS)),
                static_cast<int>(LOWORD(info->dwFileVersionMS)));
}

}  // namespace DorvRTL
