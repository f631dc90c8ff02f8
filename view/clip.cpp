#include "view/clip.h"

#include <cmath>

namespace draftcalc::view {
namespace {

// The point of the segment's line on an edge. Computed from the edge value
// along the other axis, so that a steep line with far-away ends keeps its
// precision where t * (far end) would cancel.
void PointOnEdge(const Segment& s, int edge, double edgeValue, double& x, double& y) {
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  if (edge < 2) {
    x = edgeValue;
    y = s.y1 + (edgeValue - s.x1) * (dy / dx);
  } else {
    y = edgeValue;
    x = s.x1 + (edgeValue - s.y1) * (dx / dy);
  }
}

}  // namespace

std::optional<Segment> ClipSegment(Segment s, double xMin, double yMin, double xMax, double yMax) {
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  if (!std::isfinite(dx) || !std::isfinite(dy)) return std::nullopt;

  // Each edge as p * t <= q: the segment's parameter range inside it.
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {s.x1 - xMin, xMax - s.x1, s.y1 - yMin, yMax - s.y1};
  const double edgeValue[] = {xMin, xMax, yMin, yMax};
  double enter = 0, leave = 1;
  int enterEdge = -1, leaveEdge = -1;
  for (int edge = 0; edge < 4; ++edge) {
    if (p[edge] == 0) {
      if (q[edge] < 0) return std::nullopt;  // parallel to this edge and outside it
      continue;
    }
    const double t = q[edge] / p[edge];
    if (p[edge] < 0 && t > enter) {
      enter = t;
      enterEdge = edge;
    } else if (p[edge] > 0 && t < leave) {
      leave = t;
      leaveEdge = edge;
    }
  }
  if (enter > leave) return std::nullopt;

  Segment clipped = s;
  if (enterEdge >= 0) PointOnEdge(s, enterEdge, edgeValue[enterEdge], clipped.x1, clipped.y1);
  if (leaveEdge >= 0) PointOnEdge(s, leaveEdge, edgeValue[leaveEdge], clipped.x2, clipped.y2);
  return clipped;
}

}  // namespace draftcalc::view
