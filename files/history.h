#pragma once

#include <sys/types.h>

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/result_captions.h"
#include "csv/input_set.h"

namespace draftcalc::files {

// One calculation as the history keeps it.
struct HistoryRecord {
  std::string time;  // local time, ISO 8601 with its offset from UTC
  csv::BoxTexts boxes;
  ResultCaptions captions;
};

// The history of calculations: one CSV file of input sets after a `time`
// column, a record per calculation, oldest first. Each record is appended to
// the end of the file at once, without rewriting it; once the file holds
// more than kTrimAbove records it is replaced, whole or not at all, by one
// of the newest kKept. The file is read only when first needed, as a
// stream: memory holds only the newest records and stays bounded whatever
// the file's size.
//
// Several windows may share the file: each change (an append, a trim,
// setting a file aside) is made under a lock on history.csv.lock, after
// reading what others added since, so that no record is lost.
//
// A file that is not a history is never written over: one without the
// history's header, or whose records are mostly damaged, is renamed aside
// (history.csv.bad-<time>) and a new one started (with the readable records
// of a mostly damaged one); records that cannot be read are skipped and
// counted; a file that can be neither read nor set aside is left alone and
// nothing is kept.
class History {
 public:
  static constexpr size_t kKept = 1000;
  static constexpr size_t kTrimAbove = 1200;
  // The records held take at most this many bytes of text; older ones
  // beyond it are left out of the list (not out of the file).
  static constexpr size_t kMostBytesHeld = size_t{16} << 20;
  // A longer record (a box holding pages of text) is read as damaged.
  static constexpr size_t kLongestRecord = size_t{16} << 20;

  explicit History(std::string path) : path_(std::move(path)) {}

  // The columns of the file: time, then those of an input set.
  static std::vector<std::string> Columns();
  // Its header as a CSV line.
  static std::string HeaderLine();
  // The local time now, as the `time` column holds it.
  static std::string Now();

  const std::string& Path() const { return path_; }
  // The records, oldest first: those in the file when it was read, and
  // those added since by this or another program.
  const std::deque<HistoryRecord>& Records();
  // Counts the changes other than an appended record (trimmed, set aside,
  // read again): a list of the records is up to date when it has seen the
  // same generation and all the records.
  int Generation() const { return generation_; }
  // False when the record could not be written: TakeNotice says why.
  bool Append(const HistoryRecord& record);
  // What the user is to be told since the last call: a file set aside,
  // records skipped, a write that failed; empty when nothing.
  std::string TakeNotice();

 private:
  // What was last seen of the file, to tell whether another program has
  // changed it since. Appending only lengthens the file; each program that
  // replaces it (trimmed, set aside) counts that in the lock file, since
  // the new file may well get the old one's inode.
  struct SeenFile {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    unsigned long long replacements = 0;
  };
  struct Scan;

  void Load();
  void ReadWhole();
  bool ReadFrom(int fd, bool atStart, Scan& scan);
  void CatchUp();
  void Hold(HistoryRecord record);
  void SetAside(const std::string& problem, bool keepReadable);
  bool WriteAtEnd(const std::string& text);
  void Trim();
  bool WriteHeldRecords(std::string& failure);
  void Tell(const std::string& notice);
  unsigned long long Replacements() const;
  void CountReplacement();
  void See(int fd, off_t size);

  std::string path_;
  bool loaded_ = false;
  bool usable_ = true;  // false when the file can be neither read nor set aside
  int lockFd_ = -1;     // the lock file while the lock is held: the file may be changed
  std::deque<HistoryRecord> records_;
  size_t heldBytes_ = 0;
  size_t recordsInFile_ = 0;  // readable or not
  std::optional<SeenFile> seen_;
  // What goes before the next record: a separator after cut text, the
  // header for a new file.
  std::string before_;
  int generation_ = 0;
  std::string notice_;
};

}  // namespace draftcalc::files
