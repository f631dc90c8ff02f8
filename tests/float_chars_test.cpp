// The two routes between doubles and text, charconv and the C library (the
// WebAssembly build's), must give the same results: here both run natively
// on the same values and texts.
#include "core/float_chars.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace draftcalc::float_chars {
namespace {

namespace std_route = charconv_route;
namespace c_route = c_library_route;

// Finite doubles of every exponent, both signs, from random bit patterns.
std::vector<double> RandomDoubles(size_t count, uint64_t seed) {
  std::mt19937_64 random(seed);
  std::vector<double> values;
  while (values.size() < count) {
    const double value = std::bit_cast<double>(random());
    if (std::isfinite(value)) values.push_back(value);
  }
  return values;
}

// The places where shortest digits are hard to find: powers of two, where
// the doubles that read back reach further above than below (down into the
// subnormals), their neighbours, the ends of the range, large whole numbers
// with halves between their shortest digits, and short decimals.
std::vector<double> AwkwardDoubles() {
  std::vector<double> values = {std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::denorm_min(),
                                1e-310,
                                5e-324,
                                1e22,
                                1e23,
                                0.3,
                                9007199254740993.0,
                                123456789012345678.0,
                                0.001,
                                1e-5,
                                1e15,
                                1e16,
                                1e21};
  for (int exponent = -1074; exponent <= 1023; ++exponent) {
    const double power = std::ldexp(1.0, exponent);
    values.insert(values.end(), {power, std::nextafter(power, 0.0), std::nextafter(power, 2 * power)});
  }
  for (uint64_t whole = (uint64_t{1} << 60) + 50; whole < (uint64_t{1} << 60) + 50'000; whole += 977) {
    values.push_back(static_cast<double>(whole));
  }
  for (int digits = 1; digits < 100'000; digits = digits * 3 + 1) {
    for (int exponent = -30; exponent <= 30; ++exponent) values.push_back(digits * std::pow(10.0, exponent));
  }
  return values;
}

std::string Bits(double x) { return std::to_string(std::bit_cast<uint64_t>(x)); }

std::vector<double> RandomAndAwkwardDoubles() {
  std::vector<double> values = RandomDoubles(40'000, 11);
  for (double x : AwkwardDoubles()) values.insert(values.end(), {x, -x});
  return values;
}

TEST(FloatChars, ShortestTextsAreTheSame) {
  for (double x : RandomAndAwkwardDoubles()) {
    ASSERT_EQ(c_route::ShortestText(x), std_route::ShortestText(x)) << Bits(x);
  }
  EXPECT_EQ(c_route::ShortestText(-0.0), std_route::ShortestText(-0.0));
}

// The drawings' coordinates (the SVG the page and the command write alike):
// doubles, and the floats of the visible window, whole ones of every size
// written out in full.
TEST(FloatChars, ShortestFixedTextsAreTheSame) {
  const auto values = RandomAndAwkwardDoubles();
  for (size_t i = 0; i < values.size(); i += 4) {
    const double x = values[i];
    ASSERT_EQ(c_route::ShortestFixedText(x), std_route::ShortestFixedText(x)) << Bits(x);
  }
  std::mt19937 random(12);
  for (int i = 0; i < 100'000; ++i) {
    const float x = std::bit_cast<float>(static_cast<uint32_t>(random()));
    if (!std::isfinite(x)) continue;
    ASSERT_EQ(c_route::ShortestFixedText(x), std_route::ShortestFixedText(x)) << std::bit_cast<uint32_t>(x);
  }
  for (const float x : {1e10f, 3e10f, 16777217.0f, 0.1f, 1e-45f, 3.4e38f, -2.5f, 450.0f, -11.904762f}) {
    EXPECT_EQ(c_route::ShortestFixedText(x), std_route::ShortestFixedText(x)) << x;
  }
  EXPECT_EQ(std_route::ShortestFixedText(1e20), "100000000000000000000");
  EXPECT_EQ(c_route::ShortestFixedText(0.000000125), "0.000000125");
}

TEST(FloatChars, GeneralAndFixedTextsAreTheSame) {
  std::mt19937 random(12);
  for (double x : RandomAndAwkwardDoubles()) {
    for (int precision : {7, 15})
      ASSERT_EQ(c_route::GeneralText(x, precision), std_route::GeneralText(x, precision)) << Bits(x);
    const int places = std::uniform_int_distribution<int>(0, 15)(random);
    ASSERT_EQ(c_route::FixedText(x, places), std_route::FixedText(x, places)) << Bits(x) << " " << places;
  }
}

bool SameReading(const std::optional<double>& a, const std::optional<double>& b) {
  if (!a || !b) return a.has_value() == b.has_value();
  return std::bit_cast<uint64_t>(*a) == std::bit_cast<uint64_t>(*b);
}

// Decimal texts as the leading-number parse hands them on: digits, a point,
// an exponent, from far below the subnormals to beyond the largest double,
// with long runs of digits that decide the rounding only at their end.
std::string RandomDecimal(std::mt19937& random) {
  const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  std::string text = pick(0, 1) ? "-" : "";
  const int whole = pick(0, 3) == 0 ? pick(0, 40) : pick(0, 6), fraction = pick(0, 3) == 0 ? pick(0, 40) : pick(0, 6);
  for (int i = 0; i < whole; ++i) text += static_cast<char>('0' + pick(0, 9));
  if (fraction > 0 || whole == 0) text += '.';
  for (int i = 0; i < fraction || (whole == 0 && i == 0); ++i) text += static_cast<char>('0' + pick(0, 9));
  if (pick(0, 1)) text += "e" + std::to_string(pick(-400, 400));
  return text;
}

TEST(FloatChars, DecimalReadingsAreTheSame) {
  std::vector<std::string> texts = {"1e-310",
                                    "-1e-310",
                                    "1e-400",
                                    "-1e-400",
                                    "2e-324",
                                    "3e-324",
                                    "2.4703282292062327e-324",
                                    "2.4703282292062328e-324",
                                    "1e400",
                                    "-1e400",
                                    "1.7976931348623157e308",
                                    "1.7976931348623159e308",
                                    "0",
                                    "-0",
                                    "0e999999",
                                    "1e-99999999999999999999",
                                    "1e99999999999999999999",
                                    "4.9406564584124654e-324",
                                    "2.2250738585072011e-308",
                                    "0.000000000000000000000000000000000000001e-300"};
  std::mt19937 random(13);
  for (int i = 0; i < 100'000; ++i) texts.push_back(RandomDecimal(random));
  for (double x : RandomDoubles(20'000, 14)) texts.push_back(std_route::ShortestText(x));
  for (const std::string& text : texts)
    ASSERT_TRUE(SameReading(c_route::ReadDecimal(text), std_route::ReadDecimal(text))) << text;
}

// Numbers below the normal range are kept, the rest is out of range at both ends.
TEST(FloatChars, DecimalReadingKeepsNumbersBelowTheNormalRange) {
  EXPECT_EQ(c_route::ReadDecimal("1e-310"), 1e-310);
  EXPECT_EQ(c_route::ReadDecimal("-5e-324"), -std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(c_route::ReadDecimal("1e-400"), std::nullopt);
  EXPECT_EQ(c_route::ReadDecimal("1e400"), std::nullopt);
  EXPECT_EQ(c_route::ReadDecimal("0e-400"), 0.0);
}

TEST(FloatChars, HexReadingsAreTheSame) {
  std::mt19937 random(15);
  std::vector<std::string> texts = {"0",
                                    "1",
                                    "1f",
                                    std::string(256, 'f'),
                                    std::string(257, 'f'),
                                    "1" + std::string(255, '0'),
                                    "1" + std::string(256, '0'),
                                    "20000000000001",
                                    "20000000000001" + std::string(10, '0')};
  for (int i = 0; i < 20'000; ++i) {
    std::string digits(static_cast<size_t>(std::uniform_int_distribution<int>(1, 280)(random)), '0');
    for (char& digit : digits) digit = "0123456789abcdefABCDEF"[std::uniform_int_distribution<int>(0, 21)(random)];
    texts.push_back(digits);
  }
  for (const std::string& text : texts)
    ASSERT_TRUE(SameReading(c_route::ReadHexDigits(text), std_route::ReadHexDigits(text))) << text;
  EXPECT_EQ(c_route::ReadHexDigits(std::string(257, 'f')), std::nullopt);
}

}  // namespace
}  // namespace draftcalc::float_chars
