#pragma once

#include <optional>

#include "core/calc_state.h"
#include "solvers/outcome.h"
#include "trig/line_form.h"

namespace draftcalc {

// Every solver works on the element table from s.elemNo on and returns what
// it found; it writes no caption. Some rewrite the table on the way, as the
// comments say.

struct PlanePoint {
  double x, y;
};

// Direction angle from a first point to a second.
Outcome SolvePointPointAngle(const CalcState& s);

// Angle of a common tangent of two circles (a point is a circle of radius 0)
// and the point where it touches the first one.
Outcome SolveTangentAngle(const CalcState& s);

// Intersection of two lines.
Outcome SolveLineLineIntersection(const CalcState& s);
// The line of element i as an equation.
LineForm LineOfElement(const CalcState& s, int i);
// Where two lines at the directions angle1 and angle2 cross; nullopt when
// they are parallel.
std::optional<PlanePoint> LinesCrossing(const LineForm& first, double angle1, const LineForm& second, double angle2);

// One intersection of a line (at elemNo) and a circle (at elemNo + 1); the
// circle's S chooses which. touchTolerance > 0 lets a line that misses the
// circle by less than that distance count as touching it: only the moved
// tangent line of the circle-and-tangent construction may use it. A
// vertical line's x replaces its reference X in the table.
Outcome SolveLineCircleIntersection(CalcState& s, double touchTolerance = 0);
// Circle first, line second: exchanges the rows through the spare slot
// elemNo + 2, then solves.
Outcome SwapCircleLineAndSolve(CalcState& s);

// Centre of a circle of radius c (value row) touching two circles. A c of
// at most 0.01 in magnitude asks for an intersection of the two circles.
Outcome SolveCircleTangentToTwoCircles(CalcState& s);
bool IsIntersectionRadius(double c);

// Circle of radius c touching a line and a circle: the line moved by c meets
// the circle grown or shrunk by c at the centre. The table is rewritten into
// that line and circle.
Outcome SolveCircleTangentToLineAndCircle(CalcState& s, double touchTolerance = 0);

// Point, value row, circle: true when the point lies too far from the circle
// for a circle of radius c through it to touch the circle; the wanted circle
// then touches the tangent from the point instead.
bool TakesTangentRoute(const CalcState& s);
// The circle of radius c through the point touching the circle.
Outcome SolveCircleThroughPointTouchingCircle(CalcState& s);
// The circle of radius c touching the circle and the tangent from the point.
Outcome SolveCircleTangentToCircleAndTangentLine(CalcState& s);

// Circle through three points.
Outcome SolveCircleThroughThreePoints(const CalcState& s);

// Circle touching three lines.
Outcome SolveCircleTangentToThreeLines(const CalcState& s);

}  // namespace draftcalc
