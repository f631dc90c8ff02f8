#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

#include "core/calc_state.h"
#include "csv/input_set.h"

namespace draftcalc::app {

// A CSV file of input sets as the window opens it: draftcalc-cli's input,
// header first; the columns named x1 .. s3 feed the boxes (a box no column
// feeds keeps its start-up text) and every other column is ignored.
struct InputSetFile {
  struct Record {
    long line;  // where it begins
    csv::BoxTexts boxes;
  };
  std::vector<Record> records;
  // What keeps the file from being opened, as draftcalc-cli reports it:
  // "FILE:LINE: message", or "FILE: cannot read: reason". The records are
  // only to be used when there is none.
  QStringList problems;
  bool moreRecords = false;  // the file holds more than kMostRecordsOpened
};

// A batch input opened by mistake stays within a few MiB.
inline constexpr size_t kMostRecordsOpened = 10000;
// Boxes hold texts of any length; a record longer than this is refused.
inline constexpr size_t kLongestRecordRead = size_t{16} << 20;

// `path` is named in the problems as it is given.
InputSetFile ReadInputSetFile(const QString& path);

// Writes the header and one record of the 24 texts and five captions as
// ReplaceFile does: all of it, or the old file stays. Returns why it failed,
// or an empty string.
QString WriteInputSetFile(const QString& path, const csv::BoxTexts& boxes, const ResultCaptions& captions);

}  // namespace draftcalc::app
