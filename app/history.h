#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <vector>

#include "core/calc_state.h"
#include "csv/input_set.h"

namespace draftcalc::app {

// One calculation as the history keeps it.
struct HistoryRecord {
  QString time;  // local time, ISO 8601 with its offset from UTC
  csv::BoxTexts boxes;
  ResultCaptions captions;
};

// The history of calculations: one CSV file of input sets after a `time`
// column, a record per calculation, oldest first. Each record is appended to
// the end of the file at once, without rewriting it; once the file holds
// more than kTrimAbove records it is replaced, through QSaveFile, by one of
// the newest kKept. The file is read only when first needed.
//
// A file that is not a history is never written over: one without the
// history's header is renamed aside (history.csv.bad-<time>) and a new one
// started; records that cannot be read are skipped and counted; a file that
// can be neither read nor set aside is left alone and nothing is kept.
class History {
 public:
  static constexpr size_t kKept = 1000;
  static constexpr size_t kTrimAbove = 1200;

  explicit History(QString path) : path_(std::move(path)) {}

  // history.csv in the application's data folder ($XDG_DATA_HOME/draftcalc
  // on Linux, ~/.local/share/draftcalc when unset).
  static QString DefaultPath();
  // The columns of the file: time, then those of an input set.
  static std::vector<std::string> Columns();
  // The local time now, as the `time` column holds it.
  static QString Now();

  const QString& Path() const { return path_; }
  // The records, oldest first.
  const std::vector<HistoryRecord>& Records();
  // Counts the changes other than an appended record (trimmed, set aside,
  // read again): a list of the records is up to date when it has seen the
  // same generation and all the records.
  int Generation() const { return generation_; }
  // False when the record could not be written: TakeNotice says why.
  bool Append(const HistoryRecord& record);
  // What the user is to be told since the last call: a file set aside,
  // records skipped, a write that failed; empty when nothing.
  QString TakeNotice();

 private:
  void Load();
  bool ReadAsHistory(const QByteArray& bytes, QString& problem);
  void SetAside(const QString& problem);
  bool WriteAtEnd(const std::string& text);
  void Trim();
  void Tell(const QString& notice);

  QString path_;
  bool loaded_ = false;
  bool usable_ = true;  // false when the file can be neither read nor set aside
  std::vector<HistoryRecord> records_;
  // What goes before the next record: a separator after cut text, the
  // header for a new file.
  std::string before_;
  int generation_ = 0;
  QString notice_;
};

}  // namespace draftcalc::app
