#include "cli/batch.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "cli/box_names.h"
#include "cli/csv_reader.h"
#include "cli/csv_writer.h"
#include "core/calculation.h"

namespace draftcalc::cli {
namespace {

constexpr std::array<std::string_view, 5> kAnswerColumns = {"ansX", "ansY", "ansA", "ansR", "ansRem"};

void Report(std::FILE* errors, std::string_view inputName, long line, const std::string& message) {
  std::fprintf(errors, "%.*s:%ld: %s\n", static_cast<int>(inputName.size()), inputName.data(), line, message.c_str());
}

// Which header column feeds which input box; columns that name no box are
// only passed through.
struct HeaderMap {
  std::vector<std::optional<BoxName>> boxOfColumn;
};

std::optional<HeaderMap> MapHeader(const std::vector<std::string>& names, size_t count, std::string& problem) {
  HeaderMap map;
  std::array<std::array<bool, kColumnCount>, kRowCount> seen{};
  for (size_t i = 0; i < count; ++i) {
    if (!IsValidUtf8(names[i])) {
      problem = "header column " + std::to_string(i + 1) + " is not valid UTF-8";
      return std::nullopt;
    }
    const auto box = ParseBoxName(names[i]);
    if (box) {
      bool& already = seen[static_cast<size_t>(box->row)][box->column];
      if (already) {
        problem = "header names input box " + BoxNameText(*box) + " twice";
        return std::nullopt;
      }
      already = true;
    }
    map.boxOfColumn.push_back(box);
  }
  return map;
}

}  // namespace

int RunBatch(std::FILE* input, std::FILE* output, std::FILE* errors, std::string_view inputName) {
  CsvReader reader(input);
  CsvWriter writer(output);
  std::vector<std::string> fields;
  size_t fieldCount = 0;

  const auto reportReaderProblem = [&](CsvReader::Result result) {
    if (result == CsvReader::Result::kUnterminatedQuote) {
      Report(errors, inputName, reader.RecordLine(), "quoted field is not closed before the end of the input");
    } else {
      Report(errors, inputName, reader.RecordLine(), "unexpected text after a closing quote");
    }
  };

  const CsvReader::Result headerResult = reader.Next(fields, fieldCount);
  if (headerResult == CsvReader::Result::kEnd) {
    Report(errors, inputName, 1, "no header line");
    return kExitBadInput;
  }
  if (headerResult != CsvReader::Result::kRecord) {
    reportReaderProblem(headerResult);
    return kExitBadInput;
  }
  std::string problem;
  const auto header = MapHeader(fields, fieldCount, problem);
  if (!header) {
    Report(errors, inputName, reader.RecordLine(), problem);
    return kExitBadInput;
  }
  const size_t columnCount = fieldCount;
  for (size_t i = 0; i < columnCount; ++i) writer.Field(fields[i]);
  for (std::string_view name : kAnswerColumns) writer.Field(name);
  writer.EndRecord();

  // One state for the whole run, as in the window; every calculation starts
  // from its own texts, so records stay independent.
  CalcState state;
  int status = kExitOk;
  for (;;) {
    const CsvReader::Result result = reader.Next(fields, fieldCount);
    if (result == CsvReader::Result::kEnd) break;
    if (result != CsvReader::Result::kRecord) {
      reportReaderProblem(result);
      status = kExitBadInput;
      if (result == CsvReader::Result::kUnterminatedQuote) break;
      continue;
    }
    if (fieldCount != columnCount) {
      Report(errors, inputName, reader.RecordLine(),
             "record has " + std::to_string(fieldCount) + " fields, the header has " + std::to_string(columnCount));
      status = kExitBadInput;
      continue;
    }

    InputTexts texts = StartupTexts();
    for (size_t i = 0; i < columnCount; ++i) {
      if (const auto& box = header->boxOfColumn[i]) texts(box->row, box->column) = fields[i];
    }
    RunCalculation(state, texts);

    for (size_t i = 0; i < columnCount; ++i) writer.Field(fields[i]);
    const ResultCaptions& c = state.captions;
    for (const std::string* caption : {&c.ansX, &c.ansY, &c.ansA, &c.ansR, &c.ansRem}) writer.Field(*caption);
    writer.EndRecord();
  }
  return status;
}

}  // namespace draftcalc::cli
