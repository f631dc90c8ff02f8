#include "csv/byte_source.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace draftcalc::csv {

ReadResult FdSource::Read(char* buffer, size_t size) {
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, size);
    if (n >= 0) return {static_cast<size_t>(n), 0};
    if (errno != EINTR) return {0, errno};
  }
}

ReadResult StreamSource::Read(char* buffer, size_t size) {
  errno = 0;
  const size_t n = std::fread(buffer, 1, size, stream_);
  if (n == 0 && std::ferror(stream_)) return {0, errno != 0 ? errno : EIO};
  return {n, 0};
}

ReadResult MemorySource::Read(char* buffer, size_t size) {
  const size_t n = std::min(size, rest_.size());
  if (n > 0) std::memcpy(buffer, rest_.data(), n);
  rest_.remove_prefix(n);
  return {n, 0};
}

}  // namespace draftcalc::csv
