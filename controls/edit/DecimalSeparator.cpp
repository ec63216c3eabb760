#include "controls/edit/DecimalSeparator.h"

#include <windows.h>

namespace {
const DecimalSeparatorOverride*& CurrentOverride() {
  static const DecimalSeparatorOverride* current = nullptr;
  return current;
}
}  // namespace

DecimalSeparatorOverride::DecimalSeparatorOverride(char separator)
    : outer_(CurrentOverride()), separator_(separator) {
  CurrentOverride() = this;
}

DecimalSeparatorOverride::~DecimalSeparatorOverride() {
  CurrentOverride() = outer_;
}

char DecimalSeparator() {
  if (const DecimalSeparatorOverride* pinned = CurrentOverride()) return pinned->separator_;
  char buffer[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof(buffer)) <= 1 ||
      buffer[0] == '\0')
    return '.';
  return buffer[0];
}
