// Start-up to the first exposed window and peak memory of draftcalc against
// a bare Qt Widgets window, in the same run on the same display. Each
// program prints the monotonic clock at its window's first exposure and
// quits (DRAFTCALC_STARTUP_PROBE); the time is taken from just before the
// spawn, the peak resident set from the finished child.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
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

void BM_StartUp(benchmark::State& state, const char* program) {
  for (auto _ : state) {
    const Launch launch = LaunchUntilExposed(program);
    if (!launch.ok) {
      state.SkipWithError("the program did not show its window");
      break;
    }
    state.SetIterationTime(launch.seconds);
    state.counters["peak_MiB"] = launch.peakMiB;
  }
}
BENCHMARK_CAPTURE(BM_StartUp, bare_qt_window, BARE_WINDOW_PATH)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUp, draftcalc, DRAFTCALC_PATH)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
