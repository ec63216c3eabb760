// The spin edit's character rules, caret rule and range clamp.
#include <gtest/gtest.h>

#include "controls/edit/SpinInputRules.h"

namespace {

using SpinInputRules::CaretAfterReformat;
using SpinInputRules::CharAllowed;
using SpinInputRules::ClampToRange;
using SpinInputRules::TCharRules;
using SpinInputRules::TEditState;

TEditState State(const std::string& text, int selStart, int selLength = 0) {
  TEditState state;
  state.text = text;
  state.selStart = selStart;
  state.selLength = selLength;
  return state;
}

TCharRules Rules(bool integersOnly, bool allowKeyEdit = true, char separator = '.') {
  TCharRules rules;
  rules.integersOnly = integersOnly;
  rules.allowKeyEdit = allowKeyEdit;
  rules.separator = separator;
  return rules;
}

TEST(SpinInputRulesTest, DigitsSignsAndControlCharactersButNotEnter) {
  const TEditState state = State("12", 2);
  for (char digit = '0'; digit <= '9'; ++digit)
    EXPECT_TRUE(CharAllowed(digit, state, Rules(true))) << digit;
  for (const char refused : {'a', 'Z', ' ', '*', 'e', ',', '\r'})
    EXPECT_FALSE(CharAllowed(refused, state, Rules(true))) << static_cast<int>(refused);
  EXPECT_FALSE(CharAllowed(static_cast<char>(0xE9), state, Rules(true)));
  EXPECT_TRUE(CharAllowed('\b', state, Rules(true)));
  EXPECT_TRUE(CharAllowed('\x03', state, Rules(true)));  // Ctrl+C
}

TEST(SpinInputRulesTest, SignOnlyInFrontOfAnUnsignedTextOrOverAllOfIt) {
  // Between the digits of 12: refused; over all of 12: accepted.
  EXPECT_FALSE(CharAllowed('-', State("12", 1), Rules(true)));
  EXPECT_TRUE(CharAllowed('-', State("12", 0, 2), Rules(true)));
  EXPECT_TRUE(CharAllowed('-', State("12", 0), Rules(true)));
  EXPECT_TRUE(CharAllowed('+', State("", 0), Rules(true)));
  // A text that has a sign takes no second one, unless all of it is replaced.
  EXPECT_FALSE(CharAllowed('-', State("-12", 0), Rules(true)));
  EXPECT_FALSE(CharAllowed('+', State("-12", 0, 1), Rules(true)));
  EXPECT_TRUE(CharAllowed('+', State("-12", 0, 3), Rules(true)));
}

TEST(SpinInputRulesTest, DecimalSeparatorOnlyOnceAndNotForIntegers) {
  EXPECT_FALSE(CharAllowed('.', State("12", 2), Rules(true)));
  EXPECT_TRUE(CharAllowed('.', State("12", 2), Rules(false)));
  EXPECT_FALSE(CharAllowed('.', State("1.2", 3), Rules(false)));
  // Replacing a selection that holds the separator.
  EXPECT_TRUE(CharAllowed('.', State("1.25", 1, 2), Rules(false)));
  EXPECT_FALSE(CharAllowed('.', State("1.25", 2, 2), Rules(false)));
  // The user's separator, not the C library's.
  EXPECT_TRUE(CharAllowed(',', State("12", 2), Rules(false, true, ',')));
  EXPECT_FALSE(CharAllowed('.', State("12", 2), Rules(false, true, ',')));
}

TEST(SpinInputRulesTest, WithoutKeyEditOnlyControlCharactersOtherThanBackspace) {
  const TEditState state = State("12", 0, 2);
  EXPECT_FALSE(CharAllowed('5', state, Rules(true, false)));
  EXPECT_FALSE(CharAllowed('-', state, Rules(true, false)));
  EXPECT_FALSE(CharAllowed('\b', state, Rules(true, false)));
  EXPECT_FALSE(CharAllowed('\r', state, Rules(true, false)));
  EXPECT_TRUE(CharAllowed('\x16', state, Rules(true, false)));  // Ctrl+V
}

TEST(SpinInputRulesTest, CaretFollowsTheLengthOfTheReformattedText) {
  EXPECT_EQ(CaretAfterReformat(3, 3, 3), 3);
  EXPECT_EQ(CaretAfterReformat(2, 3, 4), 3);
  EXPECT_EQ(CaretAfterReformat(2, 3, 2), 1);
  EXPECT_EQ(CaretAfterReformat(0, 3, 1), 0);
  EXPECT_EQ(CaretAfterReformat(5, 5, 4), 4);
  EXPECT_EQ(CaretAfterReformat(4, 4, 1), 1);
}

TEST(SpinInputRulesTest, ClampIsOffOnlyForAnEmptyRangeWithoutCheckRange) {
  EXPECT_EQ(ClampToRange(101, 0, 100, false), 100);
  EXPECT_EQ(ClampToRange(-1, 0, 100, false), 0);
  EXPECT_EQ(ClampToRange(50, 0, 100, false), 50);
  EXPECT_EQ(ClampToRange(12345, 1, 9999, false), 9999);
  EXPECT_EQ(ClampToRange(0, 1, 9999, false), 1);
  EXPECT_EQ(ClampToRange(-7.5L, 0, 0, false), -7.5L);
  EXPECT_EQ(ClampToRange(1e6L, 0, 0, false), 1e6L);
  EXPECT_EQ(ClampToRange(-7.5L, 0, 0, true), 0);
  EXPECT_EQ(ClampToRange(1e6L, 0, 0, true), 0);
}

}  // namespace
