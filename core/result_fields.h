#pragma once

#include <string>
#include <string_view>

#include "core/calc_state.h"

namespace draftcalc {

// Empties the five captions, zeroes element rows 1..3 and resets elemNo,
// twoElem and the record of the calculation that ran. Spare slots and work values are left as they are.
void ClearResults(CalcState& s);

// Shows ansXVal and ansYVal, rounded to 4 places, in ansX and ansY, unless
// skipAnswer is 1.
void WriteAnswerPoint(CalcState& s);

// Writes a number into a caption as number text. A value that is not finite
// abandons the calculation: no caption may show nan or inf.
void WriteNumber(std::string& caption, double value);

// Thrown to end a calculation whose input has no answer; the dispatcher
// catches it and shows the remark with no other caption.
struct CalculationAbandoned {
  std::string_view remark;
};
[[noreturn]] void Abandon(std::string_view remark);

// The state after an abandoned calculation: only the remark is shown.
void ShowAbandonment(CalcState& s, std::string_view remark);

}  // namespace draftcalc
