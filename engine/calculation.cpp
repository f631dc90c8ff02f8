#include "engine/calculation.h"

#include "core/input_reading.h"
#include "core/result_fields.h"
#include "engine/dispatch.h"

namespace draftcalc {

void RunCalculation(CalcState& s, const InputTexts& texts) {
  ClearResults(s);
  const RowKinds kinds = ReadInputRows(s, texts);
  DecideElementCount(s, texts);
  DispatchCalculation(s, kinds);
}

ResultCaptions Calculate(const InputTexts& texts) {
  CalcState state;
  RunCalculation(state, texts);
  return std::move(state.captions);
}

}  // namespace draftcalc
