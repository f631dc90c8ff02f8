#pragma once

#include <cstdio>
#include <span>
#include <string_view>

#include "candidates/candidate.h"
#include "core/calc_state.h"
#include "core/input_texts.h"

namespace draftcalc::cli {

// The drawings `calc` writes beside its captions (--svg FILE, --dxf FILE);
// an empty path is not written.
struct DrawingFiles {
  std::string_view svgPath, dxfPath;

  bool Any() const { return !svgPath.empty() || !dxfPath.empty(); }
};

// Writes the picture of one calculation (the rows, the answer and, if
// `drawCandidates`, the `candidates`; the answer takes its exact figure from
// the candidate that is the answer either way) to each file named, fitted to its figures with a
// margin, in drawing units; each file is written whole or not at all. A
// failure is reported on `errors` as "draftcalc-cli: cannot write FILE:
// reason". Returns whether every file was written.
bool WriteDrawingFiles(const DrawingFiles& files, const InputTexts& texts, const ResultCaptions& captions,
                       std::span<const candidates::Candidate> candidates, bool drawCandidates, std::FILE* errors);

}  // namespace draftcalc::cli
