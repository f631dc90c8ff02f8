#pragma once

#include <span>
#include <string>

#include "candidates/candidate.h"
#include "core/calc_state.h"
#include "core/input_texts.h"
#include "view/drawing.h"

namespace draftcalc::view {

// The drawing of one calculation as a document: the rows, the answer and the
// candidates given, fitted to them with a margin, in drawing units (one to
// the millimetre). draftcalc-cli calc --svg and --dxf write these, and the
// page's Export SVG downloads the same SVG. With kAnswerOnly the candidates
// are not drawn; the one that is the answer gives its exact figure.
std::string SvgDocument(const InputTexts& texts, const ResultCaptions& captions,
                        std::span<const candidates::Candidate> candidates,
                        Drawing::Candidates use = Drawing::Candidates::kDrawn);
// DXF (AutoCAD 2000) through dxflib: not in the page's build.
std::string DxfDocument(const InputTexts& texts, const ResultCaptions& captions,
                        std::span<const candidates::Candidate> candidates,
                        Drawing::Candidates use = Drawing::Candidates::kDrawn);

}  // namespace draftcalc::view
