#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace draftcalc {
namespace {

TEST_P(Calculation, ShowsTheExpectedCaptions) {
  const CalcCase& c = GetParam();
  EXPECT_EQ(Calc(c.r1, c.r2, c.r3), c.expected);
}

}  // namespace
}  // namespace draftcalc
