#pragma once

#include <pybind11/pybind11.h>

#include "core/calc_state.h"
#include "core/input_texts.h"
#include "i18n/translation.h"

namespace draftcalc::python {

// What calculate and calculate_many add to the five captions, and refuse.
struct AnswerOptions {
  // "why" and "fix": the reason a remark was shown, and the nearest edit of
  // one box that gives an answer (box words, "r2=15"); both "" for an answer.
  bool explain = false;
  // A box text not read whole as a number raises ValueError naming the box
  // ("r2 \"8,5\" is read as 8") instead of being read in part.
  bool strict = false;
  // The language of "why" (lang="en" or "ja"); the remark is the same in both.
  i18n::Language language = i18n::Language::kEnglish;
};

// The language a lang= argument names; ValueError for any other.
i18n::Language LanguageArgument(const std::string& lang);

// Calculates `texts` in `state` and gives the answer dict.
pybind11::dict Answer(const InputTexts& texts, CalcState& state, const AnswerOptions& options);

// The same as a draftcalc.Numbers, the answer dict as its texts.
pybind11::object AnswerNumbers(const InputTexts& texts, CalcState& state, const AnswerOptions& options);

}  // namespace draftcalc::python
