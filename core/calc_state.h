#pragma once

#include <array>

#include "core/calculation_id.h"
#include "core/result_captions.h"

namespace draftcalc {

// Everything a calculation shares between its procedures. One instance lives
// as long as the window (or the batch run); each calculation resets rows 1..3,
// twoElem and the captions first, so a result never depends on the previous one.
struct CalcState {
  static constexpr int kTableSize = 11;
  using Column = std::array<double, kTableSize>;

  // Element table: element i (1..3) is input row i; 0 and 4..10 are spare
  // slots for intermediate elements. All zero at the start. elemD holds the
  // stored codes of the element kinds (see StoredCode).
  Column elemX, elemY, elemD, elemA, elemB;
  int elemNo = 1;   // first element of the pair under work
  int twoElem = 1;  // 1: elements 1 and 2 only; 0: element 3 takes part

  ResultCaptions captions;
  CalculationId ran = CalculationId::kNone;  // the calculation the last dispatch ran

  CalcState() {
    // Filled explicitly: small stores, where value-initializing each array
    // costs a slow string instruction apiece.
    for (Column* column : {&elemX, &elemY, &elemD, &elemA, &elemB}) column->fill(0.0);
  }
};

}  // namespace draftcalc
