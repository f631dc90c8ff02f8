#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/calculation_id.h"
#include "core/input_texts.h"
#include "geometry/plane.h"

// Every geometric answer of the construction the 24 box texts ask for, and
// for each the box edits that make the calculation show it.

namespace draftcalc::candidates {

// One box to change: write `text` into box (row, column), rows 0..2 as in
// InputTexts. `reversesLine` marks the edits that walk the row's line the
// other way (its angle turned by a half turn, its offset negated).
struct BoxEdit {
  int row = 0;
  Column column = colX;
  std::string text;
  bool reversesLine = false;

  bool operator==(const BoxEdit&) const = default;
};

inline constexpr size_t kMaxTouches = 3;

// What a candidate answers: the construction of the calculation the rows
// ask for, or one no calculation gives, listed for the rows that describe
// it (see FindCandidates).
enum class Construction {
  kCalculation,
  kFillet,                    // line / value / line: circles of radius |C| touching both lines
  kThroughPointTouchingLine,  // point / value / line (or line / value / point)
  kFootOfPerpendicular,       // point / line (or line / point), row 3 not in use
};

// One geometric answer, in full precision.
struct Candidate {
  int number = 0;  // 1..n in the order of FindCandidates
  // What the answer's X and Y show: the centre of an answer circle, an
  // intersection point, the first point of the angle of two points, or where
  // a tangent line touches the element of row 1 (the point itself when row 1
  // is a point).
  geometry::Point point;
  // Degrees in (-180, 180]: the angle of two points, a tangent line's
  // direction, or the direction of the tangent from the point towards the
  // circle that an answer circle touches. A tangent line's direction is
  // found from row 1's element towards row 2's; once the answer is known,
  // each tangent takes that one of its two directions nearer the answer's
  // (see FindCandidates).
  std::optional<double> direction;
  std::optional<double> radius;  // of an answer circle, >= 0
  // A tangent line's touching point on the element of row 2.
  std::optional<geometry::Point> secondTouch;
  // Where the answer touches each element it was made to touch, in row
  // order: a tangent line its circles (not a point it passes through); an
  // answer circle each given line and circle, and the tangent it touches
  // (before the circle); none for intersections, the angle of two points and
  // the circle through three points. At most kMaxTouches.
  std::vector<geometry::Point> touches;
  // The point a perpendicular is dropped from, for the foot of one.
  std::optional<geometry::Point> droppedFrom;
  // The calculation that gives this answer (the point, value row and circle
  // rows have answers of two calculations).
  CalculationId calculation = CalculationId::kNone;
  Construction construction = Construction::kCalculation;
  bool isAnswer = false;   // the calculation shows it for the texts as typed
  bool reachable = false;  // the texts as typed or some selector edits give it
  // The fewest edits that give it, in box order (row, then column); empty
  // for the answer as typed and for an answer no edits reach.
  std::vector<BoxEdit> edits;
};

// The answers of the calculation the texts ask for, read as the calculation
// reads them (same D codes, rows and leading numbers). None when the codes
// ask for no calculation or the construction has no answer.
//
// First, where the rows describe a construction no calculation gives, its
// answers (no calculation, no edits, never the answer; see
// ConstructionOnlyCandidates): the fillets of two lines, the circles through
// a point touching a line, the foot of the perpendicular from a point.
//
// Order: the answers of one calculation counter-clockwise around row 1's
// point (a point, a circle's centre or a line's typed point), starting from
// the positive X direction, an answer at that point first, at the same angle
// the nearer first, answers at the same point by direction from 0 to 360;
// for the point, value row and circle rows the answers through the point
// (3.1) before those touching a tangent (3.2).
//
// Selectors tried: the sign of R and of S (written as 1 or -1) of circle
// rows, the sign of C, and each line row walked the other way (A + 180 and B
// negated; a horizontal line also A - 180, which the line-circle
// intersection treats differently from 180), only those the calculation's
// choice depends on. Of the edits that give a candidate, the fewest boxes;
// then the fewest lines reversed; then the edits whose boxes come first in
// box order. Which shown result is which candidate: see answer_match.h.
//
// Directions: a tangent line has two, a half turn apart. Where a candidate
// is the answer, each tangent is given in the one of its two directions
// nearer the answer's shown angle A (so the answer's is A, to its rounding);
// with no answer, from row 1's element towards row 2's.
//
// The selectors do not move the geometry, so applying a candidate's edits
// gives the same candidates in the same order, that one now the answer.
std::vector<Candidate> FindCandidates(const InputTexts& texts);

}  // namespace draftcalc::candidates
