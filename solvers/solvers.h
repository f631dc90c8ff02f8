#pragma once

#include "core/calc_state.h"

namespace draftcalc {

// Every solver works on the element table from s.elemNo on and reports
// through the result captions. A solver whose input has no answer either
// writes one of its fixed messages into ansRem or abandons the calculation
// (see Abandon) when the arithmetic would have no value.

// Direction angle from a first point to a second.
void SolvePointPointAngle(CalcState& s);

// Angle of a common tangent of two circles (a point is a circle of radius 0)
// and the point where it touches the first one.
void SolveTangentAngle(CalcState& s);

// Intersection of two lines; false when they are parallel (the message is
// then shown and ansXVal, ansYVal are unchanged).
bool SolveLineLineIntersection(CalcState& s);
bool SolveLineLineSecondVertical(CalcState& s);

// One intersection of a line (at elemNo) and a circle (at elemNo + 1); the
// circle's S chooses which. touchTolerance > 0 lets a line that misses the
// circle by less than that distance count as touching it: only the moved
// tangent line of the circle-and-tangent construction may use it.
void SolveLineCircleIntersection(CalcState& s, double touchTolerance = 0);
// Circle first, line second: exchanges the rows, then solves.
void SwapCircleLineAndSolve(CalcState& s);

// Centre of a circle of radius c (value row) touching two circles. A c of
// at most 0.01 in magnitude asks for an intersection of the two circles.
void SolveCircleTangentToTwoCircles(CalcState& s);
bool IsIntersectionRadius(double c);

// Circle of radius c touching a line and a circle: the line moved by c meets
// the circle grown or shrunk by c at the centre.
void SolveCircleTangentToLineAndCircle(CalcState& s, double touchTolerance = 0);
// Point, value row, circle: through the point, or touching the tangent line
// from the point to the circle, as the distances decide (the route taken is
// recorded in s.ran).
void SolvePointAndCircleCases(CalcState& s);
void SolveCircleTangentToCircleAndTangentLine(CalcState& s);

// Circle through three points.
void SolveCircleThroughThreePoints(CalcState& s);

// Circle touching three lines.
void SolveCircleTangentToThreeLines(CalcState& s);

}  // namespace draftcalc
