#pragma once

#include <optional>
#include <string_view>

#include "core/number_text.h"

namespace draftcalc {

// What a solver found, as the captions will show it: the numbers it shows
// (each rounded as it is shown; absent ones stay empty) and, when there is
// no answer, the remark that says why. Only the circle-and-tangent
// construction shows numbers beside a remark: the tangent it found when the
// circle on it cannot be found.
struct Outcome {
  std::optional<double> x, y, a, r;
  std::string_view remark;
};

// No answer: only the remark is shown.
inline Outcome Failure(std::string_view remark) {
  Outcome outcome;
  outcome.remark = remark;
  return outcome;
}

// An answer point, shown to 4 places.
inline Outcome AnswerPoint(double x, double y) {
  Outcome outcome;
  outcome.x = RoundTo(x, 4);
  outcome.y = RoundTo(y, 4);
  return outcome;
}

}  // namespace draftcalc
