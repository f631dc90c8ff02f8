#include "candidates/selectors.h"

#include <cmath>
#include <optional>

#include "candidates/candidate_text.h"
#include "core/element_kind.h"
#include "core/input_reading.h"
#include "core/number_parse.h"
#include "core/number_text.h"

namespace draftcalc::candidates {
namespace {

using enum CalculationId;

// The text of a number as the calculation writes it (15 digits) where that
// reads back as the number, else the shortest text that does: an edit must
// change a sign or a direction and nothing else, and a radius of 16 digits
// rounded to 15 can move a nearly balanced construction by far more than
// the digit (two radii 1 apart become 5).
std::string ExactText(double value) {
  std::string text = NumberText(value);
  return ParseLeadingNumber(text) == value ? text : ShortestNumberText(value);
}

SelectorState OneBox(int row, Column column, std::string text) {
  SelectorState state;
  state.boxes[0] = {row, column, std::move(text)};
  state.boxCount = 1;
  return state;
}

class SelectorList {
 public:
  SelectorList(const InputTexts& texts, const CalcState& table) : texts_(texts), table_(table) {}

  // A value whose sign counts and whose magnitude is kept: R or C.
  SelectorList& Negated(int row, bool fromB = false) {
    const RowColumns columns = ColumnsReadFor(Code(row));
    const auto column = fromB ? columns.b : columns.a;
    const double value = fromB ? table_.elemB[row + 1] : table_.elemA[row + 1];
    if (column && value != 0) selectors_.push_back({true, {OneBox(row, *column, ExactText(-value))}});
    return *this;
  }

  // A value of which only the sign counts: S, written as 1 or -1.
  SelectorList& Sign(int row) {
    const auto column = ColumnsReadFor(Code(row)).b;
    const double value = table_.elemB[row + 1];
    if (!column) return *this;
    Selector selector{value != 0, {}};
    if (value <= 0) selector.alternatives.push_back(OneBox(row, *column, "1"));
    if (value >= 0) selector.alternatives.push_back(OneBox(row, *column, "-1"));
    selectors_.push_back(std::move(selector));
    return *this;
  }

  // The row's line walked the other way. With `bothWays`, an angle that the
  // line-circle intersection treats as horizontal one way round (exactly 0
  // or 180 at 5 places) and not the other is also turned back by 180.
  SelectorList& Reversed(int row, bool bothWays) {
    const auto [angleColumn, offsetColumn] = ColumnsReadFor(Code(row));
    if (!angleColumn) return *this;
    const double offset = table_.elemB[row + 1];
    double angle = table_.elemA[row + 1];
    // An angle whose half turn a double cannot hold exactly (6.7e17
    // degrees) is turned from the same direction below a full turn, so that
    // the edit walks the same line back.
    if ((angle + 180) - angle != 180) angle = std::remainder(angle, 360);
    std::vector<double> turns = {angle + 180};
    if (bothWays && IsHorizontal(angle + 180) != IsHorizontal(angle - 180)) turns.push_back(angle - 180);
    Selector selector;
    for (const double turned : turns) {
      SelectorState state = OneBox(row, *angleColumn, ExactText(turned));
      if (offsetColumn && offset != 0) state.boxes[state.boxCount++] = {row, *offsetColumn, ExactText(-offset)};
      state.reversesLine = true;
      selector.alternatives.push_back(std::move(state));
    }
    selectors_.push_back(std::move(selector));
    return *this;
  }

  std::vector<Selector> Done() { return std::move(selectors_); }

 private:
  std::string_view Code(int row) const { return texts_(row, colD); }
  static bool IsHorizontal(double angle) {
    const double rounded = RoundTo(angle, 5);
    return rounded == 0 || rounded == 180;
  }

  const InputTexts& texts_;
  const CalcState& table_;
  std::vector<Selector> selectors_;
};

}  // namespace

// Rows 0..2 here; the table's elements are rows 1..3.
std::vector<Selector> SelectorsOf(CalculationId ran, const InputTexts& texts, const CalcState& table) {
  SelectorList list(texts, table);
  switch (ran) {
    case kTangentPointCircle:
      return list.Negated(table.elemD[1] == StoredCode(ElementKind::kCircle) ? 0 : 1).Done();
    case kTangentTwoCircles:
      return list.Negated(0).Negated(1).Done();
    case kLineAndCircle: {
      const int circleRow = table.elemD[1] == StoredCode(ElementKind::kCircle) ? 0 : 1;
      return list.Reversed(1 - circleRow, true).Sign(circleRow).Done();
    }
    case kTwoCircles:
      return list.Sign(2).Done();
    case kCircleThroughPointTouchingCircle:
    case kCircleTouchingCircleAndTangent:
      return list.Negated(1, true).Negated(2).Sign(2).Done();
    case kCircleTouchingLineAndCircle:
      return list.Reversed(0, true).Negated(1, true).Sign(2).Done();
    case kCircleTouchingTwoCircles:
      return list.Negated(0).Negated(1, true).Negated(2).Sign(2).Done();
    case kCircleTouchingThreeLines:
      return list.Reversed(0, false).Reversed(1, false).Reversed(2, false).Done();
    case kNone:
    case kAngleOfTwoPoints:
    case kTwoLines:
    case kCircleThroughThreePoints:
      break;
  }
  return {};
}

}  // namespace draftcalc::candidates
