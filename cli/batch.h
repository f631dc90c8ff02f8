#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

#include "cli/record_options.h"
#include "csv/byte_source.h"
#include "csv/csv_reader.h"

namespace draftcalc::cli {

// Exit statuses of the command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitIoError = 1;   // the input could not be read or the output not written
inline constexpr int kExitBadInput = 2;  // malformed input or command line

struct BatchOptions {
  unsigned jobs = 1;  // records calculated in parallel by this many workers
  size_t maxRecordBytes = csv::CsvReader::kDefaultMaxRecordBytes;
  // The input arrives in pieces (a pipe, a terminal): what is calculated is
  // written out before the next piece is waited for.
  bool streaming = false;
  size_t batchBytes = size_t{1} << 16;  // output written at a time; input per batch of work
  // --all, --explain, --strict.
  RecordOptions record;
};

// Runs one calculation per CSV record of `input` and writes the records with
// their five result captions to `output`, in input order, as they are read.
// Every record after the header gives exactly one output record (with
// allCandidates, one per candidate, and one when there is none) or one
// "<inputName>:<line>: <message>" on `errors`.
// Returns kExitIoError when reading or writing failed (reported on
// `errors`), else kExitBadInput when any part of the input was malformed,
// else kExitOk.
int RunBatch(csv::ByteSource& input, std::FILE* output, std::FILE* errors, std::string_view inputName,
             const BatchOptions& options);

}  // namespace draftcalc::cli
