#include "engine/outcome_captions.h"

#include <cmath>

#include "core/messages.h"
#include "core/number_text.h"

namespace draftcalc {
namespace {

bool HasNoText(const std::optional<double>& number) { return number && !std::isfinite(*number); }

void Write(std::string& caption, const std::optional<double>& number) {
  if (number) caption = NumberText(*number);
}

}  // namespace

void ShowOutcome(const Outcome& outcome, ResultCaptions& captions) {
  if (HasNoText(outcome.x) || HasNoText(outcome.y) || HasNoText(outcome.a) || HasNoText(outcome.r)) {
    captions.Clear();
    captions.ansRem = messages::kNumberOutOfRange;
    return;
  }
  Write(captions.ansX, outcome.x);
  Write(captions.ansY, outcome.y);
  Write(captions.ansA, outcome.a);
  Write(captions.ansR, outcome.r);
  if (!outcome.remark.empty()) captions.ansRem = outcome.remark;
}

}  // namespace draftcalc
