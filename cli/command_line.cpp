#include "cli/command_line.h"

#include <sched.h>

#include <algorithm>
#include <charconv>
#include <thread>

#include "core/translatable.h"
#include "i18n/translation.h"

namespace draftcalc::cli {
namespace {

bool IsOption(std::string_view arg, std::string_view name) {
  return arg == name || (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=');
}

// The whole number of option `name` ("--name N" or "--name=N" at args[i],
// i stepped over what it takes), from `least` to `most`.
std::optional<size_t> OptionNumber(std::span<const std::string_view> args, size_t& i, std::string_view name,
                                   size_t least, size_t most, std::string& problem) {
  std::string_view text = args[i].substr(std::min(args[i].size(), name.size() + 1));
  if (args[i] == name) text = i + 1 < args.size() ? args[++i] : "";
  size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < least || value > most) {
    problem = i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "%1 needs a whole number from %2 to %3"),
                            {name, std::to_string(least), std::to_string(most)});
    return std::nullopt;
  }
  return value;
}

// The file name of option `name` ("--name FILE" or "--name=FILE" at args[i],
// i stepped over what it takes) into `path`, which must not have one yet.
bool OptionPath(std::span<const std::string_view> args, size_t& i, std::string_view name, std::string_view& path,
                std::string& problem) {
  std::string_view text = args[i].substr(std::min(args[i].size(), name.size() + 1));
  if (args[i] == name) text = i + 1 < args.size() ? args[++i] : "";
  if (text.empty()) problem = i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "%1 needs a file name"), {name});
  if (!path.empty()) problem = i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "%1 is given twice"), {name});
  path = text;
  return problem.empty();
}

// --all, --explain or --strict, taken into `record`; false for any other word.
bool TakeRecordOption(std::string_view arg, RecordOptions& record) {
  if (arg == "--all") return record.allCandidates = true;
  if (arg == "--explain") return record.explain = true;
  if (arg == "--strict") return record.strict = true;
  return false;
}

// --lang en|ja ("--lang=ja" too) at args[i], i stepped over what it takes,
// into `record`; false (and a problem) for another language.
bool TakeLanguage(std::span<const std::string_view> args, size_t& i, RecordOptions& record, std::string& problem) {
  std::string_view code = args[i].substr(std::min(args[i].size(), std::string_view("--lang=").size()));
  if (args[i] == "--lang") code = i + 1 < args.size() ? args[++i] : "";
  const auto language = i18n::LanguageOfCode(code);
  if (!language) {
    problem = i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "--lang needs en or ja"));
    return false;
  }
  record.language = *language;
  return true;
}

// The words after "calc": box words, the record options, and the drawing files.
std::optional<CommandLine> ParseCalc(std::span<const std::string_view> words, std::string& problem) {
  CommandLine command;
  command.mode = CommandLine::Mode::kCalc;
  for (size_t i = 0; i < words.size(); ++i) {
    if (TakeRecordOption(words[i], command.record)) continue;
    if (IsOption(words[i], "--lang")) {
      if (!TakeLanguage(words, i, command.record, problem)) return std::nullopt;
    } else if (IsOption(words[i], "--svg")) {
      if (!OptionPath(words, i, "--svg", command.drawingFiles.svgPath, problem)) return std::nullopt;
    } else if (IsOption(words[i], "--dxf")) {
      if (!OptionPath(words, i, "--dxf", command.drawingFiles.dxfPath, problem)) return std::nullopt;
    } else {
      command.calcWords.push_back(words[i]);
    }
  }
  return command;
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(std::span<const std::string_view> args, std::string& problem) {
  CommandLine command;
  if (!args.empty() && args[0] == "calc") return ParseCalc(args.subspan(1), problem);
  std::optional<size_t> jobs = std::min<size_t>(AvailableCores(), kMostJobs);
  std::optional<size_t> maxRecordBytes = command.batch.maxRecordBytes;
  bool fileGiven = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      command.mode = CommandLine::Mode::kHelp;
      return command;
    }
    if (arg == "--version") {
      command.mode = CommandLine::Mode::kVersion;
      return command;
    }
    if (TakeRecordOption(arg, command.record)) continue;
    if (IsOption(arg, "--lang")) {
      TakeLanguage(args, i, command.record, problem);
    } else if (IsOption(arg, "--jobs")) {
      jobs = OptionNumber(args, i, "--jobs", 1, kMostJobs, problem);
    } else if (IsOption(arg, "--max-record-bytes")) {
      maxRecordBytes = OptionNumber(args, i, "--max-record-bytes", 1, csv::CsvReader::kLargestMaxRecordBytes, problem);
    } else if (IsOption(arg, "--svg") || IsOption(arg, "--dxf")) {
      problem = i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "%1 draws one calculation: it goes with calc"),
                              {arg.substr(0, 5)});
    } else if (arg.starts_with('-') && arg != "-") {
      problem = i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "unknown option %1"), {arg});
    } else if (fileGiven) {
      problem = i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "too many arguments"));
    } else {
      command.inputPath = arg;
      fileGiven = true;
    }
    if (!problem.empty()) return std::nullopt;
  }
  command.batch.jobs = static_cast<unsigned>(*jobs);
  command.batch.maxRecordBytes = *maxRecordBytes;
  command.batch.record = command.record;
  return command;
}

unsigned AvailableCores() {
  cpu_set_t cores;
  if (sched_getaffinity(0, sizeof(cores), &cores) == 0 && CPU_COUNT(&cores) > 0) {
    return static_cast<unsigned>(CPU_COUNT(&cores));
  }
  return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace draftcalc::cli
