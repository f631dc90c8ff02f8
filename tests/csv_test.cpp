// The CSV reading and writing of the batch command.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/csv_reader.h"
#include "cli/csv_writer.h"

namespace draftcalc::cli {
namespace {

struct ReadRecord {
  CsvReader::Result result;
  long line;
  std::vector<std::string> fields;
  bool operator==(const ReadRecord&) const = default;
};

void PrintTo(const ReadRecord& r, std::ostream* os) {
  *os << "{result " << static_cast<int>(r.result) << ", line " << r.line << ", fields";
  for (const auto& f : r.fields) *os << " [" << f << "]";
  *os << "}";
}

// Every result the reader gives for `text`, up to and including the end.
std::vector<ReadRecord> ReadAll(const std::string& text) {
  std::FILE* input = fmemopen(const_cast<char*>(text.data()), text.size(), "rb");
  if (text.empty()) input = std::tmpfile();
  CsvReader reader(input);
  std::vector<ReadRecord> records;
  std::vector<std::string> fields;
  size_t count = 0;
  for (;;) {
    const auto result = reader.Next(fields, count);
    if (result == CsvReader::Result::kEnd) break;
    records.push_back({result, reader.RecordLine(), {fields.begin(), fields.begin() + static_cast<long>(count)}});
    if (result == CsvReader::Result::kUnterminatedQuote) break;
  }
  std::fclose(input);
  return records;
}

using R = CsvReader::Result;

TEST(CsvReader, ReadsPlainRecordsWithLfOrCrLf) {
  const std::vector<ReadRecord> expected = {{R::kRecord, 1, {"a", "b", "c"}}, {R::kRecord, 2, {"1", "", "3"}}};
  EXPECT_EQ(ReadAll("a,b,c\n1,,3\n"), expected);
  EXPECT_EQ(ReadAll("a,b,c\r\n1,,3\r\n"), expected);
  EXPECT_EQ(ReadAll("a,b,c\n1,,3"), expected);
}

TEST(CsvReader, ReadsQuotedFieldsWithCommasQuotesAndLineBreaks) {
  const std::vector<ReadRecord> expected = {
      {R::kRecord, 1, {"x", "say \"hi\", then", "two\nlines"}},
      {R::kRecord, 3, {"", "\r\n", "end"}},
  };
  EXPECT_EQ(ReadAll("x,\"say \"\"hi\"\", then\",\"two\nlines\"\n\"\",\"\r\n\",end\n"), expected);
}

TEST(CsvReader, KeepsALoneCarriageReturnAsData) {
  EXPECT_EQ(ReadAll("a\rb,c\n"), (std::vector<ReadRecord>{{R::kRecord, 1, {"a\rb", "c"}}}));
}

TEST(CsvReader, SkipsAByteOrderMarkAndEmptyLines) {
  const std::vector<ReadRecord> expected = {{R::kRecord, 1, {"x1", "y1"}}, {R::kRecord, 4, {"1", "2"}}};
  EXPECT_EQ(ReadAll("\xEF\xBB\xBFx1,y1\n\r\n\n1,2\n\n"), expected);
  // A mark anywhere else is data.
  EXPECT_EQ(ReadAll("a,\xEF\xBB\xBF\n"), (std::vector<ReadRecord>{{R::kRecord, 1, {"a", "\xEF\xBB\xBF"}}}));
}

TEST(CsvReader, ReportsAnUnterminatedQuoteAtTheLineItBegan) {
  const auto records = ReadAll("a,b\n1,2\n3,\"open\nmore\n");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1], (ReadRecord{R::kRecord, 2, {"1", "2"}}));
  EXPECT_EQ(records[2].result, R::kUnterminatedQuote);
  EXPECT_EQ(records[2].line, 3);
}

TEST(CsvReader, SkipsTheLineOfAStrayQuoteAndGoesOn) {
  const auto records = ReadAll("a,b\n\"1\"x,2\n3,4\n");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].result, R::kStrayQuote);
  EXPECT_EQ(records[1].line, 2);
  EXPECT_EQ(records[2], (ReadRecord{R::kRecord, 3, {"3", "4"}}));
}

TEST(CsvReader, ReadsAFieldLargerThanItsBuffer) {
  const std::string big(300'000, 'z');
  const auto records = ReadAll("h\n\"" + big + "\"\n" + big + "\n");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].fields, std::vector<std::string>{big});
  EXPECT_EQ(records[2].fields, std::vector<std::string>{big});
}

TEST(Utf8, AcceptsWellFormedAndRejectsMalformedText) {
  EXPECT_TRUE(IsValidUtf8("x1"));
  EXPECT_TRUE(IsValidUtf8("交点無し??"));
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
  EXPECT_FALSE(IsValidUtf8("\xFF"));
  EXPECT_FALSE(IsValidUtf8("\xC3"));              // cut short
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_FALSE(IsValidUtf8("a\x80"));
}

TEST(CsvWriter, QuotesOnlyFieldsThatNeedIt) {
  char* text = nullptr;
  size_t size = 0;
  std::FILE* output = open_memstream(&text, &size);
  {
    CsvWriter writer(output);
    for (const char* field : {"plain", "", "a,b", "say \"hi\"", "two\nlines", "cr\r", "交点無し??"})
      writer.Field(field);
    writer.EndRecord();
  }
  std::fclose(output);
  EXPECT_EQ(std::string(text, size), "plain,,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\",交点無し??\n");
  std::free(text);
}

}  // namespace
}  // namespace draftcalc::cli
