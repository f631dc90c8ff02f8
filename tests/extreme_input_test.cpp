// Enormous, tiny and garbled inputs end cleanly in every calculation.
#include <gtest/gtest.h>

#include <vector>

#include "core/messages.h"
#include "core/number_parse.h"
#include "core/number_text.h"
#include "engine_fixture.h"

namespace draftcalc {
namespace {

// A numeric caption is empty or a finite number in the general number form.
bool IsCleanNumberCaption(const std::string& caption) {
  return caption.empty() || NumberText(ParseLeadingNumber(caption)) == caption;
}

// The twelve catalogue calculations with every number replaced by `v`.
std::vector<std::array<Row, 3>> CatalogueWith(const std::string& v) {
  return {
      {Point("0", "0"), Point(v, v), Unused()},
      {Point(v, "0"), Circle("0", v, v, "1"), Unused()},
      {Circle("0", "0", v), Circle(v, v, "1"), Unused()},
      {Line("0", v, v, v), Line(v, "0", "45", v), Unused()},
      {Line(v, "0", "30", v), Circle("0", v, v, "1"), Unused()},
      {Circle("0", "0", v), Value("0.001"), Circle(v, "0", v, "1")},
      {Point("0", v), Value(v), Circle(v, "0", v, "1")},
      {Point(v, "0"), Value("-5"), Circle("0", "0", v, "1")},
      {Line("0", "0", v, v), Value(v), Circle(v, v, "10", "1")},
      {Circle("0", "0", v), Value("-5"), Circle(v, v, v, "1")},
      {Point("0", "0"), Point(v, "1"), Point("1", v)},
      {Line("0", "0", "0"), Line(v, "0", "135", v), Line("0", v, "225")},
  };
}

TEST(ExtremeInput, NoCaptionEverShowsAnUnwrittenNumber) {
  for (const std::string v : {"1e300", "-1e300", "1e200", "1e155", "1e-300", "1e-170", "1e308", "&HFFFFFFFFFFFFFFFF",
                              "1e400", "nan", "inf", "-0", "3e15"}) {
    int index = 0;
    for (const auto& rows : CatalogueWith(v)) {
      const ResultCaptions c = Calc(rows[0], rows[1], rows[2]);
      const std::string where = "value " + v + ", calculation " + std::to_string(index++);
      EXPECT_TRUE(IsCleanNumberCaption(c.ansX)) << where << ": X " << c.ansX;
      EXPECT_TRUE(IsCleanNumberCaption(c.ansY)) << where << ": Y " << c.ansY;
      EXPECT_TRUE(IsCleanNumberCaption(c.ansA)) << where << ": A " << c.ansA;
      EXPECT_TRUE(IsCleanNumberCaption(c.ansR)) << where << ": R " << c.ansR;
      if (c.ansX.empty() && c.ansY.empty() && c.ansA.empty()) {
        EXPECT_FALSE(c.ansRem.empty()) << where << ": no answer and no remark";
      }
    }
  }
}

TEST(ExtremeInput, SquaresBeyondTheDoubleRangeEndWithARemark) {
  const std::string outOfRange(messages::kNumberOutOfRange);
  EXPECT_EQ(Calc(Point("0", "0"), Point("1e200", "1"), Point("1", "1e200")), Remark(outOfRange));
  EXPECT_EQ(Calc(Circle("0", "0", "1"), Circle("1e300", "-1e300", "1")), Remark(outOfRange));
  EXPECT_EQ(Calc(Circle("0", "0", "1"), Circle("1e-170", "0", "1")), Remark(outOfRange));
}

}  // namespace
}  // namespace draftcalc
