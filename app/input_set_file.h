#pragma once

#include <QString>
#include <QStringList>

#include "core/calc_state.h"
#include "csv/input_set.h"
#include "files/input_set_file.h"

namespace draftcalc::app {

// A file of input sets as files::ReadInputSetFile reads it, its problems
// as the window shows them.
struct InputSetFile {
  using Record = files::InputSetFile::Record;
  std::vector<Record> records;
  QStringList problems;  // the first files::kProblemsKept
  qsizetype problemCount = 0;
  bool moreRecords = false;
  bool truncated = false;
};

// `path` is named in the problems as it is given.
InputSetFile ReadInputSetFile(const QString& path);

// Writes the header and one record of the 24 texts and five captions as
// ReplaceFile does: all of it, or the old file stays. Returns why it failed,
// or an empty string.
QString WriteInputSetFile(const QString& path, const csv::BoxTexts& boxes, const ResultCaptions& captions);

}  // namespace draftcalc::app
