#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace draftcalc::testing_files {

// The folder of the small file system tests/on_full_disk.sh mounts, or
// empty when the test runs without it.
inline std::string FullDiskFolder() {
  const char* folder = std::getenv("DRAFTCALC_FULL_DISK");
  return folder != nullptr ? folder : "";
}

// The same folder emptied of what an earlier test left there.
inline std::string EmptiedFullDiskFolder() {
  const std::string folder = FullDiskFolder();
  for (const auto& entry : std::filesystem::directory_iterator(folder)) std::filesystem::remove_all(entry.path());
  return folder;
}

// Fills the file system of `folder` to the last byte with a file of its
// own; true once a write fails for want of space.
inline bool FillUp(const std::string& folder) {
  const int fd = ::open((folder + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const std::string block(4096, 'f');
  ssize_t written = 0;
  do {
    written = ::write(fd, block.data(), block.size());
  } while (written > 0);
  const bool full = written < 0 && errno == ENOSPC;
  ::close(fd);
  return full;
}

}  // namespace draftcalc::testing_files

// Skips a test that only tests/on_full_disk.sh runs.
#define SKIP_UNLESS_ON_A_FULL_DISK()                                                       \
  if (draftcalc::testing_files::FullDiskFolder().empty())                                   \
  GTEST_SKIP() << "run by tests/on_full_disk.sh, which gives it a small file system to fill"
