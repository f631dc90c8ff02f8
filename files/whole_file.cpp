#include "files/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "files/signals.h"

namespace draftcalc::files {
namespace {

// The permissions a new file gets, or those of the file it replaces.
mode_t ModeFor(const struct stat* replaced) {
  if (replaced != nullptr) return replaced->st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// ".name.XXXXXX" beside the target, for mkostemp.
std::string HiddenTemplate(const std::string& target) {
  const std::filesystem::path path(target);
  std::string hidden(".");
  hidden.append(path.filename().string()).append(".XXXXXX");
  return (path.parent_path() / hidden).string();
}

// The folder's own entry made durable too, so that the rename survives a
// power cut. Some file systems cannot sync a folder: that costs durability,
// not the file, so it is no failure.
void SyncFolderOf(const std::string& target) {
  const std::string folder = std::filesystem::path(target).parent_path().string();
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

WholeFileWriter::~WholeFileWriter() { Abandon(); }

int WholeFileWriter::Fail(int error) {
  error_ = error;
  Abandon();
  return error_;
}

void WholeFileWriter::Abandon() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) {
    unlink(temporary_.c_str());
    ForgetTemporaryFile();
    temporary_.clear();
  }
}

int WholeFileWriter::Begin(const std::string& path) {
  struct stat info {};
  const bool exists = stat(path.c_str(), &info) == 0;
  if (exists && !S_ISREG(info.st_mode)) {
    direct_ = true;
    target_ = path;
    fd_ = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    return fd_ < 0 ? Fail(errno) : 0;
  }
  target_ = path;
  if (exists) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr) return Fail(errno);
    target_ = resolved;
  }
  mode_ = ModeFor(exists ? &info : nullptr);
  std::string name = HiddenTemplate(target_);
  // Known before it exists: a signal between the two finds no file yet.
  RememberTemporaryFile(name);
  fd_ = mkostemp(name.data(), O_CLOEXEC);
  if (fd_ < 0) {
    const int error = errno;
    ForgetTemporaryFile();
    return Fail(error);
  }
  RememberTemporaryFile(name);
  temporary_ = std::move(name);
  return 0;
}

int WholeFileWriter::Write(std::string_view bytes) {
  if (error_ != 0) return error_;
  if (const int error = WriteAll(fd_, bytes); error != 0) return Fail(error);
  return 0;
}

int WholeFileWriter::Commit() {
  if (error_ != 0) return error_;
  if (direct_) {
    const int closed = close(fd_);
    fd_ = -1;
    return closed != 0 ? Fail(errno) : 0;
  }
  if (fchmod(fd_, mode_) != 0 || fsync(fd_) != 0) return Fail(errno);
  const int closed = close(fd_);
  fd_ = -1;
  if (closed != 0) return Fail(errno);
  if (rename(temporary_.c_str(), target_.c_str()) != 0) return Fail(errno);
  ForgetTemporaryFile();
  temporary_.clear();
  SyncFolderOf(target_);
  return 0;
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return 0;
}

int ReplaceWholeFile(const std::string& path, std::string_view bytes) {
  WholeFileWriter writer;
  if (const int error = writer.Begin(path); error != 0) return error;
  if (const int error = writer.Write(bytes); error != 0) return error;
  return writer.Commit();
}

}  // namespace draftcalc::files
