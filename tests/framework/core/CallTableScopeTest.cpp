#include "framework/core/CallTableScope.h"

#include <gtest/gtest.h>

namespace {

struct TAnswerCalls {
  int (*answer)();
};
struct TOtherCalls {
  int (*answer)();
};

int System() {
  return 1;
}
int Outer() {
  return 2;
}
int Inner() {
  return 3;
}

const TAnswerCalls kSystem{&System};

int AnswerInForce() {
  return TCallTableScope<TAnswerCalls>::InForce(kSystem).answer();
}

TEST(CallTableScopeTest, NestedScopesPutEachPreviousTableBack) {
  EXPECT_EQ(AnswerInForce(), 1);
  {
    TCallTableScope<TAnswerCalls> outer(TAnswerCalls{&Outer});
    EXPECT_EQ(AnswerInForce(), 2);
    {
      TCallTableScope<TAnswerCalls> inner(TAnswerCalls{&Inner});
      EXPECT_EQ(AnswerInForce(), 3);
    }
    EXPECT_EQ(AnswerInForce(), 2);
  }
  EXPECT_EQ(AnswerInForce(), 1);
}

TEST(CallTableScopeTest, TheScopeKeepsItsOwnCopyOfTheTable) {
  TAnswerCalls table{&Outer};
  TCallTableScope<TAnswerCalls> scope(table);
  table.answer = &Inner;
  EXPECT_EQ(AnswerInForce(), 2);
}

TEST(CallTableScopeTest, EachTableTypeHasItsOwnSlot) {
  const TOtherCalls otherSystem{&System};
  TCallTableScope<TOtherCalls> other(TOtherCalls{&Inner});
  EXPECT_EQ(AnswerInForce(), 1);
  EXPECT_EQ(TCallTableScope<TOtherCalls>::InForce(otherSystem).answer(), 3);
}

}  // namespace
