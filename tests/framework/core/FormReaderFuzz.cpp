// Form data from anywhere: every failure is an error with a message, never a crash or a hang.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/core/FormReader.h"
#include "framework/core/SysUtils.h"
#include "tests/framework/core/TestComponents.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (RegisterTestClasses(), true);
  (void)registered;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TTestForm form(nullptr);
  try {
    FormReader::ReadRoot(form, text);
  } catch (const Exception& e) {
    if (e.Message().empty()) __builtin_trap();
    return 0;
  }
  // What was read writes back to text that reads again to the same text.
  const std::string written = FormWriter::WriteRoot(form);
  TTestForm again(nullptr);
  FormReader::ReadRoot(again, written);
  if (FormWriter::WriteRoot(again) != written) __builtin_trap();
  return 0;
}
