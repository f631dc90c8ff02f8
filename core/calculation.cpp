#include "core/calculation.h"

#include "core/dispatch.h"
#include "core/input_reading.h"
#include "core/result_fields.h"

namespace draftcalc {

void RunCalculation(CalcState& s, const InputTexts& texts) {
  ClearResults(s);
  ReadInputRows(s, texts);
  DecideElementCount(s, texts);
  DispatchCalculation(s);
}

ResultCaptions Calculate(const InputTexts& texts) {
  CalcState state;
  RunCalculation(state, texts);
  return std::move(state.captions);
}

}  // namespace draftcalc
