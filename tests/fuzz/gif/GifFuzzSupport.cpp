#include "tests/fuzz/gif/GifFuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "imaging/gif/GIFTypes.h"

namespace {

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

}  // namespace

void CheckDefinedMessage(const Exception& failure) {
  const std::string& message = failure.Message();
  static const char* const kDefined[] = {
      "Stream read error",    gifmsg::kUnknownVersion, gifmsg::kWrongColorCount,
      gifmsg::kCodeSizeRange, gifmsg::kCorruptData,    gifmsg::kNoDataToWrite,
      gifmsg::kEncodingError, gifmsg::kInvalidBitmap,  "Out of memory"};
  for (const char* text : kDefined)
    if (message == text) return;
  const std::string extension = "Unrecognized extension block: ";
  if (message.size() == extension.size() + 2 &&
      message.compare(0, extension.size(), extension) == 0 &&
      IsHexDigit(message[extension.size()]) && IsHexDigit(message[extension.size() + 1]))
    return;
  std::fprintf(stderr, "undefined failure message: %s\n", message.c_str());
  std::abort();
}

void ChooseTolerance(const uint8_t* data, size_t size) {
  // The logical screen's aspect byte is rarely meaningful: its low bit picks the mode.
  GIFTolerateCorruptData = size < 13 || (data[12] & 1) == 0;
}

bool IsSmallFrame(const TDvGIFFrame& frame) {
  return int64_t{frame.Item().width} * frame.Item().height <= (int64_t{1} << 22);
}
