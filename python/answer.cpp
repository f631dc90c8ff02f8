#include "python/answer.h"

#include "candidates/candidate.h"
#include "csv/box_reading.h"
#include "engine/calculation.h"
#include "explain/explain.h"
#include "python/errors.h"
#include "python/number_results.h"
#include "python/result_dicts.h"

namespace py = pybind11;

namespace draftcalc::python {
namespace {

void RefuseBoxesNotReadWhole(const InputTexts& texts) {
  for (int row = 0; row < kRowCount; ++row) {
    for (int column = 0; column < kColumnCount; ++column) {
      const auto col = static_cast<Column>(column);
      if (const auto problem = csv::NotReadWhole({row, col}, texts(row, col))) Raise(PyExc_ValueError, *problem);
    }
  }
}

}  // namespace

i18n::Language LanguageArgument(const std::string& lang) {
  const auto language = i18n::LanguageOfCode(lang);
  if (!language)
    Raise(PyExc_ValueError, "lang must be \"en\" or \"ja\", not " + py::repr(py::str(lang)).cast<std::string>());
  return *language;
}

py::dict Answer(const InputTexts& texts, CalcState& state, const AnswerOptions& options) {
  if (options.strict) RefuseBoxesNotReadWhole(texts);
  RunCalculation(state, texts);
  py::dict answer = AnswerDict(state.captions);
  if (options.explain) {
    const explain::Explanation explanation =
        state.captions.ansRem.empty()
            ? explain::Explanation{}
            : explain::Explain(texts, state, candidates::FindCandidates(texts), options.language);
    answer["why"] = py::str(explanation.why);
    answer["fix"] = py::str(explain::FixAsBoxWords(explanation));
  }
  return answer;
}

py::object AnswerNumbers(const InputTexts& texts, CalcState& state, const AnswerOptions& options) {
  py::dict answer = Answer(texts, state, options);
  return NumbersOf(state.captions, state.ran, std::move(answer));
}

}  // namespace draftcalc::python
