#pragma once

#include <chrono>
#include <string>

#include "files/regular_file.h"

namespace draftcalc::files {

// An exclusive advisory lock (flock) on a small file of its own, held while
// the object lives. Every program that changes the file it guards takes it
// first, so that one never rewrites the file from what it read before
// another added to it. The lock file is never removed: removing it could
// let two programs lock two different files of one name.
class FileLock {
 public:
  // Waits up to `patience` for the lock on `lockPath`, making the file when
  // it is missing. Error() is the errno of a failure (EWOULDBLOCK: another
  // program held it all that time).
  FileLock(const std::string& lockPath, std::chrono::milliseconds patience);

  bool Held() const { return error_ == 0; }
  int Error() const { return error_; }
  // The lock file, open for reading and writing: the holder may keep a few
  // bytes of its own in it.
  int Fd() const { return fd_.Get(); }

 private:
  FileDescriptor fd_;  // closing it releases the lock
  int error_ = 0;
};

}  // namespace draftcalc::files
