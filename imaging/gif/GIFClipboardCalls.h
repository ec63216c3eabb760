// The global-memory allocation of the "GIF Image" clipboard data, behind a replaceable table so
// that tests can hand out a block that cannot be locked. The default table calls GlobalAlloc.
// Windows only.
#pragma once

#include <windows.h>

#include "framework/core/CallTableScope.h"

struct TGIFClipboardCalls {
  // GlobalAlloc: the block for the data, or nullptr when none can be had.
  HGLOBAL(WINAPI* globalAlloc)(UINT flags, SIZE_T bytes);
};

// The table in force. Never throws.
const TGIFClipboardCalls& GIFClipboardCalls() noexcept;

// Puts a table in force for its lifetime and restores the previous one afterwards.
using TGIFClipboardCallsScope = TCallTableScope<TGIFClipboardCalls>;
