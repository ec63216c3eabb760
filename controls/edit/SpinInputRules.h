// The spin edit's input rules that need no window: which typed characters it accepts, where the
// caret goes after the text is re-formatted, and the range clamp.
// Portable: never includes windows.h.
#pragma once

#include <cstddef>
#include <string>

namespace SpinInputRules {

// What the edit box holds when a character is typed.
struct TEditState {
  std::string text;
  int selStart = 0;
  int selLength = 0;
};

struct TCharRules {
  bool integersOnly = true;
  bool allowKeyEdit = false;
  char separator = '.';
};

// Digits and signs, the decimal separator unless integersOnly, control characters except
// carriage return. The separator only once (or replacing a selection that holds it); a sign only
// at position 0 of a text without sign, or over the whole text. Without allowKeyEdit, Backspace
// and every printable character are refused as well.
bool CharAllowed(char ch, const TEditState& state, const TCharRules& rules);

// The caret after a re-format: where it was when the length stayed, one further right when the
// text grew, one further left when it shrank; always inside the new text.
int CaretAfterReformat(int oldCaret, size_t oldLength, size_t newLength);

// x limited to [min, max], unless min = max and checkRange is off (the range is then off).
long double ClampToRange(long double x, long double min, long double max, bool checkRange);

}  // namespace SpinInputRules
