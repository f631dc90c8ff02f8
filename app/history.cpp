#include "app/history.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <string_view>

#include "app/input_set_file.h"
#include "app/look.h"
#include "app/replace_file.h"
#include "csv/appending.h"
#include "csv/byte_source.h"
#include "csv/csv_table.h"
#include "csv/csv_writer.h"
#include "csv/utf8.h"

namespace draftcalc::app {
namespace {

std::string HeaderLine() {
  std::string line;
  csv::CsvWriter writer(line);
  for (const std::string& name : History::Columns()) writer.Field(name);
  writer.EndRecord();
  return line;
}

std::string RecordLine(const HistoryRecord& record) {
  std::string line;
  csv::CsvWriter writer(line);
  writer.Field(record.time.toStdString());
  csv::WriteInputSetFields(writer, record.boxes, record.captions);
  writer.EndRecord();
  return line;
}

// The window writes UTF-8 only: anything else was damaged on the way.
bool AllUtf8(const std::vector<std::string>& fields) {
  return std::all_of(fields.begin(), fields.end(), [](const std::string& field) { return csv::IsValidUtf8(field); });
}

HistoryRecord RecordOf(const std::vector<std::string>& fields) {
  HistoryRecord record;
  record.time = Utf8(fields.front());
  csv::ReadInputSetFields(std::span(fields).subspan(1), record.boxes, record.captions);
  return record;
}

}  // namespace

QString History::DefaultPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return folder.isEmpty() ? QString() : folder + "/history.csv";
}

std::vector<std::string> History::Columns() {
  std::vector<std::string> columns = {"time"};
  for (std::string_view name : csv::InputSetColumns()) columns.emplace_back(name);
  return columns;
}

QString History::Now() {
  const QDateTime now = QDateTime::currentDateTime();
  return now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate);
}

const std::vector<HistoryRecord>& History::Records() {
  if (!loaded_) Load();
  return records_;
}

void History::Load() {
  loaded_ = true;
  usable_ = true;
  records_.clear();
  before_ = HeaderLine();
  if (path_.isEmpty()) {
    usable_ = false;
    return Tell("The history is not kept: there is no folder for the program's data.");
  }
  QFile file(path_);
  if (!file.exists()) return;
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    usable_ = false;
    return Tell(QString("The history is not kept: %1 cannot be read (%2).").arg(path_, file.errorString()));
  }
  QString problem;
  if (!ReadAsHistory(bytes, problem)) SetAside(problem);
}

// Records that cannot be read are skipped and counted; a file without the
// history's header is no history at all.
bool History::ReadAsHistory(const QByteArray& bytes, QString& problem) {
  const std::string_view text(bytes.constData(), static_cast<size_t>(bytes.size()));
  csv::MemorySource source(text);
  const csv::CsvTable table = csv::ReadCsvTable(source, kLongestRecordRead);
  if (table.header.line == 0) {
    if (table.problems.empty()) return true;  // empty: the header comes with the first record
    problem = QString("line %1: %2").arg(table.problems.front().line).arg(Utf8(table.problems.front().message));
    return false;
  }
  if (table.header.fields != Columns()) {
    problem = QString("line %1: not the header of a history").arg(table.header.line);
    return false;
  }
  size_t damaged = table.problems.size();
  for (const csv::CsvRow& row : table.records) {
    if (AllUtf8(row.fields)) {
      records_.push_back(RecordOf(row.fields));
    } else {
      ++damaged;
    }
  }
  before_ = csv::SeparatorBeforeAppending(text);
  if (damaged > 0) Tell(QString("Damaged records in the history skipped: %1.").arg(damaged));
  return true;
}

void History::SetAside(const QString& problem) {
  const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
  QString aside = path_ + ".bad-" + stamp;
  for (int n = 2; QFile::exists(aside); ++n) aside = path_ + ".bad-" + stamp + "-" + QString::number(n);
  QFile file(path_);
  if (!file.rename(aside)) {
    usable_ = false;
    return Tell(QString("The history is not kept: %1 is no history (%2) and could not be set aside (%3).")
                    .arg(path_, problem, file.errorString()));
  }
  ++generation_;
  Tell(QString("The history file could not be read (%1): it was set aside as %2 and a new one started.")
           .arg(problem, QFileInfo(aside).fileName()));
}

bool History::Append(const HistoryRecord& record) {
  if (!loaded_) Load();
  if (!usable_) return false;
  if (!QFile::exists(path_)) {  // never there, or removed since it was read
    before_ = HeaderLine();
    if (!records_.empty()) ++generation_;
    records_.clear();
  }
  if (!WriteAtEnd(before_ + RecordLine(record))) return false;
  before_.clear();
  records_.push_back(record);
  if (records_.size() > kTrimAbove) Trim();
  return true;
}

// One write at the end of the file. A write that fails half way is undone,
// so that the next record does not follow half of this one.
bool History::WriteAtEnd(const std::string& text) {
  const QString folder = QFileInfo(path_).absolutePath();
  if (!QDir().mkpath(folder)) {
    Tell(QString("The calculation could not be added to the history: cannot make the folder %1.").arg(folder));
    return false;
  }
  QFile file(path_);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
    Tell(QString("The calculation could not be added to the history (%1).").arg(file.errorString()));
    return false;
  }
  const qint64 sizeBefore = file.size();
  const auto length = static_cast<qint64>(text.size());
  if (file.write(text.data(), length) == length && file.flush()) return true;
  const QString reason = file.errorString();
  file.resize(sizeBefore);
  Tell(QString("The calculation could not be added to the history (%1).").arg(reason));
  return false;
}

// Read again first: another window may have added records since.
void History::Trim() {
  Load();
  ++generation_;
  if (!usable_ || records_.size() <= kKept) return;
  records_.erase(records_.begin(), records_.end() - static_cast<std::ptrdiff_t>(kKept));
  std::string text = HeaderLine();
  for (const HistoryRecord& record : records_) text += RecordLine(record);
  if (const QString failure = ReplaceFile(path_, text); !failure.isEmpty()) {
    Tell(QString("The history could not be shortened (%1).").arg(failure));
  }
  before_.clear();
}

void History::Tell(const QString& notice) { notice_ = notice_.isEmpty() ? notice : notice_ + " " + notice; }

QString History::TakeNotice() { return std::exchange(notice_, QString()); }

}  // namespace draftcalc::app
