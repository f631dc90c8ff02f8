#pragma once

#include <cstdio>
#include <string_view>

namespace draftcalc::cli {

// Exit statuses of the command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 2;

// Runs one calculation per CSV record of `input` and writes the records with
// their five result captions to `output`, in input order, as they are read.
// Problems are reported on `errors` as "<inputName>:<line>: <message>".
// Returns kExitOk, or kExitBadInput when any part of the input was malformed
// (records before and after a malformed record are still written).
int RunBatch(std::FILE* input, std::FILE* output, std::FILE* errors, std::string_view inputName);

}  // namespace draftcalc::cli
