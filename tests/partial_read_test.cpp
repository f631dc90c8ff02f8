// How a box text that the calculation reads only in part is described: the
// value the message names must be the value the calculation reads.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "core/number_parse.h"
#include "core/number_text.h"
#include "i18n/partial_reading.h"

namespace draftcalc::i18n {
namespace {

struct ReadingCase {
  std::string text;
  std::optional<std::string> reading;  // nothing: read whole
};

void PrintTo(const ReadingCase& c, std::ostream* out) { *out << "\"" << c.text << "\""; }

class PartialReadingOf : public testing::TestWithParam<ReadingCase> {};

TEST_P(PartialReadingOf, SaysHowTheTextIsRead) {
  const auto& [text, reading] = GetParam();
  EXPECT_EQ(PartialReading(text, Language::kEnglish), reading);
  if (reading) {
    // "read as 8: ..." names the number the calculation takes.
    EXPECT_TRUE(reading->starts_with("read as " + NumberText(ParseLeadingNumber(text)) + ":")) << *reading;
  }
}

const std::string kIgnoredAfter = ": the text after ";

INSTANTIATE_TEST_SUITE_P(ReadInPart, PartialReadingOf,
                         testing::Values(ReadingCase{"8,5", "read as 8" + kIgnoredAfter + "\"8\" is ignored"},
                                         ReadingCase{"12abc", "read as 12" + kIgnoredAfter + "\"12\" is ignored"},
                                         ReadingCase{"1.2.3", "read as 1.2" + kIgnoredAfter + "\"1.2\" is ignored"},
                                         ReadingCase{" 3mm", "read as 3" + kIgnoredAfter + "\"3\" is ignored"},
                                         ReadingCase{"1e", "read as 1" + kIgnoredAfter + "\"1\" is ignored"},
                                         ReadingCase{"0x10", "read as 0" + kIgnoredAfter + "\"0\" is ignored"},
                                         ReadingCase{"&H10G", "read as 16" + kIgnoredAfter + "\"&H10\" is ignored"},
                                         ReadingCase{"4\r", "read as 4" + kIgnoredAfter + "\"4\" is ignored"}));

INSTANTIATE_TEST_SUITE_P(
    ReadAsZero, PartialReadingOf,
    testing::Values(ReadingCase{"point", "read as 0: it does not begin with a number"},
                    ReadingCase{"\xEF\xBC\x98", "read as 0: it does not begin with a number"},  // full-width 8
                    ReadingCase{"-", "read as 0: it does not begin with a number"},
                    ReadingCase{"&", "read as 0: it does not begin with a number"},
                    ReadingCase{"1e400", "read as 0: the number lies beyond the range of a double"},
                    ReadingCase{"-1e400", "read as 0: the number lies beyond the range of a double"}));

INSTANTIATE_TEST_SUITE_P(ReadWhole, PartialReadingOf,
                         testing::Values(ReadingCase{"", std::nullopt}, ReadingCase{"   ", std::nullopt},
                                         ReadingCase{"  8", std::nullopt}, ReadingCase{"8  ", std::nullopt},
                                         ReadingCase{" 8.5 ", std::nullopt}, ReadingCase{"&H10", std::nullopt},
                                         ReadingCase{"-1.5e3", std::nullopt}, ReadingCase{"+3", std::nullopt},
                                         ReadingCase{".5", std::nullopt}, ReadingCase{"1 2", std::nullopt},
                                         ReadingCase{"0.000", std::nullopt}));

}  // namespace
}  // namespace draftcalc::i18n
