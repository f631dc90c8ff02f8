#include "candidates/construction_only.h"

#include <algorithm>
#include <cmath>

#include "core/calc_state.h"
#include "core/element_kind.h"
#include "core/input_reading.h"
#include "geometry/degrees.h"
#include "geometry/solution_set.h"
#include "geometry/touching_circles.h"
#include "geometry/touching_points.h"

namespace draftcalc::candidates {
namespace {

using geometry::Circle;
using geometry::Line;
using geometry::Point;

bool IsLine(ElementKind kind) {
  return kind == ElementKind::kLine1 || kind == ElementKind::kLine2 || kind == ElementKind::kLine3;
}

// Rows 0..2 as the calculation reads them.
struct ReadRows {
  explicit ReadRows(const InputTexts& texts) {
    kinds = ReadInputRows(table, texts);
    DecideElementCount(table, texts);
  }
  Point PointAt(int row) const { return {table.elemX[row + 1], table.elemY[row + 1]}; }
  Line LineAt(int row) const { return {PointAt(row), table.elemA[row + 1], table.elemB[row + 1]}; }
  double C() const { return table.elemB[2]; }
  bool RowThreeInUse() const { return table.twoElem == 0; }
  bool Is(int row, ElementKind kind) const { return kinds[static_cast<size_t>(row)] == kind; }
  bool IsLineAt(int row) const { return IsLine(kinds[static_cast<size_t>(row)]); }

  CalcState table;
  RowKinds kinds{};
};

bool IsFinite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

Candidate CircleCandidate(Construction construction, const Circle& circle, std::vector<Point> touches) {
  Candidate candidate;
  candidate.point = circle.centre;
  candidate.radius = std::fabs(circle.radius);
  candidate.touches = std::move(touches);
  candidate.construction = construction;
  return candidate;
}

std::vector<Candidate> Fillets(const Line& line1, const Line& line3, double radius) {
  std::vector<Candidate> out;
  for (const Circle& c : geometry::CirclesTouchingTwoLines(line1, line3, radius)) {
    out.push_back(CircleCandidate(Construction::kFillet, c,
                                  {geometry::FootOnLine(c.centre, line1), geometry::FootOnLine(c.centre, line3)}));
  }
  return out;
}

std::vector<Candidate> ThroughPointTouchingLine(Point point, const Line& line, double radius) {
  std::vector<Candidate> out;
  for (const Circle& c : geometry::CirclesThroughPointTouchingLine(point, line, radius)) {
    out.push_back(CircleCandidate(Construction::kThroughPointTouchingLine, c, {geometry::FootOnLine(c.centre, line)}));
  }
  return out;
}

Candidate FootOfPerpendicular(Point point, const Line& line) {
  Candidate candidate;
  candidate.point = geometry::FootOnLine(point, line);
  candidate.radius = geometry::Distance(point, candidate.point);
  candidate.direction = geometry::DirectionOf(geometry::UnitVector(line.direction));
  candidate.construction = Construction::kFootOfPerpendicular;
  candidate.droppedFrom = point;
  return candidate;
}

std::vector<Candidate> Found(const ReadRows& rows) {
  const bool valueRow = rows.Is(1, ElementKind::kValueRow);
  if (rows.RowThreeInUse() && valueRow) {
    if (rows.IsLineAt(0) && rows.IsLineAt(2)) return Fillets(rows.LineAt(0), rows.LineAt(2), rows.C());
    if (rows.Is(0, ElementKind::kPoint) && rows.IsLineAt(2)) {
      return ThroughPointTouchingLine(rows.PointAt(0), rows.LineAt(2), rows.C());
    }
    if (rows.IsLineAt(0) && rows.Is(2, ElementKind::kPoint)) {
      return ThroughPointTouchingLine(rows.PointAt(2), rows.LineAt(0), rows.C());
    }
  }
  if (!rows.RowThreeInUse()) {
    if (rows.Is(0, ElementKind::kPoint) && rows.IsLineAt(1))
      return {FootOfPerpendicular(rows.PointAt(0), rows.LineAt(1))};
    if (rows.IsLineAt(0) && rows.Is(1, ElementKind::kPoint))
      return {FootOfPerpendicular(rows.PointAt(1), rows.LineAt(0))};
  }
  return {};
}

}  // namespace

std::vector<Candidate> ConstructionOnlyCandidates(const InputTexts& texts) {
  std::vector<Candidate> found = Found(ReadRows(texts));
  // Figures beyond the range of doubles have no answers to show.
  std::erase_if(found, [](const Candidate& c) {
    return !IsFinite(c.point) || !std::isfinite(c.radius.value_or(0)) || (c.droppedFrom && !IsFinite(*c.droppedFrom)) ||
           std::any_of(c.touches.begin(), c.touches.end(), [](Point p) { return !IsFinite(p); });
  });
  return found;
}

}  // namespace draftcalc::candidates
