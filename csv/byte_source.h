#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

namespace draftcalc::csv {

// What one read gave: `bytes` read, none at the end of the input; `error` is
// the errno of a failed read (0 when the read succeeded).
struct ReadResult {
  size_t bytes = 0;
  int error = 0;
};

// Where CSV text comes from. A read returns what is there as soon as
// something is, so that records arriving through a pipe are answered as
// they come.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual ReadResult Read(char* buffer, size_t size) = 0;
};

// A file descriptor, read with read(2); not closed here.
class FdSource : public ByteSource {
 public:
  explicit FdSource(int fd) : fd_(fd) {}
  ReadResult Read(char* buffer, size_t size) override;

 private:
  int fd_;
};

// A stdio stream (memory streams, cookie streams); fread waits until the
// request is filled, so prefer FdSource for pipes and terminals.
class StreamSource : public ByteSource {
 public:
  explicit StreamSource(std::FILE* stream) : stream_(stream) {}
  ReadResult Read(char* buffer, size_t size) override;

 private:
  std::FILE* stream_;
};

// Bytes already in memory; they must outlive the source.
class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : rest_(bytes) {}
  ReadResult Read(char* buffer, size_t size) override;

 private:
  std::string_view rest_;
};

}  // namespace draftcalc::csv
