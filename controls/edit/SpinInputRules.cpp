#include "controls/edit/SpinInputRules.h"

#include <algorithm>

namespace SpinInputRules {

bool CharAllowed(char ch, const TEditState& state, const TCharRules& rules) {
  const auto code = static_cast<unsigned char>(ch);
  if (!rules.allowKeyEdit && (code == 8 || code >= 32)) return false;
  if (code < 32) return code != 13;
  const bool isSign = ch == '+' || ch == '-';
  const bool isSeparator = !rules.integersOnly && ch == rules.separator;
  if (isSeparator) {
    if (state.text.find(rules.separator) == std::string::npos) return true;
    if (state.selLength <= 0) return false;
    const size_t start =
        std::min(static_cast<size_t>(std::max(state.selStart, 0)), state.text.size());
    const std::string selected = state.text.substr(start, static_cast<size_t>(state.selLength));
    return selected.find(rules.separator) != std::string::npos;
  }
  if (isSign) {
    const bool hasSign = state.text.find_first_of("+-") != std::string::npos;
    if (state.selStart == 0 && !hasSign) return true;
    return state.selLength == static_cast<int>(state.text.size());
  }
  return ch >= '0' && ch <= '9';
}

int CaretAfterReformat(int oldCaret, size_t oldLength, size_t newLength) {
  int caret = oldCaret;
  if (newLength > oldLength) ++caret;
  if (newLength < oldLength) --caret;
  return std::clamp(caret, 0, static_cast<int>(newLength));
}

long double ClampToRange(long double x, long double min, long double max, bool checkRange) {
  if (min == max && !checkRange) return x;
  if (x < min) return min;
  if (x > max) return max;
  return x;
}

}  // namespace SpinInputRules
