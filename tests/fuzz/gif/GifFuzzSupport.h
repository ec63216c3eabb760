// Shared by the GIF fuzz targets: every failure must carry one of the codec's defined messages.
#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/core/SysUtils.h"
#include "imaging/gif/GIFFrame.h"

// Aborts unless the message is one the codec defines.
void CheckDefinedMessage(const Exception& failure);
// Tolerance on or off, chosen by the input so that both paths are explored.
void ChooseTolerance(const uint8_t* data, size_t size);
// Frames up to 4 million pixels are decoded. Larger ones only cost time and memory per run: the
// refusal of oversized frames and 64-bit size arithmetic have unit tests of their own.
bool IsSmallFrame(const TDvGIFFrame& frame);
