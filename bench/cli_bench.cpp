// Throughput and peak memory of draftcalc-cli on a large CSV: records per
// second and the child's maximum resident set, reported as counters.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "examples/catalogue_examples.h"

extern char** environ;

namespace {

constexpr long kRecords = 1'000'000;

// Header x1..s3, then the catalogue's inputs over and over.
std::filesystem::path WriteInput() {
  const auto path = std::filesystem::temp_directory_path() / ("draftcalc-bench-" + std::to_string(getpid()) + ".csv");
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::string line;
  for (int row = 1; row <= 3; ++row) {
    for (char letter : {'x', 'y', 'd', 'a', 'b', 'c', 'r', 's'}) {
      line += line.empty() ? "" : ",";
      line += letter;
      line += std::to_string(row);
    }
  }
  std::fprintf(file, "%s\n", line.c_str());
  for (long i = 0; i < kRecords; ++i) {
    const auto& entry =
        draftcalc::examples::kCatalogue[static_cast<size_t>(i) % draftcalc::examples::kCatalogue.size()];
    line.clear();
    for (const auto& row : entry.rows) {
      for (std::string_view text : row) {
        line += text;
        line += ',';
      }
    }
    line.pop_back();
    std::fprintf(file, "%s\n", line.c_str());
  }
  std::fclose(file);
  return path;
}

void BM_CliThroughput(benchmark::State& state) {
  const auto input = WriteInput();
  for (auto _ : state) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(DRAFTCALC_CLI_PATH), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, DRAFTCALC_CLI_PATH, &actions, nullptr, argv, environ) != 0) {
      state.SkipWithError("cannot start draftcalc-cli");
      break;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("draftcalc-cli failed");
      break;
    }
    state.SetIterationTime(elapsed.count());
    state.counters["records_per_s"] = static_cast<double>(kRecords) / elapsed.count();
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
  }
  std::filesystem::remove(input);
}
BENCHMARK(BM_CliThroughput)->UseManualTime()->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
