#pragma once

#include <array>
#include <string>

#include "core/calculation_id.h"

namespace draftcalc {

// The five result labels. ansX, ansY, ansA and ansR hold a number text or
// nothing; ansRem holds a remark (a failure message) or nothing.
struct ResultCaptions {
  std::string ansX, ansY, ansA, ansR, ansRem;

  // Empties all five in place, keeping their storage for the next calculation.
  void Clear() {
    for (std::string* caption : {&ansX, &ansY, &ansA, &ansR, &ansRem}) caption->clear();
  }

  bool operator==(const ResultCaptions&) const = default;
};

// Internal element type codes as stored in elemD. The typed codes differ for
// points and circles: the user types 8 for a point and 0 for a circle.
inline constexpr double kPointCode = 0;
inline constexpr double kCircleCode = 8;
inline constexpr double kValueRowCode = 5;
inline constexpr double kLine3Code = 3;
inline constexpr double kUnusedRowCode = 99;

// Everything a calculation shares between its procedures. One instance lives
// as long as the window (or the batch run); each calculation resets rows 1..3,
// twoElem and the captions first, so a result never depends on the previous one.
struct CalcState {
  static constexpr int kTableSize = 11;
  using Column = std::array<double, kTableSize>;

  // Element table: element i (1..3) is input row i; 0 and 4..10 are spare
  // slots for intermediate elements. All zero at the start.
  Column elemX, elemY, elemD, elemA, elemB;
  int elemNo = 1;   // first element of the pair under work
  int twoElem = 1;  // 1: elements 1 and 2 only; 0: element 3 takes part

  // The dispatcher's two type codes; the line-line intersection reuses them
  // for the first line's slope and intercept.
  double pairD1 = 0, pairD2 = 0;
  int vertFlag = 0;  // 1 while the first line of a line-line intersection is vertical

  double ansXVal = 0, ansYVal = 0;  // answer point for WriteAnswerPoint
  int skipAnswer = 0;               // 1: WriteAnswerPoint leaves ansX and ansY alone

  ResultCaptions captions;
  CalculationId ran = CalculationId::kNone;  // the calculation the last dispatch ran

  CalcState() {
    // Filled explicitly: small stores, where value-initializing each array
    // costs a slow string instruction apiece.
    for (Column* column : {&elemX, &elemY, &elemD, &elemA, &elemB}) column->fill(0.0);
  }
};

}  // namespace draftcalc
