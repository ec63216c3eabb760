// The global-memory allocation of the "GIF Image" clipboard data, behind a replaceable table so
// that tests can hand out a block that cannot be locked. The default table calls GlobalAlloc.
// Windows only.
#pragma once

#include <windows.h>

struct TGIFClipboardCalls {
  // GlobalAlloc: the block for the data, or nullptr when none can be had.
  HGLOBAL(WINAPI* globalAlloc)(UINT flags, SIZE_T bytes);
};

// The table in force. Never throws.
const TGIFClipboardCalls& GIFClipboardCalls() noexcept;

// Installs a table for its lifetime and puts the previous one back.
class TGIFClipboardCallsScope {
 public:
  explicit TGIFClipboardCallsScope(const TGIFClipboardCalls& calls) noexcept;
  ~TGIFClipboardCallsScope();
  TGIFClipboardCallsScope(const TGIFClipboardCallsScope&) = delete;
  TGIFClipboardCallsScope& operator=(const TGIFClipboardCallsScope&) = delete;

 private:
  TGIFClipboardCalls previous_;
};
