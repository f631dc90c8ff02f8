#include "files/input_set_file.h"

#include <cstring>
#include <optional>

#include "core/translatable.h"
#include "csv/box_columns.h"
#include "csv/csv_reader.h"
#include "csv/csv_table.h"
#include "csv/utf8.h"
#include "files/regular_file.h"
#include "i18n/translation.h"

namespace draftcalc::files {
namespace {

// Gives the bytes of `source` up to the first line end at or after `limit`,
// then ends, so that reading stops at the end of a record. Truncated() says
// whether anything was left unread.
class LimitedSource final : public csv::ByteSource {
 public:
  LimitedSource(csv::ByteSource& source, size_t limit) : source_(source), limit_(limit) {}
  csv::ReadResult Read(char* buffer, size_t size) override {
    if (truncated_) return {};
    const csv::ReadResult read = source_.Read(buffer, size);
    if (atLineEndPastLimit_) {
      truncated_ = read.bytes > 0;
      return truncated_ ? csv::ReadResult{} : read;
    }
    const size_t before = given_;
    given_ += read.bytes;
    if (given_ < limit_) return read;
    for (size_t i = before < limit_ ? limit_ - before : 0; i < read.bytes; ++i) {
      if (buffer[i] != '\n' && buffer[i] != '\r') continue;
      atLineEndPastLimit_ = true;
      truncated_ = i + 1 < read.bytes;
      return {i + 1, read.error};
    }
    return read;
  }
  bool Truncated() const { return truncated_; }

 private:
  csv::ByteSource& source_;
  size_t limit_;
  size_t given_ = 0;
  bool atLineEndPastLimit_ = false;
  bool truncated_ = false;
};

class Reading {
 public:
  Reading(InputSetFile& file, std::string_view name) : file_(file), name_(name) {}

  void Problem(long line, std::string_view message) {
    if (file_.problemCount++ < kProblemsKept) {
      file_.problems.push_back(name_ + ":" + std::to_string(line) + ": " + std::string(message));
    }
  }
  void FileProblem(std::string_view message) {
    ++file_.problemCount;
    file_.problems.push_back(name_ + ": " + std::string(message));
  }

  std::optional<csv::HeaderMap> Header(csv::CsvReader& reader, csv::CsvReader::Status status) {
    if (status != csv::CsvReader::Status::kRecord) {
      if (status == csv::CsvReader::Status::kEnd) {
        Problem(1, i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "no header line")));
      } else {
        Problem(reader.RecordLine(), csv::ProblemText(status, reader.MaxRecordBytes()));
      }
      return std::nullopt;
    }
    std::vector<std::string_view> names;
    for (size_t i = 0; i < reader.Record().FieldCount(); ++i) names.push_back(reader.Record().Field(i));
    std::string problem;
    auto header = csv::MapHeader(names, problem);
    if (!header) Problem(reader.RecordLine(), problem);
    return header;
  }

  // A record of the header's width, its box texts UTF-8 (to be shown and
  // written back as they were).
  void Take(const csv::CsvReader& reader, const csv::HeaderMap& header) {
    const csv::RecordView& record = reader.Record();
    if (record.FieldCount() != header.width) {
      return Problem(reader.RecordLine(), csv::FieldCountProblem(record.FieldCount(), header.width));
    }
    for (const csv::BoxColumn& feed : header.boxColumns) {
      if (!csv::IsValidUtf8(record.Field(feed.column))) {
        return Problem(reader.RecordLine(),
                       i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "input box %1 is not valid UTF-8"),
                                     {csv::BoxNameText(feed.box)}));
      }
    }
    // A file with problems is refused whole: only they are counted on.
    if (file_.problemCount > 0) return;
    csv::BoxTexts boxes = csv::StartupBoxTexts();
    for (const csv::BoxColumn& feed : header.boxColumns) {
      boxes[csv::BoxIndex(feed.box)] = record.Field(feed.column);
      boxBytes_ += record.Field(feed.column).size();
    }
    file_.records.push_back({reader.RecordLine(), std::move(boxes)});
  }

  // No room for the next record.
  bool Full() const { return file_.records.size() >= kMostRecordsOpened || boxBytes_ > kMostBoxBytesKept; }

 private:
  InputSetFile& file_;
  std::string name_;
  size_t boxBytes_ = 0;
};

}  // namespace

InputSetFile ReadInputSets(csv::ByteSource& input, std::string_view name) {
  InputSetFile file;
  Reading reading(file, name);
  LimitedSource source(input, kMostBytesRead);
  csv::CsvReader reader(source, kLongestRecordRead);
  csv::CsvReader::Status status = reader.Next();
  const auto header = status == csv::CsvReader::Status::kReadError ? std::nullopt : reading.Header(reader, status);
  for (status = header ? reader.Next() : status; header && status != csv::CsvReader::Status::kEnd;
       status = reader.Next()) {
    if (status == csv::CsvReader::Status::kReadError) break;
    // Once full, the next record says whether the file holds more.
    if (reading.Full() || (source.Truncated() && status == csv::CsvReader::Status::kOpenQuote)) {
      file.moreRecords = true;
      break;
    }
    if (status == csv::CsvReader::Status::kRecord) {
      reading.Take(reader, *header);
    } else {
      reading.Problem(reader.RecordLine(), csv::ProblemText(status, reader.MaxRecordBytes()));
    }
  }
  if (status == csv::CsvReader::Status::kReadError) {
    reading.FileProblem(
        i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "cannot read: %1"), {std::strerror(reader.ReadError())}));
  }
  file.truncated = source.Truncated();
  file.moreRecords = file.moreRecords || file.truncated;
  if (file.problemCount == 0 && file.records.empty())
    reading.FileProblem(i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "no records after the header")));
  if (file.problemCount > 0) file.records.clear();
  return file;
}

InputSetFile ReadInputSetFile(const std::string& path, std::string_view name) {
  const OpenedFile opened = OpenRegularFile(path);
  if (!opened.fd.IsOpen()) {
    InputSetFile file;
    file.problems.push_back(std::string(name) + ": " +
                            i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "cannot open: %1"), {opened.problem}));
    file.problemCount = 1;
    return file;
  }
  csv::FdSource source(opened.fd.Get());
  return ReadInputSets(source, name);
}

}  // namespace draftcalc::files
