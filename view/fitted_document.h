#pragma once

#include <algorithm>
#include <cmath>
#include <span>
#include <string>

#include "candidates/candidate.h"
#include "core/calc_state.h"
#include "core/input_texts.h"
#include "view/drawing.h"
#include "view/figure_extent.h"
#include "view/view_state.h"

namespace draftcalc::view {

// Strokes and labels of a document are sized as in a picture this many
// pixels across.
inline constexpr double kNominalPicturePixels = 800;

// The drawing of one calculation on a vector surface of its own (SvgSurface,
// DxfSurface), fitted to its figures with a margin, in drawing units.
// `use` as for Drawing: the candidates drawn, or lending the answer its
// exact figure only.
template <typename Surface>
std::string FittedDocument(const InputTexts& texts, const ResultCaptions& captions,
                           std::span<const candidates::Candidate> candidates, Drawing::Candidates use) {
  const bool drawn = use == Drawing::Candidates::kDrawn;
  Bounds bounds = FigureBounds(texts, captions, drawn ? candidates : std::span<const candidates::Candidate>());
  if (!drawn) bounds.Add(AnswerBounds(captions, candidates));
  const CoordinateWindow window = WindowAround(bounds);
  const double unitsPerPixel = std::max(window.width, std::fabs(window.height)) / kNominalPicturePixels;
  Surface surface(window, unitsPerPixel);
  Drawing(surface, texts, captions, window, AnswerLook::kCurrent, candidates, use).Redraw();
  return surface.Document();
}

}  // namespace draftcalc::view
