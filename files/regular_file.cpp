#include "files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "core/translatable.h"
#include "i18n/translation.h"

namespace draftcalc::files {
namespace {

// Whole sentences, so that each translates as one.
const char* WhyRefused(mode_t mode) {
  if (S_ISDIR(mode)) return QT_TRANSLATE_NOOP("draftcalc", "not a regular file but a folder");
  if (S_ISFIFO(mode)) return QT_TRANSLATE_NOOP("draftcalc", "not a regular file but a named pipe (FIFO)");
  if (S_ISCHR(mode) || S_ISBLK(mode)) return QT_TRANSLATE_NOOP("draftcalc", "not a regular file but a device");
  if (S_ISSOCK(mode)) return QT_TRANSLATE_NOOP("draftcalc", "not a regular file but a socket");
  return QT_TRANSLATE_NOOP("draftcalc", "not a regular file but of another kind");
}

OpenedFile Refused(mode_t mode) { return {FileDescriptor(), i18n::Message(WhyRefused(mode)), 0}; }

OpenedFile Failed(int error) { return {FileDescriptor(), std::strerror(error), error}; }

}  // namespace

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) close(fd_);
    fd_ = other.Release();
  }
  return *this;
}

FileDescriptor::~FileDescriptor() {
  if (fd_ >= 0) close(fd_);
}

int FileDescriptor::Release() { return std::exchange(fd_, -1); }

OpenedFile OpenRegularFile(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return Failed(errno);
  if (!S_ISREG(info.st_mode)) return Refused(info.st_mode);
  // Without waiting, should a pipe have taken the file's place since.
  FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (!fd.IsOpen()) return Failed(errno);
  if (fstat(fd.Get(), &info) != 0) return Failed(errno);
  if (!S_ISREG(info.st_mode)) return Refused(info.st_mode);
  // A regular file reads the same either way; the flag is dropped so that
  // nothing downstream takes EAGAIN for an answer.
  const int flags = fcntl(fd.Get(), F_GETFL);
  if (flags >= 0) fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK);
  return {std::move(fd), {}, 0};
}

}  // namespace draftcalc::files
