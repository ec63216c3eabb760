#include "app/IntervalHint.h"

#include <cstdlib>

#include "controls/edit/DecimalSeparator.h"

std::string IntervalHintText(int32_t seconds) {
  // Hundredths of a minute, rounded half away from zero. seconds * 100 / 60 has a fraction of
  // 0, 1/3 or 2/3, so no halves ever arise and integer rounding is exact.
  const int64_t magnitude = std::llabs(static_cast<int64_t>(seconds));
  const int64_t hundredths = (magnitude * 10 + 3) / 6;
  std::string text;
  if (seconds < 0 && hundredths != 0) text += '-';
  text += std::to_string(hundredths / 100);
  const int64_t fraction = hundredths % 100;
  if (fraction != 0) {
    text += DecimalSeparator();
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  }
  return text + " Minutes";
}
