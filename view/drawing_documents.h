#pragma once

#include <span>
#include <string>

#include "candidates/candidate.h"
#include "core/calc_state.h"
#include "core/input_texts.h"

namespace draftcalc::view {

// The drawing of one calculation as a document: the rows, the answer and the
// candidates given, fitted to them with a margin, in drawing units (one to
// the millimetre). draftcalc-cli calc --svg and --dxf write these, and the
// page's Export SVG downloads the same SVG.
std::string SvgDocument(const InputTexts& texts, const ResultCaptions& captions,
                        std::span<const candidates::Candidate> candidates);
// DXF (AutoCAD 2000) through dxflib: not in the page's build.
std::string DxfDocument(const InputTexts& texts, const ResultCaptions& captions,
                        std::span<const candidates::Candidate> candidates);

}  // namespace draftcalc::view
