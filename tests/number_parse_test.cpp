#include "core/number_parse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace draftcalc {
namespace {

struct ParseCase {
  std::string text;
  double value;
};

class LeadingNumber : public testing::TestWithParam<ParseCase> {};

TEST_P(LeadingNumber, ReadsTheLongestLeadingNumber) {
  const auto& [text, value] = GetParam();
  EXPECT_EQ(ParseLeadingNumber(text), value) << "text \"" << text << "\"";
}

INSTANTIATE_TEST_SUITE_P(Decimal, LeadingNumber,
                         testing::Values(ParseCase{"12", 12}, ParseCase{"-3.5", -3.5}, ParseCase{"+3", 3},
                                         ParseCase{".5", 0.5}, ParseCase{"5.", 5}, ParseCase{"0.000", 0},
                                         ParseCase{"1.2.3", 1.2}, ParseCase{"1,5", 1}, ParseCase{"3,5", 3},
                                         ParseCase{"12abc", 12}, ParseCase{"2.675", 2.675}, ParseCase{"-1.5e3", -1500},
                                         ParseCase{"1E5", 1e5}, ParseCase{"1e-3", 0.001},
                                         ParseCase{"1.23456789012346E+15", 1.23456789012346e15}));

INSTANTIATE_TEST_SUITE_P(BlanksAnywhere, LeadingNumber,
                         testing::Values(ParseCase{"1 2", 12}, ParseCase{"  7", 7}, ParseCase{"\t\n7", 7},
                                         ParseCase{"- 3", -3}, ParseCase{"1 . 5", 1.5}, ParseCase{"1 e 2", 100},
                                         ParseCase{"4\r", 4}, ParseCase{"\r4", 0}));

INSTANTIATE_TEST_SUITE_P(ExponentNeedsDigits, LeadingNumber,
                         testing::Values(ParseCase{"1e", 1}, ParseCase{"1e+", 1}, ParseCase{"2E-x", 2},
                                         ParseCase{"3d2", 3}, ParseCase{"1e2.5", 100}));

INSTANTIATE_TEST_SUITE_P(NoNumber, LeadingNumber,
                         testing::Values(ParseCase{"", 0}, ParseCase{"abc", 0}, ParseCase{"-", 0}, ParseCase{".", 0},
                                         ParseCase{"+.e5", 0}, ParseCase{"x12", 0}, ParseCase{"&", 0},
                                         ParseCase{"&X12", 0}, ParseCase{"+&H10", 0}));

INSTANTIATE_TEST_SUITE_P(HexAndOctal, LeadingNumber,
                         testing::Values(ParseCase{"&H1F", 31}, ParseCase{"&h1f", 31}, ParseCase{"& H1F", 31},
                                         ParseCase{" &H1 F", 31}, ParseCase{"&H1FG", 31}, ParseCase{"&HFFFF", 65535},
                                         ParseCase{"&H", 0}, ParseCase{"&O17", 15}, ParseCase{"&o178", 15},
                                         ParseCase{"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
                                         ParseCase{"&H10000000000000000", 18446744073709551616.0},
                                         ParseCase{"&O1000000000000000000000", 9223372036854775808.0},
                                         ParseCase{"&O" + std::string(30, '7'), std::ldexp(1.0, 90)},
                                         ParseCase{"&H" + std::string(257, 'F'), 0},
                                         ParseCase{"&H" + std::string(300, '0') + "2", 2}));

INSTANTIATE_TEST_SUITE_P(BeyondDoubleRange, LeadingNumber,
                         testing::Values(ParseCase{"1e400", 0}, ParseCase{"-1e400", 0}, ParseCase{"1e-400", 0},
                                         ParseCase{"1e99999999999999999999", 0}, ParseCase{"1.7976931348623159e308", 0},
                                         ParseCase{"1.7976931348623157e308", 1.7976931348623157e308},
                                         ParseCase{"0.0000001e-320", 0}, ParseCase{"1e-310", 1e-310},
                                         ParseCase{"1" + std::string(400, '0'), 0}));

TEST(LeadingNumber, TinyNegativeValueKeepsItsSign) {
  EXPECT_TRUE(std::signbit(ParseLeadingNumber("-1e-400")));
  EXPECT_TRUE(std::signbit(ParseLeadingNumber("-0")));
}

struct WholeCase {
  std::string text;
  std::optional<double> value;
};

class WholeText : public testing::TestWithParam<WholeCase> {};

TEST_P(WholeText, AcceptsOnlyOneNumberAsTheWholeText) {
  const auto& [text, value] = GetParam();
  EXPECT_EQ(ConvertWholeText(text), value) << "text \"" << text << "\"";
}

INSTANTIATE_TEST_SUITE_P(Numbers, WholeText,
                         testing::Values(WholeCase{"5", 5}, WholeCase{" 5 ", 5}, WholeCase{"\t-1\t", -1},
                                         WholeCase{"9.99", 9.99}, WholeCase{"-.5", -0.5}, WholeCase{"5.", 5},
                                         WholeCase{"+2", 2}, WholeCase{"1e5", 1e5}, WholeCase{"1E-2", 0.01},
                                         WholeCase{"99", 99}, WholeCase{"1e-400", 0}));

INSTANTIATE_TEST_SUITE_P(NotNumbers, WholeText,
                         testing::Values(WholeCase{"", std::nullopt}, WholeCase{"  ", std::nullopt},
                                         WholeCase{"5a", std::nullopt}, WholeCase{"x", std::nullopt},
                                         WholeCase{"1 2", std::nullopt}, WholeCase{"1e", std::nullopt},
                                         WholeCase{".", std::nullopt}, WholeCase{"-", std::nullopt},
                                         WholeCase{"1,5", std::nullopt}, WholeCase{"&H10", std::nullopt},
                                         WholeCase{"\n5", std::nullopt}, WholeCase{"1.2.3", std::nullopt},
                                         WholeCase{"1e400", std::nullopt}, WholeCase{"inf", std::nullopt},
                                         WholeCase{"nan", std::nullopt}, WholeCase{"0x10", std::nullopt}));

// Wherever a text is a number as a whole, the leading-number parse reads the same value.
TEST(WholeText, AgreesWithTheLeadingParseWhereBothAccept) {
  for (const char* text : {"5", " 5 ", "-0.25", "1e-7", "123456789.123456789", "7E+300", "\t3.\t", ".125"}) {
    const auto whole = ConvertWholeText(text);
    ASSERT_TRUE(whole.has_value()) << text;
    EXPECT_EQ(*whole, ParseLeadingNumber(text)) << text;
  }
}

}  // namespace
}  // namespace draftcalc
