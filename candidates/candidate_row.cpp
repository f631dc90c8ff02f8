#include "candidates/candidate_row.h"

#include <cmath>

#include "candidates/candidate_text.h"
#include "geometry/degrees.h"

namespace draftcalc::candidates {
namespace {

enum class Element { kPoint, kLine, kCircle };

Element ElementOf(const Candidate& candidate) {
  if (candidate.construction == Construction::kFootOfPerpendicular) return Element::kLine;
  if (candidate.radius) return *candidate.radius > 0 ? Element::kCircle : Element::kPoint;
  return candidate.direction ? Element::kLine : Element::kPoint;
}

// The direction of the line the row holds: for a foot, the perpendicular's,
// towards the point it is dropped from.
double LineDirection(const Candidate& candidate) {
  if (candidate.construction != Construction::kFootOfPerpendicular) return *candidate.direction;
  const geometry::Vector towards =
      candidate.droppedFrom ? *candidate.droppedFrom - candidate.point : geometry::Vector{};
  if (towards.x == 0 && towards.y == 0) return geometry::DirectionOf(geometry::UnitVector(*candidate.direction + 90));
  return geometry::DirectionOf(towards);
}

}  // namespace

std::array<std::string, kColumnCount> RowTextsOf(const Candidate& candidate) {
  std::string x = ShortestNumberText(candidate.point.x), y = ShortestNumberText(candidate.point.y);
  // Built whole, X Y D A B C R S, rather than assigned box by box.
  switch (ElementOf(candidate)) {
    case Element::kLine:
      return {std::move(x), std::move(y), "3", ShortestNumberText(LineDirection(candidate)), "0", "", "", ""};
    case Element::kCircle:
      return {std::move(x), std::move(y), "0", "", "", "", ShortestNumberText(*candidate.radius), "1"};
    case Element::kPoint:
      break;
  }
  return {std::move(x), std::move(y), "8", "", "", "", "", ""};
}

}  // namespace draftcalc::candidates
