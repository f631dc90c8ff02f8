#pragma once

#include <string>
#include <string_view>

#include "view/vector_surface.h"

namespace draftcalc::view {

// The picture as a DXF drawing (AutoCAD 2000, AC1015), written by dxflib:
// LINE and CIRCLE entities, and TEXT for the candidates' numbers, on the
// layers AXES, INPUT, CANDIDATES and ANSWER; millimetres in the header
// ($INSUNITS 4, one drawing unit to the millimetre) and the view as the
// drawing's extents. Entities take their layer's colour (AXES 7, INPUT
// blue 5, CANDIDATES green 3, ANSWER red 1); an answer that no longer
// belongs to the rows is grey (8) on the DASHED line type.
class DxfSurface final : public VectorSurface {
 public:
  using VectorSurface::VectorSurface;

  std::string Document() const;
};

// The version of dxflib the DXF surface is built with ("3.26.4.0").
std::string_view DxfLibraryVersion();

}  // namespace draftcalc::view
