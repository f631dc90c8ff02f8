// Files replaced whole or not at all, and files opened for reading only
// when they are regular ones.
#include "files/whole_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <string>
#include <thread>

#include "files/regular_file.h"
#include "files/signals.h"
#include "full_disk.h"
#include "scratch_folder.h"

namespace draftcalc::files {
namespace {

using testing_files::FileText;
using testing_files::NamesStartingWith;
using testing_files::ScratchFolder;
using testing_files::WriteText;

mode_t ModeOf(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

TEST(WholeFile, ReplacesTheFileKeepingItsPermissionsAndLeavesNothingBeside) {
  ScratchFolder folder;
  const std::string path = folder / "rows.csv";
  ASSERT_TRUE(WriteText(path, "old"));
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_EQ(ReplaceWholeFile(path, "new text"), 0);
  EXPECT_EQ(FileText(path), "new text");
  EXPECT_EQ(ModeOf(path), 0640u);
  EXPECT_EQ(NamesStartingWith(folder.Path(), ".").size(), 0u);

  ASSERT_EQ(ReplaceWholeFile(folder / "new.csv", ""), 0) << "an empty file is a file too";
  EXPECT_EQ(FileText(folder / "new.csv"), "");
}

TEST(WholeFile, ALinkIsFollowedAndADeviceWrittenDirectly) {
  ScratchFolder folder;
  ASSERT_TRUE(WriteText(folder / "target.svg", "old"));
  ASSERT_EQ(::symlink("target.svg", (folder / "link.svg").c_str()), 0);
  ASSERT_EQ(ReplaceWholeFile(folder / "link.svg", "<svg/>"), 0);
  EXPECT_EQ(FileText(folder / "target.svg"), "<svg/>");
  struct stat status {};
  ASSERT_EQ(::lstat((folder / "link.svg").c_str(), &status), 0);
  EXPECT_TRUE(S_ISLNK(status.st_mode)) << "the link stays a link";
  EXPECT_EQ(ReplaceWholeFile("/dev/null", "anything"), 0);
  EXPECT_EQ(ReplaceWholeFile("/dev/full", "anything"), ENOSPC);
}

// The failures a user meets, on a file far smaller than any write buffer:
// each keeps the old bytes and leaves no hidden file behind.
TEST(WholeFile, AFailedWriteKeepsTheOldFileAndRemovesTheNewOne) {
  ScratchFolder folder;
  const std::string path = folder / "rows.csv";
  ASSERT_TRUE(WriteText(path, "x1,y1\n1,2\n"));
  EXPECT_EQ(ReplaceWholeFile(folder / "missing/rows.csv", "a"), ENOENT);
  EXPECT_EQ(ReplaceWholeFile(path + "/inside", "a"), ENOTDIR);

  // A file size limit of 8 bytes: the 151-byte file cannot be written.
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit small{8, limit.rlim_max};
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const int error = ReplaceWholeFile(path, std::string(151, 'n'));
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(error, EFBIG);
  EXPECT_EQ(FileText(path), "x1,y1\n1,2\n");
  EXPECT_EQ(NamesStartingWith(folder.Path(), ".rows.csv.").size(), 0u);
}

// A program ended by a signal while a file is under way leaves only the old
// file, and still ends by that signal.
TEST(WholeFile, AnInterruptedWriteLeavesNoHiddenFile) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    ScratchFolder folder;
    const std::string path = folder / "drawing.svg";
    ASSERT_TRUE(WriteText(path, "old"));
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      RemoveTemporaryFileOnSignals();
      WholeFileWriter writer;
      if (writer.Begin(path) != 0 || writer.Write("half of it") != 0) ::_exit(3);
      if (::write(ready[1], "r", 1) != 1) ::_exit(4);
      for (;;) ::pause();
    }
    char byte;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_EQ(NamesStartingWith(folder.Path(), ".drawing.svg.").size(), 1u) << "under way";
    ::kill(child, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
    EXPECT_EQ(NamesStartingWith(folder.Path(), ".drawing.svg.").size(), 0u) << signal;
    EXPECT_EQ(FileText(path), "old");
    ::close(ready[0]);
    ::close(ready[1]);
  }
}

TEST(RegularFile, OnlyARegularFileIsOpenedAndNothingElseIsWaitedOn) {
  ScratchFolder folder;
  ASSERT_TRUE(WriteText(folder / "rows.csv", "x1\n1\n"));
  ASSERT_EQ(::mkfifo((folder / "pipe.csv").c_str(), 0600), 0);
  ASSERT_EQ(::mkdir((folder / "folder.csv").c_str(), 0700), 0);
  ASSERT_EQ(::symlink("rows.csv", (folder / "link.csv").c_str()), 0);
  struct Case {
    std::string path;
    std::string problem;
  };
  const Case cases[] = {
      {folder / "rows.csv", ""},
      {folder / "link.csv", ""},
      {folder / "pipe.csv", "not a regular file but a named pipe (FIFO)"},
      {folder / "folder.csv", "not a regular file but a folder"},
      {"/dev/zero", "not a regular file but a device"},
      {folder / "missing.csv", "No such file or directory"},
  };
  for (const Case& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    const OpenedFile file = OpenRegularFile(c.path);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.path;
    EXPECT_EQ(file.problem, c.problem) << c.path;
    EXPECT_EQ(file.fd.IsOpen(), c.problem.empty()) << c.path;
    if (file.fd.IsOpen()) {
      char bytes[8];
      EXPECT_EQ(::read(file.fd.Get(), bytes, sizeof bytes), 5) << "reads as a blocking file";
      EXPECT_EQ(::fcntl(file.fd.Get(), F_GETFL) & O_NONBLOCK, 0);
    }
  }
}

// On a full file system (tests/on_full_disk.sh): a file of a few bytes,
// far less than any write buffer, fails as a big one does.
TEST(FullDisk, ASmallFileIsNotReplacedByAnEmptyOne) {
  SKIP_UNLESS_ON_A_FULL_DISK();
  const std::string folder = testing_files::EmptiedFullDiskFolder();
  const std::string path = folder + "/rows.csv";
  ASSERT_TRUE(WriteText(path, "x1,y1\n1,2\n"));
  ASSERT_TRUE(testing_files::FillUp(folder));
  for (const size_t size : {size_t{1}, size_t{151}, size_t{5000}, size_t{200000}}) {
    EXPECT_EQ(ReplaceWholeFile(path, std::string(size, 'n')), ENOSPC) << size;
    EXPECT_EQ(FileText(path), "x1,y1\n1,2\n") << size;
    EXPECT_TRUE(NamesStartingWith(folder, ".rows.csv.").empty()) << size;
  }
}

}  // namespace
}  // namespace draftcalc::files
