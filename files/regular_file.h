#pragma once

#include <string>

namespace draftcalc::files {

// A file descriptor, closed with its owner.
class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.Release()) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept;
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor();

  int Get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  int Release();

 private:
  int fd_ = -1;
};

// A file opened for reading, or why it was not.
struct OpenedFile {
  FileDescriptor fd;
  // Why it is not open, as the programs say it after "FILE: cannot open: ":
  // the system's reason ("No such file or directory"), or "not a regular
  // file but a named pipe (FIFO)"; empty when it is open.
  std::string problem;
  int error = 0;  // the errno of a failed open; 0 for a file refused by its kind
};

// Opens `path` for reading when it is a regular file (a link to one
// included). A named pipe, a device, a folder or a socket is refused before
// it is opened: opening a pipe would wait for a writer, reading a device
// could run for ever. The file is checked again once open, so that one put
// in its place meanwhile is refused as well, without waiting.
OpenedFile OpenRegularFile(const std::string& path);

}  // namespace draftcalc::files
