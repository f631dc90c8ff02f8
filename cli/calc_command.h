#pragma once

#include <cstdio>
#include <span>
#include <string_view>

#include "cli/drawing_files.h"
#include "cli/record_options.h"

namespace draftcalc::cli {

// "calc x1=0 y1=0 d1=8 ...": one calculation from key=value words, boxes not
// named keeping their start-up texts; prints the five captions, with
// `explain` the lines Why and Fix, and with `allCandidates` a block per
// candidate after them ("No candidates" when there is none). Then writes the
// drawing `files` (with the candidates when `allCandidates`); one that cannot
// be written gives kExitIoError. A word that names no box, a box named
// twice, or with `strict` a box text not read whole, is refused with
// kExitBadInput.
int RunCalcCommand(std::span<const std::string_view> words, const RecordOptions& options, const DrawingFiles& files,
                   std::FILE* output, std::FILE* errors);

}  // namespace draftcalc::cli
