#pragma once

#include <string>
#include <string_view>

namespace draftcalc::files {

// Writes `bytes` as the whole content of the file at `path`. A regular file
// (or a new one) is written as a new hidden file in the same folder, every
// write, the sync to the disk and the close checked, and only then renamed
// over it: a failure (a full disk, a file size limit, an I/O error) removes
// the new file and leaves the old one as it was. A symbolic link is followed
// and the file it names replaced. A device or a pipe, which cannot be
// replaced, is written directly.
// Returns 0, or the errno of the failure.
int ReplaceWholeFile(const std::string& path, std::string_view bytes);

// Writes all of `bytes` to `fd`, a short write continued and an interrupted
// one tried again. Returns 0, or the errno of the write that failed.
int WriteAll(int fd, std::string_view bytes);

// The same in steps, for a caller that produces the bytes piece by piece:
// Begin, Write as often as needed, then Commit (or nothing: the destructor
// abandons it). While it is under way the new file's name is known to
// RemoveTemporaryFileOnSignals, so that an interrupted program leaves none.
class WholeFileWriter {
 public:
  WholeFileWriter() = default;
  WholeFileWriter(const WholeFileWriter&) = delete;
  WholeFileWriter& operator=(const WholeFileWriter&) = delete;
  ~WholeFileWriter();

  // 0 or the errno of the failure; after one, the others do nothing and
  // return it again.
  int Begin(const std::string& path);
  int Write(std::string_view bytes);
  int Commit();
  // The hidden file under way, empty when there is none (for the tests).
  const std::string& TemporaryPath() const { return temporary_; }

 private:
  int Fail(int error);
  void Abandon();

  std::string target_;     // the file replaced (a link resolved), or the device written directly
  std::string temporary_;  // the new file under way
  int fd_ = -1;
  unsigned mode_ = 0;  // the permissions the new file gets
  bool direct_ = false;
  int error_ = 0;
};

}  // namespace draftcalc::files
