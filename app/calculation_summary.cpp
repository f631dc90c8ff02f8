#include "app/calculation_summary.h"

#include <QStringList>

#include "app/language.h"
#include "app/look.h"
#include "engine/calculation.h"
#include "session/catalogue.h"

namespace draftcalc::app {

QString CalculationName(CalculationId id) {
  return id == CalculationId::kNone ? Translated(QT_TRANSLATE_NOOP("draftcalc", "no calculation"))
                                    : Translated(session::CatalogueTitle(id).data());
}

QString AnswerSummary(const ResultCaptions& captions) {
  QStringList parts;
  const std::pair<const char*, const std::string*> labelled[] = {
      {"X", &captions.ansX}, {"Y", &captions.ansY}, {"A", &captions.ansA}, {"R", &captions.ansR}};
  for (const auto& [label, caption] : labelled) {
    if (!caption->empty()) parts << QString(label) + " " + Utf8(*caption);
  }
  if (!captions.ansRem.empty()) parts << Translated(captions.ansRem.c_str());
  return parts.join("  ");
}

QString RowsSummary(const csv::BoxTexts& boxes) {
  QStringList rows;
  for (int row = 0; row < kRowCount; ++row) {
    QStringList texts;
    for (int column = 0; column < kColumnCount; ++column) {
      texts << Utf8(boxes[csv::BoxIndex({row, static_cast<Column>(column)})]);
    }
    rows << Translated(QT_TRANSLATE_NOOP("draftcalc", "Row %1: %2")).arg(row + 1).arg(texts.join(" | "));
  }
  return rows.join('\n');
}

Outcome CalculateRows(const csv::BoxTexts& boxes) {
  CalcState state;
  RunCalculation(state, csv::ViewsOf(boxes));
  return {state.ran, state.captions};
}

}  // namespace draftcalc::app
