#include "files/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace draftcalc::files {

FileLock::FileLock(const std::string& lockPath, std::chrono::milliseconds patience)
    : fd_(open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666)) {
  if (!fd_.IsOpen()) {
    error_ = errno;
    return;
  }
  // Held for a few milliseconds at a time: short naps, growing to 10 ms.
  const auto until = std::chrono::steady_clock::now() + patience;
  auto nap = std::chrono::microseconds(200);
  while (flock(fd_.Get(), LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= until) {
      error_ = errno;
      return;
    }
    std::this_thread::sleep_for(nap);
    nap = std::min(nap * 2, std::chrono::microseconds(10000));
  }
}

}  // namespace draftcalc::files
