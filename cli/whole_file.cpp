#include "cli/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

namespace draftcalc::cli {
namespace {

// 0 or the errno of the first failed write.
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

int WriteDirectly(const std::string& path, std::string_view bytes) {
  const int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = WriteAll(fd, bytes);
  if (close(fd) != 0 && error == 0) error = errno;
  return error;
}

// The permissions a new file gets, or those of the file it replaces.
mode_t ModeFor(const struct stat* replaced) {
  if (replaced != nullptr) return replaced->st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

int ReplaceThroughNewFile(const std::string& target, std::string_view bytes, const struct stat* replaced) {
  const std::filesystem::path path(target);
  std::string hidden(".");
  hidden.append(path.filename().string()).append(".XXXXXX");
  std::string temporary = (path.parent_path() / hidden).string();
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return errno;
  int error = WriteAll(fd, bytes);
  if (error == 0 && fchmod(fd, ModeFor(replaced)) != 0) error = errno;
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) unlink(temporary.c_str());
  return error;
}

}  // namespace

int SaveWholeFile(const std::string& path, std::string_view bytes) {
  struct stat info {};
  const bool exists = stat(path.c_str(), &info) == 0;
  if (exists && !S_ISREG(info.st_mode)) return WriteDirectly(path, bytes);
  std::string target = path;
  if (exists) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr) return errno;
    target = resolved;
  }
  return ReplaceThroughNewFile(target, bytes, exists ? &info : nullptr);
}

}  // namespace draftcalc::cli
