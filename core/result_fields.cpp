#include "core/result_fields.h"

namespace draftcalc {

void ClearResults(CalcState& s) {
  s.elemNo = 1;
  for (int i = 1; i <= 3; ++i) {
    s.elemX[i] = 0;
    s.elemY[i] = 0;
    s.elemD[i] = 0;
    s.elemB[i] = 0;
    s.elemA[i] = 0;
  }
  s.twoElem = 1;
  s.captions.Clear();
  s.ran = CalculationId::kNone;
}

}  // namespace draftcalc
