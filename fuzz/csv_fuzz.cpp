// The batch command on arbitrary bytes, checked against a reference reading
// of the same bytes written here, one byte at a time, from the rules the
// README gives: every record after the header gives exactly one output
// record, carrying that record's fields and the captions of its calculation,
// or exactly one message naming its line and what is wrong; nothing else is
// written, and the exit status says whether anything was wrong. The run's
// options (record limit, jobs, batch size, read size) come from a hash of
// the input, so that a saved input alone reproduces its run; with more than
// one job the output must also equal the single job's.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "csv/box_columns.h"
#include "csv/byte_source.h"
#include "engine/calculation.h"

namespace {

using draftcalc::cli::BatchOptions;

struct RefRecord {
  long line = 0;
  size_t bytes = 0;  // line end not counted
  bool strayText = false, openQuote = false;
  std::vector<std::string> fields;
};

// Length of the line end at text[i]: CRLF, CR or LF; 0 when there is none.
size_t LineEndAt(std::string_view text, size_t i) {
  if (text[i] == '\n') return 1;
  if (text[i] != '\r') return 0;
  return i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
}

// One record from text[i] (not at a line end); i and line are moved past it.
RefRecord ReadRefRecord(std::string_view text, size_t& i, long& line) {
  RefRecord record;
  record.line = line;
  const size_t start = i;
  std::string field;
  bool inQuotes = false, atFieldStart = true, afterClosingQuote = false;
  for (;;) {
    if (i == text.size()) {
      record.openQuote = inQuotes;
      record.fields.push_back(field);
      record.bytes = i - start;
      return record;
    }
    const char c = text[i];
    const size_t lineEnd = LineEndAt(text, i);
    if (inQuotes) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        i += 2;
      } else if (c == '"') {
        inQuotes = false;
        afterClosingQuote = true;
        ++i;
      } else {
        if (lineEnd > 0) ++line;
        const size_t taken = lineEnd > 0 ? lineEnd : 1;
        field.append(text.substr(i, taken));
        i += taken;
      }
      continue;
    }
    if (afterClosingQuote && c != ',' && lineEnd == 0) record.strayText = true;
    afterClosingQuote = false;
    if (c == ',' || lineEnd > 0) {
      record.fields.push_back(field);
      field.clear();
      atFieldStart = true;
      if (c == ',') {
        ++i;
        continue;
      }
      record.bytes = i - start;
      i += lineEnd;
      ++line;
      return record;
    }
    inQuotes = c == '"' && atFieldStart;
    if (!inQuotes) field += c;
    atFieldStart = false;
    ++i;
  }
}

// All records; a byte-order mark at the start is skipped in input, but is
// data in output (where it can only be the start of a passed-through name).
std::vector<RefRecord> ReadRefRecords(std::string_view text, bool isInput) {
  std::vector<RefRecord> records;
  size_t i = isInput && text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  long line = 1;
  while (i < text.size()) {
    if (const size_t lineEnd = LineEndAt(text, i)) {  // empty lines carry no record
      i += lineEnd;
      ++line;
      continue;
    }
    records.push_back(ReadRefRecord(text, i, line));
  }
  return records;
}

// What the run must report for a record, or "" when it is calculated.
std::string ProblemOf(const RefRecord& record, const BatchOptions& options, size_t width) {
  if (record.bytes > options.maxRecordBytes) {
    return "record longer than " + std::to_string(options.maxRecordBytes) + " bytes";
  }
  if (record.openQuote) return "quoted field is not closed before the end of the input";
  if (record.strayText) return "unexpected text after a closing quote";
  if (record.fields.size() != width) {
    return "record has " + std::to_string(record.fields.size()) + " fields, the header has " + std::to_string(width);
  }
  return "";
}

struct Expected {
  int status = draftcalc::cli::kExitOk;
  std::string messages;
  std::vector<std::vector<std::string>> output;  // records, header first
};

void Report(Expected& expected, long line, const std::string& message) {
  expected.messages += "fuzz:" + std::to_string(line) + ": " + message + "\n";
  expected.status = draftcalc::cli::kExitBadInput;
}

// The fields of the columns the output passes on: all but the input's own
// answer columns, which it writes afresh.
std::vector<std::string> PassedOn(const std::vector<std::string>& fields, const std::vector<std::string>& names) {
  std::vector<std::string> passed;
  for (size_t i = 0; i < fields.size(); ++i) {
    const auto& answers = draftcalc::csv::kAnswerColumns;
    if (std::find(answers.begin(), answers.end(), names[i]) == answers.end()) passed.push_back(fields[i]);
  }
  return passed;
}

std::vector<std::string> CalculatedRecord(const RefRecord& record, const std::vector<std::string>& names,
                                          const draftcalc::csv::HeaderMap& header) {
  draftcalc::InputTexts texts = draftcalc::StartupTexts();
  for (const auto& feed : header.boxColumns) texts(feed.box.row, feed.box.column) = record.fields[feed.column];
  const draftcalc::ResultCaptions captions = draftcalc::Calculate(texts);
  std::vector<std::string> fields = PassedOn(record.fields, names);
  for (const std::string* caption : draftcalc::csv::CaptionsInColumnOrder(captions)) fields.push_back(*caption);
  return fields;
}

Expected Expect(std::string_view input, const BatchOptions& options) {
  Expected expected;
  const std::vector<RefRecord> records = ReadRefRecords(input, /*isInput=*/true);
  if (records.empty()) {
    Report(expected, 1, "no header line");
    return expected;
  }
  std::string problem = ProblemOf(records[0], options, records[0].fields.size());
  const std::vector<std::string_view> names(records[0].fields.begin(), records[0].fields.end());
  const auto header = problem.empty() ? draftcalc::csv::MapHeader(names, problem) : std::nullopt;
  if (!header) {
    Report(expected, records[0].line, problem);
    return expected;
  }
  expected.output.push_back(PassedOn(records[0].fields, records[0].fields));
  for (std::string_view name : draftcalc::csv::kAnswerColumns) expected.output.back().emplace_back(name);
  for (size_t i = 1; i < records.size(); ++i) {
    problem = ProblemOf(records[i], options, header->width);
    if (problem.empty()) {
      expected.output.push_back(CalculatedRecord(records[i], records[0].fields, *header));
    } else {
      Report(expected, records[i].line, problem);
    }
  }
  return expected;
}

// Hands the input over `piece` bytes at a time.
class PieceSource : public draftcalc::csv::ByteSource {
 public:
  PieceSource(std::string_view bytes, size_t piece) : rest_(bytes), piece_(piece) {}
  draftcalc::csv::ReadResult Read(char* buffer, size_t size) override {
    const size_t n = std::min({size, piece_, rest_.size()});
    std::copy_n(rest_.data(), n, buffer);
    rest_.remove_prefix(n);
    return {n, 0};
  }

 private:
  std::string_view rest_;
  size_t piece_;
};

struct Run {
  int status;
  std::string out, err;
};

Run RunBatchOn(std::string_view input, const BatchOptions& options, size_t piece) {
  char *out = nullptr, *err = nullptr;
  size_t outSize = 0, errSize = 0;
  std::FILE* output = open_memstream(&out, &outSize);
  std::FILE* errors = open_memstream(&err, &errSize);
  PieceSource source(input, piece);
  const int status = draftcalc::cli::RunBatch(source, output, errors, "fuzz", options);
  std::fclose(output);
  std::fclose(errors);
  Run run{status, std::string(out, outSize), std::string(err, errSize)};
  std::free(out);
  std::free(err);
  return run;
}

uint32_t Hash(std::string_view bytes) {
  uint32_t hash = 2166136261u;
  for (char c : bytes) hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
  return hash;
}

void Check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const uint32_t hash = Hash(input);
  constexpr size_t kLimits[] = {draftcalc::csv::CsvReader::kDefaultMaxRecordBytes, 8, 40, 200};
  constexpr size_t kPieces[] = {size_t{1} << 20, 1, 3, 7};
  BatchOptions options;
  options.maxRecordBytes = kLimits[hash % 4];
  const size_t piece = kPieces[(hash >> 2) % 4];

  const Run run = RunBatchOn(input, options, piece);
  const Expected expected = Expect(input, options);
  Check(run.status == expected.status);
  Check(run.err == expected.messages);
  std::vector<std::vector<std::string>> written;
  for (const RefRecord& record : ReadRefRecords(run.out, /*isInput=*/false)) {
    Check(!record.strayText && !record.openQuote);
    written.push_back(record.fields);
  }
  Check(written == expected.output);
  Check(run.out.empty() || run.out.back() == '\n');

  if ((hash >> 4) % 2 == 1) {
    options.jobs = 2;
    options.batchBytes = (hash >> 5) % 64 + 1;
    const Run parallel = RunBatchOn(input, options, piece);
    Check(parallel.status == run.status && parallel.out == run.out && parallel.err == run.err);
  }
  return 0;
}
