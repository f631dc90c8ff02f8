// Input sets as CSV records, the form the window saves, opens and keeps its
// history in: written and read back exactly, run by the batch command as
// they are, and appended after text that was cut short.
#include "csv/input_set.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "csv/appending.h"
#include "csv/byte_source.h"
#include "csv/csv_table.h"
#include "csv/csv_writer.h"
#include "engine/calculation.h"

namespace draftcalc::csv {
namespace {

// Texts no box would be typed with, but any box can hold.
BoxTexts AwkwardBoxes() {
  BoxTexts boxes = StartupBoxTexts();
  boxes[0] = "1,5";
  boxes[1] = "\"quoted\" and \"\"doubled\"\"";
  boxes[2] = "8";
  boxes[8] = "line\nbreak";
  boxes[9] = "cr\r\nlf";
  boxes[10] = "8";
  boxes[11] = "円の中心";
  boxes[23] = " spaced ";
  return boxes;
}

std::string InputSetText(const BoxTexts& boxes, const ResultCaptions& captions) {
  std::string text;
  CsvWriter writer(text);
  for (std::string_view name : InputSetColumns()) writer.Field(name);
  writer.EndRecord();
  WriteInputSetFields(writer, boxes, captions);
  writer.EndRecord();
  return text;
}

CsvTable TableOf(std::string_view text) {
  MemorySource source(text);
  return ReadCsvTable(source);
}

TEST(InputSet, ReadsBackExactlyWhatWasWritten) {
  const BoxTexts boxes = AwkwardBoxes();
  const ResultCaptions captions{"1", "-2.5", "", "10", "計算できません, \"no\""};
  const CsvTable table = TableOf(InputSetText(boxes, captions));
  ASSERT_TRUE(table.problems.empty());
  ASSERT_EQ(table.records.size(), 1u);

  BoxTexts readBoxes;
  ResultCaptions readCaptions;
  ReadInputSetFields(table.records[0].fields, readBoxes, readCaptions);
  EXPECT_EQ(readBoxes, boxes);
  EXPECT_EQ(readCaptions, captions);

  // Through the header, as an input of any layout is read.
  std::vector<std::string_view> names(table.header.fields.begin(), table.header.fields.end());
  std::string problem;
  const auto header = MapHeader(names, problem);
  ASSERT_TRUE(header) << problem;
  EXPECT_EQ(BoxTextsOf(*header, table.records[0].fields), boxes);
}

TEST(InputSet, BoxesNoColumnFeedsKeepTheirStartupTexts) {
  const CsvTable table = TableOf("note,D2,x1,y2\nfirst,8,3,4\n");
  std::vector<std::string_view> names(table.header.fields.begin(), table.header.fields.end());
  std::string problem;
  const auto header = MapHeader(names, problem);
  ASSERT_TRUE(header);
  BoxTexts expected = StartupBoxTexts();
  expected[BoxIndex({1, colD})] = "8";
  expected[BoxIndex({0, colX})] = "3";
  expected[BoxIndex({1, colY})] = "4";
  EXPECT_EQ(BoxTextsOf(*header, table.records[0].fields), expected);
  EXPECT_EQ(expected[BoxIndex({2, colD})], "99");
}

// What the window saves, draftcalc-cli runs as it is: its answer columns
// after the saved ones hold the same captions.
TEST(InputSet, ASavedSetRunsInBatchToTheSameAnswer) {
  BoxTexts boxes = StartupBoxTexts();
  for (const auto& [index, text] : {std::pair{0, "0"},
                                    {1, "0"},
                                    {2, "0"},
                                    {6, "10"},
                                    {7, "1"},
                                    {10, "5"},
                                    {13, "-5"},
                                    {16, "20"},
                                    {18, "0"},
                                    {22, "10"},
                                    {23, "1"}}) {
    boxes[static_cast<size_t>(index)] = text;
  }
  const ResultCaptions captions = Calculate(ViewsOf(boxes));
  ASSERT_EQ(captions.ansY, "11.1803");
  const std::string input = InputSetText(boxes, captions);

  char* out = nullptr;
  size_t outSize = 0;
  std::FILE* output = open_memstream(&out, &outSize);
  std::FILE* errors = std::tmpfile();
  MemorySource source(input);
  EXPECT_EQ(cli::RunBatch(source, output, errors, "saved.csv", {}), cli::kExitOk);
  std::fclose(output);
  std::fclose(errors);
  const std::string text(out, outSize);
  std::free(out);

  // The answers are written afresh in the set's own answer columns: the same
  // header, the same record.
  const CsvTable result = TableOf(text), saved = TableOf(input);
  ASSERT_EQ(result.records.size(), 1u);
  EXPECT_EQ(result.header.fields, saved.header.fields);
  ASSERT_EQ(result.records[0].fields.size(), kInputSetWidth);
  EXPECT_EQ(result.records[0].fields, saved.records[0].fields);
}

TEST(Appending, SeparatorDependsOnWhereTheTextWasCut) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"", ""},
      {"a,b\n", ""},
      {"a,b\r", ""},
      {"a,b\r\n", ""},
      {"a,b", "\n"},
      {"a,", "\n"},
      {"a,\"b", "\"\n"},
      {"a,\"", "\"\n"},
      {"a,\"b\n", "\"\n"},    // a line end inside quotes ends nothing
      {"a,\"b\"\"", "\"\n"},  // a doubled quote: still inside
      {"a,\"b\"", "\n"},      // the closing quote came
      {"a,\"b\"x", "\n"},     // stray text: the record ends at the line end
      {"h\n\"a\nb\",c\n", ""},
  };
  for (const auto& [text, separator] : cases) EXPECT_EQ(SeparatorBeforeAppending(text), separator) << text;
}

// Whatever the cut, the record appended after the separator reads back whole
// and last, and nothing before the cut is lost.
TEST(Appending, ARecordAppendedAfterAnyCutReadsBackWhole) {
  const std::string full = "h1,h2\n\"a,\"\"b\"\"\r\nc\",d\n日本,\"\"\n";
  const std::string appended = "\"new\nline\",\"x,y\"\n";
  for (size_t cut = full.find('\n') + 1; cut <= full.size(); ++cut) {
    const std::string text = full.substr(0, cut);
    const CsvTable table = TableOf(text + std::string(SeparatorBeforeAppending(text)) + appended);
    ASSERT_FALSE(table.records.empty()) << cut;
    EXPECT_EQ(table.records.back().fields, (std::vector<std::string>{"new\nline", "x,y"})) << "cut at " << cut;
  }
}

TEST(CsvTable, ReadsAtMostTheRecordsAskedFor) {
  const std::string text = "a\n1\n2\n3\n";
  for (const auto& [most, count, more] : {std::tuple{size_t{0}, 0u, true}, {2, 2u, true}, {3, 3u, false}}) {
    MemorySource source(text);
    const CsvTable table = ReadCsvTable(source, CsvReader::kDefaultMaxRecordBytes, most);
    EXPECT_EQ(table.header.fields, std::vector<std::string>{"a"}) << most;
    EXPECT_EQ(table.records.size(), count) << most;
    EXPECT_EQ(table.moreRecords, more) << most;
  }
}

}  // namespace
}  // namespace draftcalc::csv
