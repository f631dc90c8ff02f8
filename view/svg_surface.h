#pragma once

#include <string>

#include "view/vector_surface.h"

namespace draftcalc::view {

// The picture as a plain SVG 1.1 document: coordinates in drawing units with
// y upwards (one transform turns the plane over), one drawing unit to the
// millimetre, a white background, and a group per layer whose id is the
// layer's name (AXES, INPUT, CANDIDATES, ANSWER, in drawing order, each
// present even when empty). Strokes are one picture pixel wide.
class SvgSurface final : public VectorSurface {
 public:
  using VectorSurface::VectorSurface;

  std::string Document() const;
};

}  // namespace draftcalc::view
