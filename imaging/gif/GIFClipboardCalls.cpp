#include "imaging/gif/GIFClipboardCalls.h"

namespace {

TGIFClipboardCalls& CurrentCalls() {
  static TGIFClipboardCalls calls{&GlobalAlloc};
  return calls;
}

}  // namespace

const TGIFClipboardCalls& GIFClipboardCalls() noexcept {
  return CurrentCalls();
}

TGIFClipboardCallsScope::TGIFClipboardCallsScope(const TGIFClipboardCalls& calls) noexcept
    : previous_(CurrentCalls()) {
  CurrentCalls() = calls;
}

TGIFClipboardCallsScope::~TGIFClipboardCallsScope() {
  CurrentCalls() = previous_;
}
