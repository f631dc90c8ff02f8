#pragma once

#include <QString>

#include "core/calc_state.h"
#include "csv/input_set.h"

namespace draftcalc::app {

// Short texts for a calculation kept or opened: in the history panel and
// the list of an opened file's records.

// "3.4 ２円に接する円"; "no calculation" when the codes choose none.
QString CalculationName(CalculationId id);
// The captions that are not empty, labelled: "X 10  Y 11.1803  R -5", then
// the remark.
QString AnswerSummary(const ResultCaptions& captions);
// "Row 1: 0 | 0 | 8 | …" a line for each row: the 24 texts as typed.
QString RowsSummary(const csv::BoxTexts& boxes);

// The calculation the rows run and its captions.
struct Outcome {
  CalculationId ran;
  ResultCaptions captions;
};
Outcome CalculateRows(const csv::BoxTexts& boxes);

}  // namespace draftcalc::app
