#include "core/number_text.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "core/number_parse.h"

namespace draftcalc {
namespace {

struct RoundCase {
  double value;
  int places;
  double expected;
};

class Rounding : public testing::TestWithParam<RoundCase> {};

TEST_P(Rounding, RoundsTheExactBinaryValueHalvesToEven) {
  const auto& [value, places, expected] = GetParam();
  EXPECT_EQ(RoundTo(value, places), expected) << value << " to " << places << " places";
}

INSTANTIATE_TEST_SUITE_P(
    Table, Rounding,
    testing::Values(RoundCase{0.125, 2, 0.12}, RoundCase{0.375, 2, 0.38}, RoundCase{2.675, 2, 2.67},
                    RoundCase{1.23456, 4, 1.2346}, RoundCase{5, 4, 5}, RoundCase{0.00004, 4, 0},
                    RoundCase{0.00005, 4, 0.0001},  // the stored double lies above the half
                    RoundCase{1234567.8, 4, 1234567.8}, RoundCase{45.000001, 4, 45}, RoundCase{-134.999999, 4, -135},
                    RoundCase{0.5, 0, 0}, RoundCase{1.5, 0, 2}, RoundCase{2.5, 0, 2}, RoundCase{-2.5, 0, -2},
                    RoundCase{-0.2, 0, 0}, RoundCase{-1.99, 0, -2}, RoundCase{0.99999997, 6, 1},
                    RoundCase{37320539.63435498, 6, 37320539.634355}, RoundCase{-5.35897932e-8, 6, 0},
                    RoundCase{1e20, 4, 1e20}, RoundCase{4503599627370497.0, 3, 4503599627370497.0},
                    RoundCase{1e-300, 6, 0}));

TEST(Rounding, KeepsTheSignOfANegativeValueThatRoundsToZero) {
  EXPECT_TRUE(std::signbit(RoundTo(-0.00004, 4)));
  EXPECT_EQ(NumberText(RoundTo(-0.00004, 4)), "0");
}

TEST(Rounding, PassesNonFiniteValuesThrough) {
  EXPECT_TRUE(std::isnan(RoundTo(std::nan(""), 4)));
  EXPECT_EQ(RoundTo(std::numeric_limits<double>::infinity(), 0), std::numeric_limits<double>::infinity());
}

double RoundThroughFixedText(double value, int places) {
  std::array<char, 400> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, places).ptr;
  double rounded = 0;
  std::from_chars(text.data(), end, rounded);
  return rounded;
}

// The fast rounding must agree with the correctly rounded fixed-point text
// everywhere, above all on values typed with a 5 just after the last place.
TEST(Rounding, AgreesWithFixedPointTextOnManyValues) {
  std::mt19937_64 random(20261207);
  std::uniform_int_distribution<int> placesOf(0, 6);
  std::uniform_int_distribution<long long> digits(0, 99'999'999);
  std::uniform_real_distribution<double> anywhere(-1e7, 1e7);
  for (int i = 0; i < 200'000; ++i) {
    const int places = placesOf(random);
    // n.nnnn5: a decimal half at the next place, as typed.
    const std::string typed =
        std::to_string(digits(random) % 100000) + "." + std::to_string(digits(random)).substr(0, places) + "5";
    for (double value : {ParseLeadingNumber(typed), -ParseLeadingNumber(typed), anywhere(random)}) {
      ASSERT_EQ(RoundTo(value, places), RoundThroughFixedText(value, places))
          << "value " << value << " (" << typed << ") to " << places << " places";
    }
  }
}

struct TextCase {
  double value;
  std::string text;
};

class GeneralNumberText : public testing::TestWithParam<TextCase> {};

TEST_P(GeneralNumberText, WritesFifteenSignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(NumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GeneralNumberText,
    testing::Values(TextCase{12.3457, "12.3457"}, TextCase{-3.5, "-3.5"}, TextCase{0.0001, "0.0001"},
                    TextCase{40, "40"}, TextCase{0, "0"}, TextCase{-0.0, "0"}, TextCase{1234567.8, "1234567.8"},
                    TextCase{0.1 + 0.2, "0.3"}, TextCase{1.0 / 3, "0.333333333333333"},
                    TextCase{123456789012345, "123456789012345"}, TextCase{999999999999999, "999999999999999"},
                    TextCase{1e15, "1E+15"}, TextCase{1.23456789012346e15, "1.23456789012346E+15"},
                    TextCase{-2.5e20, "-2.5E+20"}, TextCase{1e-5, "1E-05"}, TextCase{-0.00012, "-0.00012"},
                    TextCase{1.7976931348623157e308, "1.79769313486232E+308"},
                    TextCase{5e-324, "4.94065645841247E-324"}));

std::string ReferenceGeneralText(double value) {
  std::array<char, 64> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 15).ptr;
  std::string result(text.data(), end);
  if (const auto e = result.find('e'); e != std::string::npos) result[e] = 'E';
  return result == "-0" ? "0" : result;
}

// The short route for values of few decimals must give exactly what the
// general 15-digit formatting gives, for rounded and unrounded values alike.
TEST(GeneralNumberText, AgreesWithFifteenDigitFormattingOnManyValues) {
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> magnitude(-12, 17);
  std::uniform_int_distribution<int> placesOf(0, 8);
  for (int i = 0; i < 300'000; ++i) {
    const double raw = std::pow(10.0, magnitude(random)) * (i % 2 == 0 ? 1 : -1);
    for (double value : {raw, RoundTo(raw, placesOf(random) % 7), ParseLeadingNumber(std::to_string(raw))}) {
      ASSERT_EQ(NumberText(value), ReferenceGeneralText(value)) << "value " << value;
    }
  }
}

// Plain decimals take a shortcut in the parse; it must agree with the
// correctly rounded conversion.
TEST(GeneralNumberText, PlainDecimalsParseAsTheCorrectlyRoundedValue) {
  std::mt19937_64 random(43);
  std::uniform_int_distribution<long long> digits(0, 999'999'999'999'999LL);
  std::uniform_int_distribution<int> point(0, 16);
  for (int i = 0; i < 300'000; ++i) {
    std::string text = std::to_string(digits(random));
    const auto at = static_cast<size_t>(point(random));
    if (at <= text.size()) text.insert(text.size() - at, ".");
    if (i % 3 == 0) text.insert(0, "-");
    double expected = 0;
    std::from_chars(text.data(), text.data() + text.size(), expected);
    ASSERT_EQ(ParseLeadingNumber(text), expected) << text;
  }
}

// Every number text reads back through the leading-number parse.
TEST(GeneralNumberText, ReadsBackAsTheNumberItShows) {
  for (double value : {12.3457, -3.5, 1e15, 1.23456789012346e15, 1e-5, -7.25e-100, 40.0}) {
    EXPECT_EQ(ParseLeadingNumber(NumberText(value)), value) << NumberText(value);
  }
}

// Reading and writing numbers never consults the process locale.
TEST(GeneralNumberText, IgnoresACommaDecimalLocale) {
  const char* found = nullptr;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8", "nl_NL.UTF-8"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      found = name;
      break;
    }
  }
  if (found == nullptr) GTEST_SKIP() << "no comma-decimal locale installed";
  EXPECT_EQ(NumberText(-3.5), "-3.5");
  EXPECT_EQ(ParseLeadingNumber("2.25"), 2.25);
  EXPECT_EQ(ParseLeadingNumber("2,25"), 2);
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace draftcalc
