#include "files/history.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <utility>

#include "core/translatable.h"
#include "csv/csv_reader.h"
#include "csv/csv_writer.h"
#include "csv/utf8.h"
#include "files/file_lock.h"
#include "files/regular_file.h"
#include "files/whole_file.h"
#include "i18n/translation.h"

namespace draftcalc::files {
namespace {

// Another window holds the lock for a few milliseconds at a time; one that
// keeps it longer than this is stuck, and the record is not added.
constexpr std::chrono::milliseconds kLockPatience{3000};
// What goes before the next record after one cut short inside its quotes, or
// after a last line without its line end.
constexpr std::string_view kAfterOpenQuote = "\"\n";
constexpr std::string_view kAfterCutLine = "\n";

std::string RecordLine(const HistoryRecord& record) {
  std::string line;
  csv::CsvWriter writer(line);
  writer.Field(record.time);
  csv::WriteInputSetFields(writer, record.boxes, record.captions);
  writer.EndRecord();
  return line;
}

size_t BytesOf(const HistoryRecord& record) {
  size_t bytes = record.time.size();
  for (const std::string& text : record.boxes) bytes += text.size();
  for (const std::string* caption : csv::CaptionsInColumnOrder(record.captions)) bytes += caption->size();
  return bytes;
}

bool IsHeader(const csv::RecordView& record) {
  const std::vector<std::string> columns = History::Columns();
  if (record.FieldCount() != columns.size()) return false;
  for (size_t i = 0; i < columns.size(); ++i) {
    if (record.Field(i) != columns[i]) return false;
  }
  return true;
}

constexpr size_t kWidth = 1 + csv::kInputSetWidth;

// The window writes UTF-8 only: anything else was damaged on the way. The
// separators and quotes between the fields are ASCII, so the record's bytes
// are UTF-8 exactly when each field is.
bool IsReadable(const csv::RecordView& view) { return view.FieldCount() == kWidth && csv::IsValidUtf8(view.bytes); }

// The newest readable records of one read, kept as their bytes until the
// read ends: most records of a long file are passed over, and copying a
// record's bytes into a slot that has room costs far less than making a
// record of thirty texts. At most `most` records and `mostBytes` bytes.
class NewestRecords {
 public:
  NewestRecords(size_t most, size_t mostBytes) : ring_(most), mostBytes_(mostBytes) {}

  void Add(const csv::RecordView& view) {
    if (count_ == ring_.size()) Drop();
    Raw& slot = ring_[(head_ + count_++) % ring_.size()];
    // A slot that once held a long record gives its room back.
    if (slot.bytes.capacity() > kRoomKept && view.bytes.size() <= kRoomKept) std::string().swap(slot.bytes);
    slot.bytes.assign(view.bytes);
    std::copy(view.fields.begin(), view.fields.end(), slot.fields.begin());
    bytes_ += slot.bytes.size();
    while (bytes_ > mostBytes_ && count_ > 1) Drop();
  }

  // Each record held, oldest first.
  template <class Take>
  void ForEach(Take take) const {
    for (size_t i = 0; i < count_; ++i) take(RecordOf(ring_[(head_ + i) % ring_.size()]));
  }

 private:
  static constexpr size_t kRoomKept = size_t{1} << 16;
  struct Raw {
    std::string bytes;
    std::array<csv::FieldSpan, kWidth> fields{};
  };

  void Drop() {
    Raw& oldest = ring_[head_];
    bytes_ -= oldest.bytes.size();
    if (oldest.bytes.capacity() > kRoomKept) std::string().swap(oldest.bytes);
    head_ = (head_ + 1) % ring_.size();
    --count_;
  }

  static HistoryRecord RecordOf(const Raw& raw) {
    const auto field = [&raw](size_t i) {
      return std::string_view(raw.bytes).substr(raw.fields[i].begin, raw.fields[i].end - raw.fields[i].begin);
    };
    HistoryRecord record;
    record.time = field(0);
    size_t next = 1;
    for (std::string& text : record.boxes) text = field(next++);
    for (std::string* caption : csv::CaptionsInColumnOrder(record.captions)) *caption = field(next++);
    return record;
  }

  std::vector<Raw> ring_;
  size_t mostBytes_;
  size_t head_ = 0, count_ = 0, bytes_ = 0;
};

// A file read from where it stands, counting the bytes and keeping the last.
class CountingSource final : public csv::ByteSource {
 public:
  explicit CountingSource(int fd) : fd_(fd) {}
  csv::ReadResult Read(char* buffer, size_t size) override {
    for (;;) {
      const ssize_t n = read(fd_, buffer, size);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return {0, errno};
      if (n > 0) {
        bytes_ += static_cast<size_t>(n);
        last_ = buffer[n - 1];
      }
      return {static_cast<size_t>(n), 0};
    }
  }
  size_t Bytes() const { return bytes_; }
  char Last() const { return last_; }

 private:
  int fd_;
  size_t bytes_ = 0;
  char last_ = '\n';
};

std::string TimeText(const char* format) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[64];
  return std::string(text, std::strftime(text, sizeof text, format, &local));
}

std::string FileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

}  // namespace

// What one read of the file found.
struct History::Scan {
  bool sawHeader = false;
  std::string problem;  // why the file is no history ("line 1: ...")
  int readError = 0;
  size_t damaged = 0;
  size_t bytes = 0;
  // What goes before a record appended after what was read.
  std::string_view separator;
};

std::vector<std::string> History::Columns() {
  std::vector<std::string> columns = {"time"};
  for (std::string_view name : csv::InputSetColumns()) columns.emplace_back(name);
  return columns;
}

// "2026-12-07T19:54:14+09:00", or with Z for UTC, as Qt's ISO 8601 writes it.
std::string History::Now() {
  const std::string text = TimeText("%Y-%m-%dT%H:%M:%S%z");
  const size_t offset = text.size() - 5;  // "+0900"
  if (text.size() < 5) return text;
  if (text.ends_with("+0000")) return text.substr(0, offset) + "Z";
  return text.substr(0, offset + 3) + ":" + text.substr(offset + 3);
}

std::string History::HeaderLine() {
  std::string line;
  csv::CsvWriter writer(line);
  for (const std::string& name : Columns()) writer.Field(name);
  writer.EndRecord();
  return line;
}

const std::deque<HistoryRecord>& History::Records() {
  if (!loaded_) Load();
  return records_;
}

void History::Load() {
  loaded_ = true;
  usable_ = true;
  if (path_.empty()) {
    usable_ = false;
    return Tell(i18n::Message(
        QT_TRANSLATE_NOOP("draftcalc", "The history is not kept: there is no folder for the program's data.")));
  }
  // Read without the lock when it cannot be had: changing the file waits
  // for the first record added, which needs it.
  const FileLock lock(path_ + ".lock", kLockPatience);
  lockFd_ = lock.Held() ? lock.Fd() : -1;
  ReadWhole();
  lockFd_ = -1;
}

void History::ReadWhole() {
  records_.clear();
  heldBytes_ = 0;
  recordsInFile_ = 0;
  seen_.reset();
  before_ = HeaderLine();
  const OpenedFile file = OpenRegularFile(path_);
  if (!file.fd.IsOpen()) {
    if (file.error == ENOENT) return;  // none yet: the first record starts it
    usable_ = false;
    return Tell(i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "The history is not kept: %1 cannot be read (%2)."),
                              {path_, file.problem}));
  }
  Scan scan;
  if (!ReadFrom(file.fd.Get(), true, scan)) {
    if (scan.readError == 0) return SetAside(scan.problem, false);
    usable_ = false;
    return Tell(i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "The history is not kept: %1 cannot be read (%2)."),
                              {path_, std::strerror(scan.readError)}));
  }
  See(file.fd.Get(), static_cast<off_t>(scan.bytes));
  before_ = scan.sawHeader ? std::string(scan.separator) : HeaderLine();
  const size_t readable = recordsInFile_ - scan.damaged;
  if (scan.damaged > readable) {
    return SetAside(i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "%1 of its %2 records are damaged"),
                                  {std::to_string(scan.damaged), std::to_string(recordsInFile_)}),
                    true);
  }
  if (scan.damaged > 0)
    Tell(i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "Damaged records in the history skipped: %1."),
                       {std::to_string(scan.damaged)}));
  if (recordsInFile_ > kTrimAbove) Trim();
}

// Reads records from where `fd` stands to the end, the header first when
// `atStart`, holding the readable ones. False when the file is no history
// or cannot be read (the scan says which).
bool History::ReadFrom(int fd, bool atStart, Scan& scan) {
  CountingSource source(fd);
  csv::CsvReader reader(source, kLongestRecord);
  NewestRecords newest(kTrimAbove, kMostBytesHeld);
  bool expectHeader = atStart;
  csv::CsvReader::Status last = csv::CsvReader::Status::kEnd;
  for (csv::CsvReader::Status status = reader.Next(); status != csv::CsvReader::Status::kEnd; status = reader.Next()) {
    if (status == csv::CsvReader::Status::kReadError) {
      scan.readError = reader.ReadError();
      return false;
    }
    last = status;
    if (expectHeader) {
      expectHeader = false;
      const auto onLine = [&](const std::string& problem) {
        return i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "line %1: %2"),
                             {std::to_string(reader.RecordLine()), problem});
      };
      if (status != csv::CsvReader::Status::kRecord) {
        scan.problem = onLine(csv::ProblemText(status, reader.MaxRecordBytes()));
        return false;
      }
      if (!IsHeader(reader.Record())) {
        scan.problem = onLine(i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "not the header of a history")));
        return false;
      }
      scan.sawHeader = true;
      continue;
    }
    ++recordsInFile_;
    if (status == csv::CsvReader::Status::kRecord && IsReadable(reader.Record())) {
      newest.Add(reader.Record());
    } else {
      ++scan.damaged;
    }
  }
  newest.ForEach([this](HistoryRecord record) { Hold(std::move(record)); });
  scan.bytes = source.Bytes();
  // A record cut short (a write that failed half way, a power cut) stays a
  // record of its own: the next one begins a line of its own after it.
  if (last == csv::CsvReader::Status::kOpenQuote) {
    scan.separator = kAfterOpenQuote;
  } else if (scan.bytes > 0 && source.Last() != '\n' && source.Last() != '\r') {
    scan.separator = kAfterCutLine;
  }
  return true;
}

// Brings the records up to the file as it is now: what another program
// added is read on from where this one stopped; a file replaced, shortened
// or removed meanwhile is read again.
void History::CatchUp() {
  struct stat info {};
  if (stat(path_.c_str(), &info) != 0) {
    if (errno != ENOENT) return;  // writing will say why
    if (!records_.empty()) ++generation_;
    records_.clear();
    heldBytes_ = 0;
    recordsInFile_ = 0;
    seen_.reset();
    before_ = HeaderLine();
    return;
  }
  if (seen_ && seen_->device == info.st_dev && seen_->inode == info.st_ino && seen_->replacements == Replacements() &&
      before_.empty()) {
    if (info.st_size == seen_->size) return;
    if (info.st_size > seen_->size) {
      const OpenedFile file = OpenRegularFile(path_);
      Scan scan;
      if (file.fd.IsOpen() && lseek(file.fd.Get(), seen_->size, SEEK_SET) == seen_->size &&
          ReadFrom(file.fd.Get(), false, scan)) {
        seen_->size += static_cast<off_t>(scan.bytes);
        before_ = scan.separator;
        if (scan.damaged > 0)
          Tell(i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "Damaged records in the history skipped: %1."),
                             {std::to_string(scan.damaged)}));
        return;
      }
    }
  }
  ++generation_;
  ReadWhole();
}

// The newest records only, within kTrimAbove and kMostBytesHeld.
void History::Hold(HistoryRecord record) {
  heldBytes_ += BytesOf(record);
  records_.push_back(std::move(record));
  bool dropped = false;
  while (records_.size() > kTrimAbove || (heldBytes_ > kMostBytesHeld && records_.size() > 1)) {
    heldBytes_ -= BytesOf(records_.front());
    records_.pop_front();
    dropped = true;
  }
  if (dropped) ++generation_;
}

void History::SetAside(const std::string& problem, bool keepReadable) {
  if (lockFd_ < 0) return;  // not now: the next record added, under the lock, does it
  const std::string stamp = TimeText("%Y%m%d-%H%M%S");
  std::string aside = path_ + ".bad-" + stamp;
  for (int n = 2; std::filesystem::exists(aside); ++n) aside = path_ + ".bad-" + stamp + "-" + std::to_string(n);
  if (rename(path_.c_str(), aside.c_str()) != 0) {
    usable_ = false;
    records_.clear();
    return Tell(i18n::Message(
        QT_TRANSLATE_NOOP("draftcalc",
                          "The history is not kept: %1 is no history (%2) and could not be set aside (%3)."),
        {path_, problem, std::strerror(errno)}));
  }
  ++generation_;
  CountReplacement();
  seen_.reset();
  recordsInFile_ = 0;
  before_ = HeaderLine();
  const std::string asideName = FileName(aside);
  if (!keepReadable || records_.empty()) {
    records_.clear();
    heldBytes_ = 0;
    return Tell(i18n::Message(
        QT_TRANSLATE_NOOP("draftcalc",
                          "The history file could not be read (%1): it was set aside as %2 and a new one started."),
        {problem, asideName}));
  }
  while (records_.size() > kKept) records_.pop_front();
  std::string failure;
  if (!WriteHeldRecords(failure)) {
    records_.clear();
    heldBytes_ = 0;
    return Tell(i18n::Message(
        QT_TRANSLATE_NOOP("draftcalc",
                          "The history file was mostly damaged (%1): it was set aside as %2 and a new one "
                          "started (its readable records could not be kept: %3)."),
        {problem, asideName, failure}));
  }
  Tell(i18n::Message(
      QT_TRANSLATE_NOOP("draftcalc",
                        "The history file was mostly damaged (%1): it was set aside as %2 and a new one started "
                        "with its %3 readable records."),
      {problem, asideName, std::to_string(records_.size())}));
}

bool History::Append(const HistoryRecord& record) {
  if (!loaded_) Load();
  if (!usable_) return false;
  const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
  std::error_code error;
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (error) {
    Tell(i18n::Message(
        QT_TRANSLATE_NOOP("draftcalc",
                          "The calculation could not be added to the history: cannot make the folder %1 (%2)."),
        {folder.string(), error.message()}));
    return false;
  }
  const FileLock lock(path_ + ".lock", kLockPatience);
  if (lock.Error() == EWOULDBLOCK) {
    Tell(i18n::Message(QT_TRANSLATE_NOOP(
        "draftcalc", "The calculation could not be added to the history: another program has kept it locked.")));
    return false;
  }
  // Without a lock file (a folder where it cannot be made) as before: the
  // file alone.
  lockFd_ = lock.Held() ? lock.Fd() : -1;
  CatchUp();
  const bool added = usable_ && WriteAtEnd(before_ + RecordLine(record));
  if (added) {
    before_.clear();
    ++recordsInFile_;
    Hold(record);
    if (recordsInFile_ > kTrimAbove) Trim();
  }
  lockFd_ = -1;
  return added;
}

// One write at the end of the file. A write that fails half way (a full
// disk, a file size limit) is undone, so that the next record does not
// follow half of this one.
bool History::WriteAtEnd(const std::string& text) {
  const FileDescriptor fd(open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0666));
  struct stat info {};
  int error = !fd.IsOpen() || fstat(fd.Get(), &info) != 0 ? errno : 0;
  std::string reason = error != 0 ? std::strerror(error) : "";
  if (error == 0 && !S_ISREG(info.st_mode))
    reason = i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "not a regular file"));
  if (reason.empty()) {
    error = WriteAll(fd.Get(), text);
    if (error == 0) {
      See(fd.Get(), info.st_size + static_cast<off_t>(text.size()));
      return true;
    }
    reason = std::strerror(error);
    // A file this write began is removed rather than left empty.
    if (info.st_size == 0 ? unlink(path_.c_str()) != 0 : ftruncate(fd.Get(), info.st_size) != 0) {
      reason = i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "%1; the part written could not be taken back"), {reason});
    }
  }
  Tell(i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "The calculation could not be added to the history (%1)."),
                     {reason}));
  return false;
}

void History::Trim() {
  if (lockFd_ < 0) return;
  ++generation_;
  while (records_.size() > kKept) {
    heldBytes_ -= BytesOf(records_.front());
    records_.pop_front();
  }
  std::string failure;
  if (!WriteHeldRecords(failure))
    Tell(i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "The history could not be shortened (%1)."), {failure}));
}

// A new file of the header and the records held, in the old one's place.
bool History::WriteHeldRecords(std::string& failure) {
  std::string text = HeaderLine();
  for (const HistoryRecord& record : records_) text += RecordLine(record);
  if (const int error = ReplaceWholeFile(path_, text); error != 0) {
    failure = std::strerror(error);
    return false;
  }
  recordsInFile_ = records_.size();
  before_.clear();
  CountReplacement();
  const OpenedFile written = OpenRegularFile(path_);
  struct stat info {};
  seen_.reset();
  if (written.fd.IsOpen() && fstat(written.fd.Get(), &info) == 0) See(written.fd.Get(), info.st_size);
  return true;
}

// The count of replacements in the lock file: decimal digits, 0 when none.
unsigned long long History::Replacements() const {
  if (lockFd_ < 0) return 0;
  char digits[24] = {};
  const ssize_t read = pread(lockFd_, digits, sizeof digits - 1, 0);
  return read > 0 ? std::strtoull(digits, nullptr, 10) : 0;
}

void History::CountReplacement() {
  if (lockFd_ < 0) return;
  // Counts only grow: the new digits cover the old.
  const std::string digits = std::to_string(Replacements() + 1) + "\n";
  if (pwrite(lockFd_, digits.data(), digits.size(), 0) != static_cast<ssize_t>(digits.size())) {
    // Not counted: another program reads the file again only if its inode
    // or size tells it; at worst it lists what it had.
    return;
  }
}

void History::See(int fd, off_t size) {
  struct stat info {};
  if (fstat(fd, &info) != 0) return seen_.reset();
  seen_ = SeenFile{info.st_dev, info.st_ino, size, Replacements()};
}

void History::Tell(const std::string& notice) { notice_ = notice_.empty() ? notice : notice_ + " " + notice; }

std::string History::TakeNotice() { return std::exchange(notice_, std::string()); }

}  // namespace draftcalc::files
