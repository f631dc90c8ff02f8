#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "csv/byte_source.h"
#include "csv/input_set.h"

namespace draftcalc::files {

// A CSV file of input sets as the window opens it: draftcalc-cli's input,
// header first; the columns named x1 .. s3 feed the boxes (a box no column
// feeds keeps its start-up text) and every other column is ignored.
//
// Whatever the file, reading it takes bounded time and memory: it stops
// after kMostRecordsOpened records, kMostBoxBytesKept bytes of box texts or
// kMostBytesRead bytes of file, and keeps the first kProblemsKept problems
// (counting the rest).
struct InputSetFile {
  struct Record {
    long line;  // where it begins
    csv::BoxTexts boxes;
  };
  std::vector<Record> records;
  // What keeps the file from being opened, as draftcalc-cli reports it:
  // "NAME:LINE: message", or "NAME: cannot read: reason". The records are
  // only to be used when there is none.
  std::vector<std::string> problems;
  size_t problemCount = 0;   // those kept and those only counted
  bool moreRecords = false;  // reading stopped at a limit before the end
  bool truncated = false;    // ... at kMostBytesRead
};

// A batch input opened by mistake stays within a few MiB.
inline constexpr size_t kMostRecordsOpened = 10000;
inline constexpr size_t kMostBoxBytesKept = size_t{32} << 20;
inline constexpr size_t kMostBytesRead = size_t{64} << 20;
inline constexpr size_t kProblemsKept = 100;
// Boxes hold texts of any length; a record longer than this is refused.
inline constexpr size_t kLongestRecordRead = size_t{16} << 20;

// Reads the input sets from `source`; problems name the file `name`.
InputSetFile ReadInputSets(csv::ByteSource& source, std::string_view name);

// Reads the file at `path` (opened only when it is a regular file: a named
// pipe, a device or a folder is refused at once), named `name` in the
// problems as the user gave it.
InputSetFile ReadInputSetFile(const std::string& path, std::string_view name);

}  // namespace draftcalc::files
