#include "engine/outcome_captions.h"

#include <array>
#include <cmath>
#include <utility>

#include "core/messages.h"
#include "core/number_text.h"

namespace draftcalc {
namespace {

// Each number of an outcome with the caption it is shown in.
using NumberCaption = std::pair<std::optional<double> Outcome::*, std::string ResultCaptions::*>;
constexpr std::array<NumberCaption, 4> kNumberCaptions = {{{&Outcome::x, &ResultCaptions::ansX},
                                                           {&Outcome::y, &ResultCaptions::ansY},
                                                           {&Outcome::a, &ResultCaptions::ansA},
                                                           {&Outcome::r, &ResultCaptions::ansR}}};

bool AllFinite(const Outcome& outcome) {
  for (const auto& [number, caption] : kNumberCaptions) {
    const std::optional<double>& value = outcome.*number;
    if (value && !std::isfinite(*value)) return false;
  }
  return true;
}

}  // namespace

void ShowOutcome(const Outcome& outcome, ResultCaptions& captions) {
  if (!AllFinite(outcome)) {
    captions.Clear();
    captions.ansRem = messages::kNumberOutOfRange;
    return;
  }
  for (const auto& [number, caption] : kNumberCaptions) {
    if (const std::optional<double>& value = outcome.*number) captions.*caption = NumberText(*value);
  }
  if (!outcome.remark.empty()) captions.ansRem = outcome.remark;
}

}  // namespace draftcalc
