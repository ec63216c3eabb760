#include "imaging/gif/GIFClipboardCalls.h"

const TGIFClipboardCalls& GIFClipboardCalls() noexcept {
  static const TGIFClipboardCalls system{&GlobalAlloc};
  return TGIFClipboardCallsScope::InForce(system);
}
