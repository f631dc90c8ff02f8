#pragma once

#include <span>

#include "candidates/candidate.h"
#include "core/calc_state.h"
#include "core/input_texts.h"
#include "view/bounds.h"

namespace draftcalc::view {

// What a fit must show of the figures the picture draws for these rows,
// captions and candidates (pass none while they are not drawn):
// - a point or circle row, an answer's circle and square, a candidate
//   circle: the whole figure;
// - an input line, which is endless: the point of its drawn part nearest to
//   its typed point (X, Y) (so its offset B counts), and where its drawn
//   part crosses the other rows' lines and circles;
// - an answer or candidate line: its point, and a tangent's second touching
//   point; every candidate's numbered marker.
// Empty when nothing is drawn but the axes.
Bounds FigureBounds(const InputTexts& texts, const ResultCaptions& captions,
                    std::span<const candidates::Candidate> candidates);

// The answer's part of that: its square and circle, or its line's point;
// the exact figure of the candidate that is the answer, if any, and its
// touching points.
Bounds AnswerBounds(const ResultCaptions& captions, std::span<const candidates::Candidate> candidates = {});

}  // namespace draftcalc::view
