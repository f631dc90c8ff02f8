// Throughput and peak memory of draftcalc-cli on a generated file of
// 1,000,000 varied catalogue calculations, with --jobs 1 and --jobs 2, beside
// the parse-and-format floor (parse_format_floor) on the same bytes. The
// three run in turn, round after round, so that a busy machine slows all of
// them alike; the table gives the best and median of each and their ratios.
// With --all, the same for draftcalc-cli --all with --jobs 1 and 2 instead:
// input records and output records (one per candidate) per second. With
// --explain, draftcalc-cli --explain with --jobs 1 and 2 beside the plain
// run with --jobs 1: records per second and the cost of the reasons.
//
//   cli_bench [ROUNDS] [RECORDS]            (default 5 rounds of 1,000,000 records)
//   cli_bench --all [ROUNDS] [RECORDS]      (default 3 rounds of 200,000 records)
//   cli_bench --explain [ROUNDS] [RECORDS]  (default 5 rounds of 1,000,000 records)
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/varied_records.h"

extern char** environ;

namespace {

struct Program {
  std::string name;
  std::vector<std::string> argv;
  std::vector<double> seconds;
  double peakMiB = 0;
};

struct Run {
  bool ok;
  double seconds;
  double peakMiB;
};

// Runs argv with `input` on standard input, standard output to `output`
// and messages to /dev/null.
Run Time(const std::vector<std::string>& argv, const std::string& input, const char* output) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);

  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const bool started = posix_spawn(&child, args[0], &actions, nullptr, args.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage{};
  if (started) wait4(child, &status, 0, &usage);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  const bool ok = started && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return {ok, elapsed.count(), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

long LineCount(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return 0;
  long lines = 0;
  for (int c = std::getc(file); c != EOF; c = std::getc(file)) lines += c == '\n' ? 1 : 0;
  std::fclose(file);
  return lines;
}

bool SameFiles(const std::string& a, const std::string& b) {
  const std::string command = "cmp -s '" + a + "' '" + b + "'";
  return std::system(command.c_str()) == 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void PrintSummary(const std::vector<Program>& programs, long records) {
  std::printf("\n%-12s %14s %14s %10s\n", "", "best rec/s", "median rec/s", "peak MiB");
  for (const Program& p : programs) {
    const double best = *std::min_element(p.seconds.begin(), p.seconds.end());
    std::printf("%-12s %14.0f %14.0f %10.1f\n", p.name.c_str(), records / best, records / Median(p.seconds), p.peakMiB);
  }
  const auto median = [&](size_t i) { return Median(programs[i].seconds); };
  std::printf("\n--jobs 1 time / floor time: %.2f (target <= 1.3)\n", median(1) / median(0));
  std::printf("--jobs 2 speed-up over --jobs 1: %.2fx (target >= 1.6)\n", median(1) / median(2));
  std::printf("--jobs 1: %.0f records/s (target >= 1,000,000), peak %.1f MiB (target <= 16)\n", records / median(1),
              programs[1].peakMiB);
}

// Records in and output records (candidates) out per second.
void PrintAllSummary(const std::vector<Program>& programs, long records, long outputRecords) {
  std::printf("\n%-16s %14s %14s %16s %10s\n", "", "best rec/s", "median rec/s", "median out rec/s", "peak MiB");
  for (const Program& p : programs) {
    const double best = *std::min_element(p.seconds.begin(), p.seconds.end());
    const double median = Median(p.seconds);
    std::printf("%-16s %14.0f %14.0f %16.0f %10.1f\n", p.name.c_str(), records / best, records / median,
                outputRecords / median, p.peakMiB);
  }
  std::printf("%.2f output records per input record\n", static_cast<double>(outputRecords) / records);
}

// Records per second with --explain beside the plain run, and how many of
// the records failed (each explained).
void PrintExplainSummary(const std::vector<Program>& programs, long records, long failing) {
  std::printf("\n%-20s %14s %14s %10s\n", "", "best rec/s", "median rec/s", "peak MiB");
  for (const Program& p : programs) {
    const double best = *std::min_element(p.seconds.begin(), p.seconds.end());
    std::printf("%-20s %14.0f %14.0f %10.1f\n", p.name.c_str(), records / best, records / Median(p.seconds), p.peakMiB);
  }
  std::printf("%ld of %ld records have a remark (%.1f%%), each explained\n", failing, records,
              100.0 * static_cast<double>(failing) / static_cast<double>(records));
  std::printf("--explain --jobs 1 time / plain --jobs 1 time: %.2f\n",
              Median(programs[1].seconds) / Median(programs[0].seconds));
}

// Output records whose last field (ansFix) or the one before (ansWhy) is
// not empty: those with a reason.
long RecordsWithAReason(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return -1;
  long count = 0;
  std::string line;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
    if (c != '\n') {
      line += static_cast<char>(c);
      continue;
    }
    if (!line.ends_with(",,")) ++count;
    line.clear();
  }
  std::fclose(file);
  return count - 1;  // the header
}

// Memory must stay flat whatever the input: a 64 MiB record (beyond the
// limit, so reported and skipped) between ordinary ones.
void PrintMemoryOnALongRecord(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return;
  std::fputs("note,x2,y2\nbefore,1,1\n\"", file);
  const std::string block(1 << 20, 'w');
  for (int i = 0; i < 64; ++i) std::fputs(block.c_str(), file);
  std::fputs("\",2,3\nafter,0,5\n", file);
  std::fclose(file);
  for (const char* jobs : {"1", "2"}) {
    // Exit status 2: the long record is reported.
    const Run run = Time({DRAFTCALC_CLI_PATH, "--jobs", jobs, path}, "/dev/null", "/dev/null");
    std::printf("--jobs %s on a 64 MiB record: %.3f s, peak %.1f MiB\n", jobs, run.seconds, run.peakMiB);
  }
}

// Runs each program once per round, in turn; false when one failed.
bool RunRounds(std::vector<Program>& programs, const std::string& input, int rounds) {
  for (int round = 1; round <= rounds; ++round) {
    std::printf("round %d:", round);
    for (Program& p : programs) {
      const Run run = Time(p.argv, input, "/dev/null");
      if (!run.ok) {
        std::fprintf(stderr, "\n%s failed\n", p.name.c_str());
        return false;
      }
      p.seconds.push_back(run.seconds);
      p.peakMiB = std::max(p.peakMiB, run.peakMiB);
      std::printf("  %s %.3f s", p.name.c_str(), run.seconds);
    }
    std::printf("\n");
    std::fflush(stdout);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const bool all = argc > 1 && std::string(argv[1]) == "--all";
  const bool explain = argc > 1 && std::string(argv[1]) == "--explain";
  if (all || explain) --argc, ++argv;
  const int rounds = argc > 1 ? std::atoi(argv[1]) : all ? 3 : 5;
  const long records = argc > 2 ? std::atol(argv[2]) : all ? 200'000 : 1'000'000;
  const auto dir = std::filesystem::temp_directory_path() / ("draftcalc-cli-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string input = dir / "varied.csv";
  if (!draftcalc::bench::VariedRecords().WriteFile(input.c_str(), records)) {
    std::fprintf(stderr, "cannot write %s\n", input.c_str());
    return 1;
  }
  std::printf("%ld records, %.1f MiB of CSV\n", records,
              static_cast<double>(std::filesystem::file_size(input)) / (1024.0 * 1024.0));

  std::vector<Program> programs;
  if (all) {
    programs = {{"--all --jobs 1", {DRAFTCALC_CLI_PATH, "--all", "--jobs", "1"}, {}},
                {"--all --jobs 2", {DRAFTCALC_CLI_PATH, "--all", "--jobs", "2"}, {}}};
  } else if (explain) {
    programs = {{"--jobs 1", {DRAFTCALC_CLI_PATH, "--jobs", "1"}, {}},
                {"--explain --jobs 1", {DRAFTCALC_CLI_PATH, "--explain", "--jobs", "1"}, {}},
                {"--explain --jobs 2", {DRAFTCALC_CLI_PATH, "--explain", "--jobs", "2"}, {}}};
  } else {
    programs = {{"floor", {PARSE_FORMAT_FLOOR_PATH}, {}},
                {"--jobs 1", {DRAFTCALC_CLI_PATH, "--jobs", "1"}, {}},
                {"--jobs 2", {DRAFTCALC_CLI_PATH, "--jobs", "2"}, {}}};
  }
  // The parallel run must write exactly what the single one writes.
  const Program& single = programs[programs.size() - 2];
  const Program& parallel = programs.back();
  const std::string one = dir / "jobs1.csv", two = dir / "jobs2.csv";
  if (!Time(single.argv, input, one.c_str()).ok || !Time(parallel.argv, input, two.c_str()).ok ||
      !SameFiles(one, two)) {
    std::fprintf(stderr, "draftcalc-cli failed, or --jobs 2 wrote other output than --jobs 1\n");
    return 1;
  }
  const long outputRecords = LineCount(one) - 1;  // the header

  if (!RunRounds(programs, input, rounds)) return 1;
  if (all) {
    PrintAllSummary(programs, records, outputRecords);
  } else if (explain) {
    PrintExplainSummary(programs, records, RecordsWithAReason(one));
  } else {
    PrintSummary(programs, records);
    PrintMemoryOnALongRecord(dir / "long.csv");
  }
  std::filesystem::remove_all(dir);
  return 0;
}
