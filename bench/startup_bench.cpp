// Start-up to the first exposed window and peak memory of draftcalc against
// a bare Qt Widgets window, in the same run on the same display. Each
// program prints the monotonic clock at its window's first exposure and
// quits (DRAFTCALC_STARTUP_PROBE); the time is taken from just before the
// spawn, the peak resident set from the finished child. draftcalc starts
// once more with a full history of 1,000 records in its data folder, which
// it must not read before its window shows.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

extern char** environ;

namespace {

struct Launch {
  double seconds = 0;
  double peakMiB = 0;
  bool ok = false;
};

Launch LaunchUntilExposed(const char* program) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  char* argv[] = {const_cast<char*>(program), nullptr};

  setenv("DRAFTCALC_STARTUP_PROBE", "1", 1);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (spawned != 0) {
    close(pipeEnds[0]);
    return {};
  }
  char text[64] = {};
  const ssize_t length = read(pipeEnds[0], text, sizeof text - 1);
  close(pipeEnds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (length <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};

  const auto exposed = std::chrono::steady_clock::time_point(std::chrono::nanoseconds(std::atoll(text)));
  return {std::chrono::duration<double>(exposed - start).count(), static_cast<double>(usage.ru_maxrss) / 1024, true};
}

// A data folder whose draftcalc/history.csv holds 1,000 records, removed
// when the benchmark ends.
class FullHistoryFolder {
 public:
  FullHistoryFolder()
      : data_(std::filesystem::temp_directory_path() / ("draftcalc-startup-bench-" + std::to_string(getpid()))) {
    std::filesystem::create_directories(data_ / "draftcalc");
    std::ofstream history(data_ / "draftcalc" / "history.csv");
    history << "time,x1,y1,d1,a1,b1,c1,r1,s1,x2,y2,d2,a2,b2,c2,r2,s2,x3,y3,d3,a3,b3,c3,r3,s3,"
               "ansX,ansY,ansA,ansR,ansRem\n";
    for (int i = 0; i < 1000; ++i) {
      history << "2026-01-02T03:04:05+09:00,0,0,0,,,,10,1,0.000,0.000,5,,,-5,,,20,0,0,,,,10,1,10,11.1803,,-5,\n";
    }
  }
  ~FullHistoryFolder() { std::filesystem::remove_all(data_); }
  std::string Path() const { return data_.string(); }

 private:
  std::filesystem::path data_;
};

void BM_StartUp(benchmark::State& state, const char* program, bool fullHistory) {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  const std::string kept = dataHome != nullptr ? dataHome : "";
  static const FullHistoryFolder fullHistoryFolder;
  if (fullHistory) setenv("XDG_DATA_HOME", fullHistoryFolder.Path().c_str(), 1);
  for (auto _ : state) {
    const Launch launch = LaunchUntilExposed(program);
    if (!launch.ok) {
      state.SkipWithError("the program did not show its window");
      break;
    }
    state.SetIterationTime(launch.seconds);
    state.counters["peak_MiB"] = launch.peakMiB;
  }
  if (dataHome != nullptr) {
    setenv("XDG_DATA_HOME", kept.c_str(), 1);
  } else {
    unsetenv("XDG_DATA_HOME");
  }
}
BENCHMARK_CAPTURE(BM_StartUp, bare_qt_window, BARE_WINDOW_PATH, false)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUp, draftcalc, DRAFTCALC_PATH, false)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUp, draftcalc_full_history, DRAFTCALC_PATH, true)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
