#include "core/result_fields.h"

#include <cmath>

#include "core/messages.h"
#include "core/number_text.h"

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

void WriteAnswerPoint(CalcState& s) {
  if (s.skipAnswer == 1) return;
  WriteNumber(s.captions.ansX, RoundTo(s.ansXVal, 4));
  WriteNumber(s.captions.ansY, RoundTo(s.ansYVal, 4));
}

void WriteNumber(std::string& caption, double value) {
  if (!std::isfinite(value)) Abandon(messages::kNumberOutOfRange);
  caption = NumberText(value);
}

void Abandon(std::string_view remark) { throw CalculationAbandoned{remark}; }

void ShowAbandonment(CalcState& s, std::string_view remark) {
  s.skipAnswer = 0;
  s.captions.Clear();
  s.captions.ansRem = remark;
}

}  // namespace draftcalc
