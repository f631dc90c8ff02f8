// The history of calculations as a file: records appended without
// rewriting, trimmed to the newest thousand, damaged files set aside, read
// as a stream whatever its size, and shared by several programs without a
// record lost.
#include "files/history.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <map>
#include <string>
#include <vector>

#include "csv/csv_writer.h"
#include "csv/input_set.h"
#include "files/signals.h"
#include "full_disk.h"
#include "scratch_folder.h"

namespace draftcalc::files {
namespace {

using testing_files::FileText;
using testing_files::NamesStartingWith;
using testing_files::ScratchFolder;
using testing_files::TableOf;
using testing_files::WriteText;

// The 1.1 example's boxes, with x2 = `x2`.
csv::BoxTexts ExampleBoxes(const std::string& x2) {
  csv::BoxTexts boxes = csv::StartupBoxTexts();
  boxes[2] = "8";
  boxes[8] = x2;
  boxes[9] = "4";
  boxes[10] = "8";
  return boxes;
}

// `count` records as the window writes them, record i with x2 = i.
std::string RecordsText(int count, int first = 0) {
  std::string text;
  csv::CsvWriter writer(text);
  for (int i = first; i < first + count; ++i) {
    writer.Field("2026-01-02T03:04:05+09:00");
    csv::WriteInputSetFields(writer, ExampleBoxes(std::to_string(i)), {"0", "0", "45", "", ""});
    writer.EndRecord();
  }
  return text;
}

std::string HistoryText(int count) { return History::HeaderLine() + RecordsText(count); }

HistoryRecord Added(const std::string& x2 = "0.000") { return {History::Now(), ExampleBoxes(x2), {}}; }

ino_t Inode(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

TEST(History, NowIsIso8601WithTheOffsetFromUtc) {
  const std::string now = History::Now();
  ASSERT_GE(now.size(), 20u) << now;
  EXPECT_EQ(now[4], '-');
  EXPECT_EQ(now[10], 'T');
  EXPECT_TRUE(now.ends_with("Z") || (now[now.size() - 3] == ':' && (now[19] == '+' || now[19] == '-'))) << now;
}

TEST(History, PastTwelveHundredRecordsTheNewestThousandAreKept) {
  struct Case {
    int before, after;
  };
  for (const Case c : {Case{1198, 1199}, Case{1199, 1200}, Case{1200, 1000}}) {
    ScratchFolder folder;
    const std::string path = folder / "history.csv";
    ASSERT_TRUE(WriteText(path, HistoryText(c.before)));
    History history(path);
    ASSERT_TRUE(history.Append(Added()));
    EXPECT_EQ(history.Records().size(), static_cast<size_t>(c.after)) << c.before;
    const csv::CsvTable table = TableOf(path);
    EXPECT_TRUE(table.problems.empty());
    ASSERT_EQ(table.records.size(), static_cast<size_t>(c.after)) << c.before;
    EXPECT_EQ(table.records.front().fields[9], std::to_string(c.before + 1 - c.after)) << "the oldest kept";
    EXPECT_EQ(table.records[static_cast<size_t>(c.after) - 2].fields[9], std::to_string(c.before - 1));
    EXPECT_EQ(table.records.back().fields[9], "0.000") << "the record added, last";
    EXPECT_EQ(history.Records().front().boxes[8], table.records.front().fields[9]);
  }
}

// Each file in the history's place: what is read of it, whether it is set
// aside, and that a record added then reads back whole and last.
TEST(History, ADamagedFileIsNeverWrittenOverBlindly) {
  const std::string header = History::HeaderLine();
  const std::string good = RecordsText(1);
  struct Case {
    const char* name;
    std::string bytes;
    size_t readable;
    bool setAside;
    const char* notice;
    size_t recordsAfter;  // in the file once one is added
  };
  const Case cases[] = {
      {"empty", "", 0, false, "", 1},
      {"only line ends", "\n\r\n\n", 0, false, "", 1},
      {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 0, true, "set aside as history.csv.bad-", 1},
      {"another CSV", "x1,y1\n1,2\n", 0, true, "line 1: not the header of a history", 1},
      {"a malformed header", "\"time\"x,y\n", 0, true, "line 1: unexpected text after a closing quote", 1},
      {"damaged records", header + good + "a,b\n" + good.substr(0, 26) + "\xff" + good.substr(26) + good + good, 3,
       false, "Damaged records in the history skipped: 2.", 6},
      {"as many damaged as readable", header + good + "a,b\n", 1, false, "skipped: 1", 3},
      {"cut inside quotes", header + good + good.substr(0, 30) + "\"cut, \n", 1, false, "skipped: 1", 3},
      {"cut after a field", header + good + good.substr(0, 30), 1, false, "skipped: 1", 3},
      {"mostly damaged", header + good + "a,b\n" + "c,d\n", 1, true,
       "mostly damaged (2 of its 3 records are damaged): it was set aside as history.csv.bad-", 2},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    const std::string path = folder / "history.csv";
    ASSERT_TRUE(WriteText(path, c.bytes));
    History history(path);
    EXPECT_EQ(history.Records().size(), c.readable) << c.name;
    const std::string notice = history.TakeNotice();
    EXPECT_NE(notice.find(c.notice), std::string::npos) << c.name << ": " << notice;

    csv::BoxTexts boxes = csv::StartupBoxTexts();
    boxes[0] = "a \"new\",\nrecord";
    ASSERT_TRUE(history.Append({History::Now(), boxes, {"1", "2", "", "", "残り"}})) << c.name;
    const csv::CsvTable table = TableOf(path);
    ASSERT_FALSE(table.records.empty()) << c.name;
    EXPECT_EQ(table.records.back().fields[1], boxes[0]) << c.name;
    EXPECT_EQ(table.records.back().fields[29], "残り") << c.name;
    EXPECT_EQ(table.records.size() + table.problems.size(), c.recordsAfter) << c.name;
    const std::vector<std::string> aside = NamesStartingWith(folder.Path(), "history.csv.bad-");
    ASSERT_EQ(aside.size(), c.setAside ? 1u : 0u) << c.name;
    if (c.setAside) {
      EXPECT_EQ(FileText(folder / aside.front()), c.bytes) << c.name << ": set aside as it was";
      EXPECT_TRUE(table.problems.empty()) << c.name;
    } else {
      EXPECT_TRUE(FileText(path).starts_with(c.bytes)) << c.name << ": appended to, not rewritten";
    }
  }
}

TEST(History, AFileRemovedWhileTheWindowRunsStartsAgainWithItsHeader) {
  ScratchFolder folder;
  const std::string path = folder / "history.csv";
  for (int kept : {0, 2}) {
    ASSERT_TRUE(WriteText(path, HistoryText(kept)));
    History history(path);
    EXPECT_EQ(history.Records().size(), static_cast<size_t>(kept));
    ASSERT_EQ(::unlink(path.c_str()), 0);
    ASSERT_TRUE(history.Append(Added()));
    const csv::CsvTable table = TableOf(path);
    EXPECT_EQ(table.header.fields, History::Columns()) << kept;
    EXPECT_EQ(table.records.size(), 1u) << kept;
    EXPECT_EQ(history.Records().size(), 1u) << kept;
  }
}

// A folder or a named pipe in the file's place: never waited on, never
// replaced, and nothing kept.
TEST(History, AFileThatIsNoRegularFileIsLeftAlone) {
  struct Case {
    const char* name;
    int (*make)(const std::string&);
    const char* kind;
  };
  const Case cases[] = {
      {"folder", [](const std::string& path) { return ::mkdir(path.c_str(), 0700); }, "a folder"},
      {"named pipe", [](const std::string& path) { return ::mkfifo(path.c_str(), 0600); }, "a named pipe (FIFO)"},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    const std::string path = folder / "history.csv";
    ASSERT_EQ(c.make(path), 0) << c.name;
    History history(path);
    EXPECT_TRUE(history.Records().empty()) << c.name;
    const std::string notice = history.TakeNotice();
    EXPECT_TRUE(notice.starts_with("The history is not kept: " + path + " cannot be read (not a regular file but " +
                                   c.kind + ")"))
        << notice;
    EXPECT_FALSE(history.Append(Added())) << c.name;
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_FALSE(S_ISREG(status.st_mode)) << c.name << " still there";
    EXPECT_TRUE(NamesStartingWith(folder.Path(), "history.csv.bad-").empty()) << c.name;
  }
}

// A write that fails half way (here at a file size limit: root writes
// anywhere) is undone, so that the next record does not follow half of it.
TEST(History, ARecordThatCannotBeWrittenWholeLeavesNoPartOfItBehind) {
  ScratchFolder folder;
  const std::string path = folder / "history.csv";
  ASSERT_TRUE(WriteText(path, HistoryText(3)));
  const std::string before = FileText(path);
  History history(path);
  HistoryRecord huge = Added();
  huge.boxes[0] = std::string(40000, '1');

  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit small{static_cast<rlim_t>(before.size()) + 8192, limit.rlim_max};
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool appended = history.Append(huge);
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previous);

  EXPECT_FALSE(appended);
  EXPECT_EQ(history.TakeNotice(), "The calculation could not be added to the history (File too large).");
  EXPECT_EQ(FileText(path), before);
  ASSERT_TRUE(history.Append(Added()));
  const csv::CsvTable table = TableOf(path);
  EXPECT_TRUE(table.problems.empty());
  EXPECT_EQ(table.records.size(), 4u);
}

// Two windows on one file: each reads on what the other added, and a trim
// by one keeps the other's records.
TEST(History, RecordsAnotherWindowAddsAreReadOnAndKeptWhenTrimming) {
  ScratchFolder folder;
  const std::string path = folder / "history.csv";
  ASSERT_TRUE(WriteText(path, HistoryText(1189)));
  History first(path), second(path);
  EXPECT_EQ(first.Records().size(), 1189u);
  EXPECT_EQ(second.Records().size(), 1189u);
  const ino_t inode = Inode(path);
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(first.Append(Added("first " + std::to_string(i))));
    ASSERT_TRUE(second.Append(Added("second " + std::to_string(i))));
  }
  EXPECT_EQ(Inode(path), inode) << "only appended to so far";
  ASSERT_EQ(first.Records().size(), 1198u) << "the other's records read on";
  EXPECT_EQ(first.Records()[1196].boxes[8], "second 3");
  EXPECT_EQ(first.Records()[1197].boxes[8], "first 4");
  const int generation = first.Generation();
  ASSERT_TRUE(first.Append(Added("first 5")));  // 1200 in the file, all held
  EXPECT_EQ(first.Generation(), generation) << "nothing but a record added";
  ASSERT_TRUE(second.Append(Added("second 5")));  // 1201: the newest thousand kept
  ASSERT_TRUE(first.Append(Added("first 6")));

  const csv::CsvTable table = TableOf(path);
  ASSERT_EQ(table.records.size(), 1001u);
  std::vector<std::string> newest;
  for (size_t i = table.records.size() - 14; i + 1 < table.records.size(); ++i)
    newest.push_back(table.records[i].fields[9]);
  EXPECT_EQ(newest,
            (std::vector<std::string>{"1188", "first 0", "second 0", "first 1", "second 1", "first 2", "second 2",
                                      "first 3", "second 3", "first 4", "second 4", "first 5", "second 5"}));
  EXPECT_EQ(table.records.back().fields[9], "first 6");
  EXPECT_NE(first.Generation(), generation) << "the file was replaced by the other window";
  EXPECT_EQ(first.Records().size(), 1001u);
  EXPECT_EQ(second.Records().size(), 1000u);
}

// Two processes add records as fast as they can for a few seconds, the file
// trimmed again and again as it passes 1,200: each process's records in the
// final file are the newest of its own, in order, with none missing.
TEST(History, TwoProcessesAppendingWhileTrimmingLoseNothing) {
  ScratchFolder folder;
  const std::string path = folder / "history.csv";
  constexpr auto kRunFor = std::chrono::seconds(3);
  int start[2];
  ASSERT_EQ(::pipe(start), 0);
  pid_t children[2];
  for (int writer = 0; writer < 2; ++writer) {
    children[writer] = ::fork();
    ASSERT_GE(children[writer], 0);
    if (children[writer] == 0) {
      char go;
      if (::read(start[0], &go, 1) != 1) ::_exit(3);
      History history(path);
      const auto until = std::chrono::steady_clock::now() + kRunFor;
      int failures = 0;
      for (int n = 0; std::chrono::steady_clock::now() < until; ++n) {
        failures += history.Append(Added(std::to_string(writer) + ":" + std::to_string(n))) ? 0 : 1;
      }
      ::_exit(failures == 0 ? 0 : 1);
    }
  }
  ASSERT_EQ(::write(start[1], "gg", 2), 2);
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a process could not add a record";
  }
  ::close(start[0]);
  ::close(start[1]);

  const csv::CsvTable table = TableOf(path);
  EXPECT_TRUE(table.problems.empty());
  EXPECT_GE(table.records.size(), History::kKept);
  EXPECT_LE(table.records.size(), History::kTrimAbove);
  std::map<int, std::vector<long>> numbers;  // by writer, in file order
  for (const csv::CsvRow& row : table.records) {
    const std::string& x2 = row.fields[9];
    numbers[x2[0] - '0'].push_back(std::stol(x2.substr(2)));
  }
  ASSERT_EQ(numbers.size(), 2u) << "both wrote within the newest thousand";
  for (const auto& [writer, seen] : numbers) {
    EXPECT_GT(seen.back(), static_cast<long>(2 * History::kTrimAbove)) << "trimmed many times over";
    for (size_t i = 1; i < seen.size(); ++i) {
      ASSERT_EQ(seen[i], seen[i - 1] + 1) << "writer " << writer << " lost a record after " << seen[i - 1];
    }
  }
}

// A history grown huge (another program, a bug of an old version): read
// once as a stream, only the newest held, and trimmed then and there.
TEST(History, AHugeHistoryIsReadAsAStreamAndTrimmedOnce) {
  ScratchFolder folder;
  const std::string path = folder / "history.csv";
  constexpr int kRecords = 200000;
  ASSERT_TRUE(WriteText(path, HistoryText(kRecords)));
  History history(path);
  ASSERT_EQ(history.Records().size(), History::kKept);
  EXPECT_EQ(history.Records().back().boxes[8], std::to_string(kRecords - 1));
  EXPECT_EQ(history.Records().front().boxes[8], std::to_string(kRecords - History::kKept));
  EXPECT_EQ(TableOf(path).records.size(), History::kKept) << "trimmed when read";
  EXPECT_EQ(history.TakeNotice(), "");
}

// Records of a megabyte each: the list holds the newest that fit in
// kMostBytesHeld; the file keeps them all.
TEST(History, LongRecordsAreHeldWithinTheirMemoryBound) {
  ScratchFolder folder;
  const std::string path = folder / "history.csv";
  std::string text = History::HeaderLine();
  csv::CsvWriter writer(text);
  constexpr size_t kMegabyte = size_t{1} << 20;
  constexpr int kRecords = 40;
  for (int i = 0; i < kRecords; ++i) {
    csv::BoxTexts boxes = ExampleBoxes(std::to_string(i));
    boxes[0] = std::string(kMegabyte, '7');
    writer.Field("2026-01-02T03:04:05Z");
    csv::WriteInputSetFields(writer, boxes, {});
    writer.EndRecord();
  }
  ASSERT_TRUE(WriteText(path, text));
  History history(path);
  const size_t held = history.Records().size();
  EXPECT_EQ(held, History::kMostBytesHeld / kMegabyte - 1) << "each record a little over a megabyte";
  EXPECT_EQ(history.Records().back().boxes[8], std::to_string(kRecords - 1));
  EXPECT_EQ(history.TakeNotice(), "");
  ASSERT_TRUE(history.Append(Added()));
  EXPECT_EQ(TableOf(path, History::kLongestRecord).records.size(), static_cast<size_t>(kRecords) + 1)
      << "nothing left out of the file";
}

// A history of damaged records (a file another program wrote, a disk
// fault): set aside once with its readable records, not read again at
// every start.
TEST(History, AMostlyDamagedHistoryIsSetAsideOnceKeepingWhatCanBeRead) {
  ScratchFolder folder;
  const std::string path = folder / "history.csv";
  std::string text = HistoryText(3);
  for (int i = 0; i < 100000; ++i) text += "damaged,record\n";
  ASSERT_TRUE(WriteText(path, text));
  {
    History history(path);
    EXPECT_EQ(history.Records().size(), 3u);
    EXPECT_EQ(history.TakeNotice(),
              "The history file was mostly damaged (100000 of its 100003 records are damaged): it was set aside as " +
                  NamesStartingWith(folder.Path(), "history.csv.bad-").at(0) +
                  " and a new one started with its 3 readable records.");
  }
  EXPECT_EQ(FileText(path), HistoryText(3));
  History next(path);
  EXPECT_EQ(next.Records().size(), 3u);
  EXPECT_EQ(next.TakeNotice(), "") << "the next start reads a clean file";
}

// On a full file system (tests/on_full_disk.sh): no record is added and
// none left half written; a trim that finds no room keeps the file whole.
TEST(FullDisk, TheHistoryAddsNothingHalfAndLosesNothing) {
  SKIP_UNLESS_ON_A_FULL_DISK();
  const std::string folder = testing_files::EmptiedFullDiskFolder();
  const std::string path = folder + "/history.csv";
  ASSERT_TRUE(testing_files::FillUp(folder));
  History fresh(path);
  EXPECT_FALSE(fresh.Append(Added()));
  EXPECT_EQ(fresh.TakeNotice(), "The calculation could not be added to the history (No space left on device).");
  EXPECT_FALSE(std::filesystem::exists(path)) << "no empty file left behind";

  // A record still fits in the file's last block; the trimmed file beside
  // it does not.
  testing_files::EmptiedFullDiskFolder();
  ASSERT_TRUE(WriteText(path, HistoryText(History::kTrimAbove)));
  const std::string before = FileText(path);
  History history(path);
  ASSERT_EQ(history.Records().size(), History::kTrimAbove);
  ASSERT_TRUE(testing_files::FillUp(folder));
  ASSERT_TRUE(history.Append(Added("last")));
  EXPECT_EQ(history.TakeNotice(), "The history could not be shortened (No space left on device).");
  const std::string after = FileText(path);
  EXPECT_TRUE(after.starts_with(before)) << "appended to, not cut";
  const csv::CsvTable table = TableOf(path);
  ASSERT_EQ(table.records.size(), History::kTrimAbove + 1);
  EXPECT_EQ(table.records.back().fields[9], "last");
  EXPECT_TRUE(NamesStartingWith(folder, ".history.csv.").empty());
}

}  // namespace
}  // namespace draftcalc::files
