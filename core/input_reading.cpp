#include "core/input_reading.h"

#include "core/number_parse.h"

namespace draftcalc {
namespace {

RowColumns ColumnsOf(ElementKind kind) {
  switch (kind) {
    case ElementKind::kPoint:
      return {};
    case ElementKind::kLine1:
    case ElementKind::kLine2:
      return {colA, std::nullopt};
    case ElementKind::kLine3:
      return {colA, colB};
    case ElementKind::kValueRow:
      return {std::nullopt, colC};
    case ElementKind::kCircle:
      return {colR, colS};
  }
  return {};  // not reached: every kind has its columns
}

double ReadOrZero(const InputTexts& in, int row, std::optional<Column> column) {
  return column ? ParseLeadingNumber(in(row, *column)) : 0;
}

}  // namespace

RowColumns ColumnsReadFor(std::string_view code) {
  const auto kind = KindOfTypedCode(code);
  return kind ? ColumnsOf(*kind) : RowColumns{};
}

RowKinds ReadInputRows(CalcState& s, const InputTexts& in) {
  RowKinds kinds{};
  for (s.elemNo = 0; s.elemNo <= 2; ++s.elemNo) {
    const int row = s.elemNo;
    const int e = row + 1;
    // Exact, case-sensitive codes: " 8" or "8.0" name no kind, and the row is
    // a point at its X, Y. Columns the kind does not name are not read.
    const ElementKind kind = KindOfTypedCode(in(row, colD)).value_or(ElementKind::kPoint);
    const RowColumns columns = ColumnsOf(kind);
    s.elemX[e] = ParseLeadingNumber(in(row, colX));
    s.elemY[e] = ParseLeadingNumber(in(row, colY));
    s.elemD[e] = StoredCode(kind);
    s.elemA[e] = ReadOrZero(in, row, columns.a);
    s.elemB[e] = ReadOrZero(in, row, columns.b);
    kinds[static_cast<size_t>(row)] = kind;
  }
  return kinds;
}

void DecideElementCount(CalcState& s, const InputTexts& in) {
  const std::string_view code = in(2, colD);
  if (code.empty()) {
    s.twoElem = 1;
    return;
  }
  // Text that is not a number as a whole (such as "5a") counts as not below
  // 10 and leaves the two-element calculation.
  const auto whole = ConvertWholeText(code);
  if (ParseLeadingNumber(code) >= 0 && whole && *whole < 10) s.twoElem = 0;
}

}  // namespace draftcalc
