#include "trig/degree_trig.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace draftcalc {
namespace {

struct TrigCase {
  std::string name;
  double (*function)(double);
  double argument;
  double expected;
};

class DegreeFunction : public testing::TestWithParam<TrigCase> {};

TEST_P(DegreeFunction, GivesTheShortPiValueRoundedToSixPlaces) {
  const auto& c = GetParam();
  EXPECT_EQ(c.function(c.argument), c.expected) << c.name << "(" << c.argument << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Table, DegreeFunction,
    testing::Values(TrigCase{"TanDeg", TanDeg, 45, 1}, TrigCase{"SinDeg", SinDeg, 30, 0.5},
                    TrigCase{"CosDeg", CosDeg, 60, 0.5}, TrigCase{"TanDeg", TanDeg, 90, 37320539.634355},
                    TrigCase{"TanDeg", TanDeg, -90, -37320539.634355}, TrigCase{"CosDeg", CosDeg, 90, 0},
                    TrigCase{"CosDeg", CosDeg, -90, 0}, TrigCase{"CosDeg", CosDeg, 270, 0},
                    TrigCase{"TanDeg", TanDeg, 180, 0}, TrigCase{"AtnDeg", AtnDeg, 1, 45.000001},
                    TrigCase{"AtnDeg", AtnDeg, -1, -45.000001}, TrigCase{"AtnDeg", AtnDeg, 0.5, 26.565052},
                    TrigCase{"AtnDeg", AtnDeg, 2, 63.43495}, TrigCase{"AsinDeg", AsinDeg, 0.5, 30.000001},
                    TrigCase{"AsinDeg", AsinDeg, -0.5, -30.000001}, TrigCase{"AsinDeg", AsinDeg, 0.8, 53.130103},
                    TrigCase{"AcosDeg", AcosDeg, 0.5, 60.000001}, TrigCase{"AcosDeg", AcosDeg, -0.5, -60.000001},
                    TrigCase{"AcosDeg", AcosDeg, 1, 0}, TrigCase{"AcosDeg", AcosDeg, -1, 0},
                    TrigCase{"AcosDeg", AcosDeg, 0.8, 36.869898}),
    [](const testing::TestParamInfo<TrigCase>& info) { return info.param.name + std::to_string(info.index); });

TEST(DegreeFunction, PiIsTheShortConstant) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &PI, sizeof bits);
  EXPECT_EQ(bits, 0x400921FB4D12D84AULL);
}

TEST(DegreeFunction, ArccosineOfMinusOneIsAPlainZero) {
  // Callers add 180 only to a negative result; this must not count as one.
  EXPECT_FALSE(AcosDeg(-1) < 0);
}

}  // namespace
}  // namespace draftcalc
