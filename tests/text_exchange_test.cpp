// The page's box texts as the module reads them from its memory: lengths
// that do not lay the texts within the bytes are refused, whatever their
// values (run under the sanitizers, a wrapped sum would be caught too).
#include "web/text_exchange.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace draftcalc::web {
namespace {

constexpr int kBoxes = kRowCount * kColumnCount;

struct LengthCase {
  const char* name;
  int32_t size;
  std::vector<int32_t> lengths;  // the first boxes; the others 0
  bool refused;
};

void PrintTo(const LengthCase& c, std::ostream* out) { *out << c.name; }

class BoxLengths : public testing::TestWithParam<LengthCase> {};

TEST_P(BoxLengths, AreRefusedUnlessTheyLayTheTextsWithinTheBytes) {
  const LengthCase& c = GetParam();
  BoxTextsIn in;
  char* bytes = in.Bytes(c.size);
  ASSERT_NE(bytes, nullptr);
  std::memset(bytes, 'x', static_cast<size_t>(c.size));
  for (int i = 0; i < kBoxes; ++i) in.Lengths()[i] = i < static_cast<int>(c.lengths.size()) ? c.lengths[i] : 0;
  const auto texts = in.Texts();
  ASSERT_EQ(!texts.has_value(), c.refused);
  if (!texts) return;
  size_t total = 0;
  for (int i = 0; i < kBoxes; ++i) {
    const std::string_view text = (*texts)(i / kColumnCount, static_cast<Column>(i % kColumnCount));
    EXPECT_GE(text.data(), bytes);
    total += text.size();
  }
  EXPECT_LE(total, static_cast<size_t>(c.size));
}

constexpr int32_t kMost = std::numeric_limits<int32_t>::max();
constexpr int32_t kLeast = std::numeric_limits<int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Cases, BoxLengths,
    testing::Values(LengthCase{"AllWithin", 6, {1, 2, 3}, false}, LengthCase{"ExactlyAll", 2, {1, 1}, false},
                    LengthCase{"NoneAtAll", 0, {}, false}, LengthCase{"OneThenMinusOne", 2, {1, -1}, true},
                    LengthCase{"MinusOneFirst", 2, {-1, 2}, true}, LengthCase{"OneBytePast", 2, {1, 2}, true},
                    LengthCase{"TheLargest", 2, {kMost}, true}, LengthCase{"TheSmallest", 2, {kLeast}, true},
                    LengthCase{"TwoThatWrapRound", 2, {2, kMost, kMost, 2}, true},
                    LengthCase{"PastIntoTheSpareByte", 2, {3}, true}),
    [](const testing::TestParamInfo<LengthCase>& info) { return std::string(info.param.name); });

TEST(BoxBytes, ANegativeSizeHasNoRoom) {
  BoxTextsIn in;
  EXPECT_EQ(in.Bytes(-1), nullptr);
  EXPECT_EQ(in.Bytes(std::numeric_limits<int32_t>::min()), nullptr);
  EXPECT_NE(in.Bytes(0), nullptr);
}

}  // namespace
}  // namespace draftcalc::web
