#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/drawing_files.h"

namespace draftcalc::cli {

// What the command line asks for.
struct CommandLine {
  enum class Mode { kBatch, kCalc, kHelp, kVersion };
  Mode mode = Mode::kBatch;
  std::vector<std::string_view> calcWords;  // without the options
  DrawingFiles drawingFiles;                // calc only
  std::string_view inputPath = "-";         // "-": standard input
  BatchOptions batch;                       // jobs: one per core unless given
  RecordOptions record;                     // --all, --explain, --strict, in either mode
};

inline constexpr size_t kMostJobs = 256;

// Reads the arguments after the program name. A usage error gives nullopt
// with the reason in `problem`.
std::optional<CommandLine> ParseCommandLine(std::span<const std::string_view> args, std::string& problem);

// The cores this process may run on (at least 1).
unsigned AvailableCores();

}  // namespace draftcalc::cli
