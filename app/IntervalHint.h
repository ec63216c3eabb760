// The interval spin edit's hint: the polling interval in minutes.
#pragma once

#include <cstdint>
#include <string>

// seconds / 60 with up to two decimals, no trailing zeros, the user's decimal separator
// (controls/edit/DecimalSeparator.h), then " Minutes": 90 gives "1.5 Minutes", 100 gives
// "1.67 Minutes". Never throws except for memory exhaustion.
std::string IntervalHintText(int32_t seconds);
