// Reading and writing CSV records, and mapping a header to the input boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "csv/box_columns.h"
#include "csv/csv_reader.h"
#include "csv/csv_table.h"
#include "csv/csv_writer.h"
#include "csv/named_boxes.h"
#include "csv/utf8.h"

namespace draftcalc::csv {
namespace {

using R = CsvReader::Status;

struct ReadRecord {
  R result;
  long line;
  std::vector<std::string> fields;
  bool operator==(const ReadRecord&) const = default;
};

void PrintTo(const ReadRecord& r, std::ostream* os) {
  *os << "{result " << static_cast<int>(r.result) << ", line " << r.line << ", fields";
  for (const auto& f : r.fields) *os << " [" << f << "]";
  *os << "}";
}

// Hands the bytes over `piece` at a time, as a pipe may, and fails with
// `error` once `failAfter` bytes are read.
class PieceSource : public ByteSource {
 public:
  PieceSource(std::string_view bytes, size_t piece, size_t failAfter = SIZE_MAX, int error = 0)
      : bytes_(bytes), piece_(piece), failAfter_(failAfter), error_(error) {}
  ReadResult Read(char* buffer, size_t size) override {
    if (given_ >= failAfter_) return {0, error_};
    const size_t n = std::min({size, piece_, bytes_.size() - given_, failAfter_ - given_});
    std::copy_n(bytes_.data() + given_, n, buffer);
    given_ += n;
    return {n, 0};
  }

 private:
  std::string_view bytes_;
  size_t piece_, failAfter_;
  int error_;
  size_t given_ = 0;
};

// Every result the reader gives for `text`, up to and including the end.
std::vector<ReadRecord> ReadAll(ByteSource& source, size_t maxRecordBytes = CsvReader::kDefaultMaxRecordBytes) {
  CsvReader reader(source, maxRecordBytes);
  std::vector<ReadRecord> records;
  for (;;) {
    const auto result = reader.Next();
    if (result == R::kEnd) break;
    ReadRecord record{result, reader.RecordLine(), {}};
    if (result == R::kRecord) {
      for (size_t i = 0; i < reader.Record().FieldCount(); ++i) record.fields.emplace_back(reader.Record().Field(i));
    }
    records.push_back(record);
    if (result == R::kReadError) break;
  }
  return records;
}

std::vector<ReadRecord> ReadAll(const std::string& text, size_t maxRecordBytes = CsvReader::kDefaultMaxRecordBytes) {
  MemorySource source(text);
  return ReadAll(source, maxRecordBytes);
}

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

// Old spreadsheet exports end lines with CR alone.
TEST(CsvReader, TakesCrLfAndCrAloneAsLineEnds) {
  const std::vector<ReadRecord> expected = {{R::kRecord, 1, {"a", "b"}},
                                            {R::kRecord, 2, {"1", "2"}},
                                            {R::kRecord, 3, {"3", "4"}},
                                            {R::kRecord, 5, {"5", ""}}};
  EXPECT_EQ(ReadAll("a,b\r1,2\r3,4\r\r5,\r"), expected);
  EXPECT_EQ(ReadAll("a,b\n1,2\r\n3,4\r\n\r5,"), expected);
  // A lone CR in unquoted text ends the line; inside quotes it is data.
  EXPECT_EQ(ReadAll("a\rb,c\n"), (std::vector<ReadRecord>{{R::kRecord, 1, {"a"}}, {R::kRecord, 2, {"b", "c"}}}));
  EXPECT_EQ(ReadAll("\"a\rb\",c\rd,e"),
            (std::vector<ReadRecord>{{R::kRecord, 1, {"a\rb", "c"}}, {R::kRecord, 3, {"d", "e"}}}));
}

TEST(CsvReader, SkipsAByteOrderMarkAndEmptyLines) {
  const std::vector<ReadRecord> expected = {{R::kRecord, 1, {"x1", "y1"}}, {R::kRecord, 4, {"1", "2"}}};
  EXPECT_EQ(ReadAll("\xEF\xBB\xBFx1,y1\n\r\n\n1,2\n\n"), expected);
  // A mark anywhere else is data.
  EXPECT_EQ(ReadAll("a,\xEF\xBB\xBF\n"), (std::vector<ReadRecord>{{R::kRecord, 1, {"a", "\xEF\xBB\xBF"}}}));
  EXPECT_EQ(ReadAll("\xEF\xBB"), (std::vector<ReadRecord>{{R::kRecord, 1, {"\xEF\xBB"}}}));
}

TEST(CsvReader, ReportsAnUnterminatedQuoteAtTheLineItBegan) {
  const auto records = ReadAll("a,b\n1,2\n3,\"open\nmore\n");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1], (ReadRecord{R::kRecord, 2, {"1", "2"}}));
  EXPECT_EQ(records[2].result, R::kOpenQuote);
  EXPECT_EQ(records[2].line, 3);
}

TEST(CsvReader, SkipsARecordWithAStrayQuoteAndGoesOn) {
  const auto records = ReadAll("a,b\n\"1\"x,2\n3,4\n");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].result, R::kStrayText);
  EXPECT_EQ(records[1].line, 2);
  EXPECT_EQ(records[2], (ReadRecord{R::kRecord, 3, {"3", "4"}}));
}

// After text that follows a closing quote, the record still ends where the
// grammar says: a quoted field after it may span lines, and what follows is
// read in step. Skipping to the end of the physical line instead would open a
// quote on the next line and swallow or invent records.
TEST(CsvReader, ResynchronisesAfterStrayTextByTheGrammar) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<ReadRecord> expected;
  };
  const std::vector<Case> cases = {
      {"QuotedLineBreakAfterStrayText",
       "h,n\n\"b1\"x,\"note\n\",0\n1,2\n3,4\n",
       {{R::kRecord, 1, {"h", "n"}}, {R::kStrayText, 2, {}}, {R::kRecord, 4, {"1", "2"}}, {R::kRecord, 5, {"3", "4"}}}},
      {"QuoteOnTheNextLineIsNoNewRecord",
       "h,n\n\"a\"x,\"\n\"b\"\"\",1\n5,6\n",
       {{R::kRecord, 1, {"h", "n"}}, {R::kStrayText, 2, {}}, {R::kRecord, 4, {"5", "6"}}}},
      {"StrayTextHoldingQuotes", "\"a\"b\"c,d\ne,f\n", {{R::kStrayText, 1, {}}, {R::kRecord, 2, {"e", "f"}}}},
      {"StrayTextAtTheEnd", "\"a\" \n", {{R::kStrayText, 1, {}}}},
      {"ClosingQuoteThenCr", "\"a\"\r\"b\"", {{R::kRecord, 1, {"a"}}, {R::kRecord, 2, {"b"}}}},
      {"QuoteInsideUnquotedTextIsText", "a\"b,\"\"\"\"\n", {{R::kRecord, 1, {"a\"b", "\""}}}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadAll(c.text), c.expected) << c.name;
}

TEST(CsvReader, SkipsARecordLongerThanTheLimitAndGoesOnInStep) {
  const std::string longField(100, 'z');
  // The limit counts a record's bytes without its line end.
  EXPECT_EQ(ReadAll("12345\n123456\r\n1\n", 5),
            (std::vector<ReadRecord>{{R::kRecord, 1, {"12345"}}, {R::kTooLong, 2, {}}, {R::kRecord, 3, {"1"}}}));
  // Quoted line ends inside a skipped record still count as lines.
  EXPECT_EQ(ReadAll("h\n\"" + longField + "\r\n" + longField + "\n\",x\n2\n", 50),
            (std::vector<ReadRecord>{{R::kRecord, 1, {"h"}}, {R::kTooLong, 2, {}}, {R::kRecord, 5, {"2"}}}));
  // Too long and never closed: one problem, then the end.
  EXPECT_EQ(ReadAll("h\n\"" + longField, 50), (std::vector<ReadRecord>{{R::kRecord, 1, {"h"}}, {R::kTooLong, 2, {}}}));
}

TEST(CsvReader, SkipsAHugeRecordWithoutKeepingIt) {
  // 40 MiB without a line end, then a record; the limit keeps the buffer small.
  const std::string text = "h\n" + std::string(40u << 20, '\0') + "\n1\n";
  const auto records = ReadAll(text, 4096);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1], (ReadRecord{R::kTooLong, 2, {}}));
  EXPECT_EQ(records[2], (ReadRecord{R::kRecord, 3, {"1"}}));
}

TEST(CsvReader, ReadsAFieldLargerThanItsBuffer) {
  const std::string big(300'000, 'z');
  const auto records = ReadAll("h\n\"" + big + "\"\n" + big + "\n");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].fields, std::vector<std::string>{big});
  EXPECT_EQ(records[2].fields, std::vector<std::string>{big});
}

// A pipe hands over a few bytes at a time: the records read must not depend
// on where the reads break the input (a CRLF, a quote pair or a mark split).
TEST(CsvReader, ReadsTheSameWhateverTheSizeOfEachRead) {
  const std::vector<std::string> texts = {
      "\xEF\xBB\xBFx1,y1\r\n1,2\r\n\r\n3,4\r",
      "a,\"b\"\"c\",\"d\r\ne\"\n\"a\"x,\"\n\"b\"\"\",1\n5,6",
      "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa,b,c,\"\"\n,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,\n\"q\r\"\r\n",
      "short\n" + std::string(70, 'x') + "\n\"" + std::string(35, ',') + "\r\n" + std::string(35, '\r') +
          "\"\ntail,\"open",
  };
  for (const std::string& text : texts) {
    MemorySource whole(text);
    const auto expected = ReadAll(whole, 64);
    for (size_t piece : {1, 2, 3, 7, 16, 17}) {
      PieceSource source(text, piece);
      EXPECT_EQ(ReadAll(source, 64), expected) << "reads of " << piece << " bytes of: " << text;
    }
  }
}

TEST(CsvReader, StopsAtAReadErrorAfterTheRecordsBeforeIt) {
  PieceSource source("a,b\n1,2\n3,4\n", 4, /*failAfter=*/9, EIO);
  EXPECT_EQ(ReadAll(source), (std::vector<ReadRecord>{
                                 {R::kRecord, 1, {"a", "b"}}, {R::kRecord, 2, {"1", "2"}}, {R::kReadError, 3, {}}}));

  // A stdio stream whose read fails, as a failing disk gives it.
  cookie_io_functions_t failing{};
  failing.read = [](void*, char*, size_t) -> ssize_t {
    errno = EIO;
    return -1;
  };
  std::FILE* stream = fopencookie(nullptr, "r", failing);
  ASSERT_NE(stream, nullptr);
  StreamSource streamSource(stream);
  CsvReader reader(streamSource);
  EXPECT_EQ(reader.Next(), R::kReadError);
  EXPECT_EQ(reader.ReadError(), EIO);
  EXPECT_EQ(reader.Next(), R::kReadError);
  std::fclose(stream);
}

// A terminal gives the end of the input once (Ctrl-D) and would wait for
// more if read again.
class EndOnceSource : public ByteSource {
 public:
  explicit EndOnceSource(std::string_view bytes) : bytes_(bytes) {}
  ReadResult Read(char* buffer, size_t size) override {
    if (ended_) ADD_FAILURE() << "read again after the end of: " << bytes_;
    ended_ = sent_ && !ended_;
    if (sent_) return {0, 0};
    sent_ = true;
    const size_t n = std::min(size, bytes_.size());
    std::copy_n(bytes_.data(), n, buffer);
    return {n, 0};
  }

 private:
  std::string_view bytes_;
  bool sent_ = false, ended_ = false;
};

TEST(CsvReader, ReadsNoMoreOnceTheInputHasEnded) {
  for (const std::string& text :
       std::vector<std::string>{"", "\xEF\xBB", "a\n1", "a\n\"open", "a\n" + std::string(300, 'x')}) {
    EndOnceSource source(text);
    CsvReader reader(source, 100);
    for (int i = 0; i < 4; ++i) reader.Next();
  }
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
  std::string text;
  CsvWriter writer(text);
  for (const char* field : {"plain", "", "a,b", "say \"hi\"", "two\nlines", "cr\r", "交点無し??"}) writer.Field(field);
  writer.EndRecord();
  EXPECT_EQ(text, "plain,,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\",交点無し??\n");
}

// What the writer writes reads back as the same fields.
TEST(CsvWriter, WritesWhatTheReaderReadsBack) {
  const std::vector<std::string_view> fields = {"", "\"", ",", "\r", "\n", "a\"\"b", " x ", "\r\n\r"};
  std::string text;
  CsvWriter writer(text);
  writer.Record(fields);
  writer.FieldsAsTheyAre("p,q");
  writer.Field("r");
  writer.EndRecord();
  const auto records = ReadAll(text);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].fields, std::vector<std::string>(fields.begin(), fields.end()));
  EXPECT_EQ(records[1].fields, (std::vector<std::string>{"p", "q", "r"}));
}

TEST(HeaderMap, MapsBoxColumnsInAnyOrderAndCase) {
  const std::vector<std::string_view> names = {"name", "Y2", "x1", "d3", "X", "s1"};
  std::string problem;
  const auto map = MapHeader(names, problem);
  ASSERT_TRUE(map) << problem;
  EXPECT_EQ(map->width, 6u);
  ASSERT_EQ(map->boxColumns.size(), 4u);
  EXPECT_EQ(map->boxColumns[0].column, 1u);
  EXPECT_EQ(map->boxColumns[0].box, (BoxName{1, colY}));
  EXPECT_EQ(map->boxColumns[3].box, (BoxName{0, colS}));
  EXPECT_EQ(BoxNameText(map->boxColumns[2].box), "d3");
}

TEST(HeaderMap, RefusesABoxNamedTwiceOrTextThatIsNotUtf8) {
  std::string problem;
  const std::vector<std::string_view> twice = {"x1", "y1", "X1"};
  EXPECT_FALSE(MapHeader(twice, problem));
  EXPECT_EQ(problem, "header names input box x1 twice");
  const std::vector<std::string_view> binary = {"x1", "\xFF"};
  EXPECT_FALSE(MapHeader(binary, problem));
  EXPECT_EQ(problem, "header column 2 is not valid UTF-8");
}

TEST(NamedBoxes, KeepsTheStartupTextsOfBoxesNotNamed) {
  NamedBoxes boxes;
  EXPECT_EQ(boxes.Give("X2", "3"), NamedBoxes::Refusal::kNone);
  EXPECT_EQ(boxes.Give("d3", "8"), NamedBoxes::Refusal::kNone);
  InputTexts expected = StartupTexts();
  expected(1, colX) = "3";
  expected(2, colD) = "8";
  EXPECT_EQ(boxes.Texts().box, expected.box);
}

TEST(NamedBoxes, RefusesANameThatIsNoBoxAndABoxNamedTwiceWithoutChangingIt) {
  NamedBoxes boxes;
  ASSERT_EQ(boxes.Give("x1", "5"), NamedBoxes::Refusal::kNone);
  for (std::string_view name : {"x4", "z1", "x", "x1 ", ""}) {
    EXPECT_EQ(boxes.Give(name, "7"), NamedBoxes::Refusal::kNotABox) << name;
  }
  EXPECT_EQ(boxes.Give("X1", "6"), NamedBoxes::Refusal::kGivenTwice);
  EXPECT_EQ(boxes.Texts()(0, colX), "5");
  boxes.Reset();
  EXPECT_EQ(boxes.Texts().box, StartupTexts().box);
  EXPECT_EQ(boxes.Give("X1", "6"), NamedBoxes::Refusal::kNone);
}

TEST(CsvTable, ReadsAWholeFileWithItsProblems) {
  MemorySource source("name,x1\r\np,1\r\nq,2,3\r\n\"r\"s,4\r\n\"t\r\nu\",5\r\n");
  const CsvTable table = ReadCsvTable(source);
  EXPECT_EQ(table.header.fields, (std::vector<std::string>{"name", "x1"}));
  ASSERT_EQ(table.records.size(), 2u);
  EXPECT_EQ(table.records[0].fields, (std::vector<std::string>{"p", "1"}));
  EXPECT_EQ(table.records[1].line, 5);
  EXPECT_EQ(table.records[1].fields, (std::vector<std::string>{"t\r\nu", "5"}));
  ASSERT_EQ(table.problems.size(), 2u);
  EXPECT_EQ(table.problems[0].line, 3);
  EXPECT_EQ(table.problems[0].message, "record has 3 fields, the header has 2");
  EXPECT_EQ(table.problems[1].message, "unexpected text after a closing quote");
  EXPECT_EQ(table.readError, 0);
}

TEST(CsvTable, StopsAtAMalformedHeaderOrAReadError) {
  MemorySource badHeader("\"a\"b,c\n1,2\n");
  const CsvTable noHeader = ReadCsvTable(badHeader);
  EXPECT_TRUE(noHeader.header.fields.empty());
  EXPECT_TRUE(noHeader.records.empty());
  ASSERT_EQ(noHeader.problems.size(), 1u);

  PieceSource failing("a\n1\n2\n", 2, 4, EIO);
  const CsvTable cut = ReadCsvTable(failing);
  EXPECT_EQ(cut.records.size(), 1u);
  EXPECT_EQ(cut.readError, EIO);
}

}  // namespace
}  // namespace draftcalc::csv
