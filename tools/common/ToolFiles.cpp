#include "tools/common/ToolFiles.h"

#include <fstream>

#include "framework/core/SysUtils.h"

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw Exception("cannot write " + path);
}
