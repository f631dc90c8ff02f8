#pragma once

#include <optional>

namespace draftcalc::view {

struct Segment {
  double x1, y1, x2, y2;
};

// The part of a segment inside the rectangle [xMin, xMax] x [yMin, yMax]
// (Liang-Barsky), or nullopt when none of it is. Works for ends far beyond
// any drawable coordinate; ends that are not finite give nullopt.
std::optional<Segment> ClipSegment(Segment s, double xMin, double yMin, double xMax, double yMax);

}  // namespace draftcalc::view
