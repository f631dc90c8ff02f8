#pragma once

#include <span>

#include "candidates/candidate.h"
#include "core/calc_state.h"
#include "core/input_texts.h"
#include "explain/explanation.h"
#include "i18n/translation.h"

namespace draftcalc::explain {

// Explains the result of calculating `texts`: `shown` is the calculation's
// state after it ran (its captions and the calculation), `found` the
// candidates of the texts (candidates::FindCandidates). The reason is worked
// out from the exact geometry (true pi, full precision), not from the
// calculation's own arithmetic; the fix is checked with the calculation.
// The reason is in `language` (its numbers and box words the same in both).
Explanation Explain(const InputTexts& texts, const CalcState& shown, std::span<const candidates::Candidate> found,
                    i18n::Language language = i18n::Language::kEnglish);

// The same, calculating and searching first.
Explanation Explain(const InputTexts& texts, i18n::Language language = i18n::Language::kEnglish);

}  // namespace draftcalc::explain
