#include "app/input_set_file.h"

#include <QFile>
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/device_source.h"
#include "app/look.h"
#include "app/replace_file.h"
#include "csv/box_columns.h"
#include "csv/csv_table.h"
#include "csv/csv_writer.h"
#include "csv/utf8.h"

namespace draftcalc::app {
namespace {

// Problems in the order of their lines.
using LineProblems = std::vector<std::pair<long, std::string>>;

std::optional<csv::HeaderMap> MapBoxHeader(const csv::CsvTable& table, LineProblems& problems) {
  if (table.header.line == 0) {
    // A malformed header is among the table's problems already.
    if (table.problems.empty()) problems.emplace_back(1, "no header line");
    return std::nullopt;
  }
  const std::vector<std::string_view> names(table.header.fields.begin(), table.header.fields.end());
  std::string problem;
  auto header = csv::MapHeader(names, problem);
  if (header && header->boxColumns.empty()) problem = "the header names no input box (x1 .. s3)";
  if (!problem.empty()) {
    problems.emplace_back(table.header.line, problem);
    return std::nullopt;
  }
  return header;
}

// A box text must be UTF-8 to be shown and written back as it was.
std::optional<std::string> BadBoxText(const csv::HeaderMap& header, const std::vector<std::string>& fields) {
  for (const csv::BoxColumn& feed : header.boxColumns) {
    if (!csv::IsValidUtf8(fields[feed.column])) {
      return "input box " + csv::BoxNameText(feed.box) + " is not valid UTF-8";
    }
  }
  return std::nullopt;
}

void ReadRecords(const csv::CsvTable& table, InputSetFile& file, LineProblems& problems) {
  for (const csv::CsvProblem& problem : table.problems) problems.emplace_back(problem.line, problem.message);
  const auto header = MapBoxHeader(table, problems);
  if (!header) return;
  for (const csv::CsvRow& record : table.records) {
    if (const auto bad = BadBoxText(*header, record.fields)) {
      problems.emplace_back(record.line, *bad);
    } else {
      file.records.push_back({record.line, csv::BoxTextsOf(*header, record.fields)});
    }
  }
}

}  // namespace

InputSetFile ReadInputSetFile(const QString& path) {
  InputSetFile file;
  QFile device(path);
  if (!device.open(QIODevice::ReadOnly)) {
    file.problems << path + ": cannot open: " + device.errorString();
    return file;
  }
  DeviceSource source(device);
  const csv::CsvTable table = csv::ReadCsvTable(source, kLongestRecordRead, kMostRecordsOpened);
  if (table.readError != 0) {
    file.problems << path + ": cannot read: " + device.errorString();
    return file;
  }
  LineProblems problems;
  ReadRecords(table, file, problems);
  std::stable_sort(problems.begin(), problems.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [line, message] : problems)
    file.problems << QString("%1:%2: %3").arg(path).arg(line).arg(Utf8(message));
  if (file.problems.isEmpty() && file.records.empty()) file.problems << path + ": no records after the header";
  file.moreRecords = table.moreRecords;
  return file;
}

QString WriteInputSetFile(const QString& path, const csv::BoxTexts& boxes, const ResultCaptions& captions) {
  std::string text;
  csv::CsvWriter writer(text);
  for (std::string_view name : csv::InputSetColumns()) writer.Field(name);
  writer.EndRecord();
  csv::WriteInputSetFields(writer, boxes, captions);
  writer.EndRecord();

  return ReplaceFile(path, text);
}

}  // namespace draftcalc::app
