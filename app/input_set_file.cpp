#include "app/input_set_file.h"

#include <QFile>
#include <string>
#include <string_view>

#include "app/look.h"
#include "app/replace_file.h"
#include "csv/csv_writer.h"

namespace draftcalc::app {

InputSetFile ReadInputSetFile(const QString& path) {
  files::InputSetFile read = files::ReadInputSetFile(QFile::encodeName(path).toStdString(), path.toStdString());
  InputSetFile file{
      std::move(read.records), {}, static_cast<qsizetype>(read.problemCount), read.moreRecords, read.truncated};
  for (const std::string& problem : read.problems) file.problems << Utf8(problem);
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
