#include "core/input_reading.h"

#include "core/number_parse.h"

namespace draftcalc {
namespace {

// The element code stored for a typed D code: the digit of a line code, the
// internal codes of the others; nothing for a code that matches none.
std::optional<double> ElementCode(std::string_view code) {
  if (code == "8") return kPointCode;
  if (code == "1" || code == "2" || code == "3") return code[0] - '0';
  if (code == "5") return kValueRowCode;
  if (code == "0") return kCircleCode;
  return std::nullopt;
}

double ReadOrZero(const InputTexts& in, int row, std::optional<Column> column) {
  return column ? ParseLeadingNumber(in(row, *column)) : 0;
}

}  // namespace

RowColumns ColumnsReadFor(std::string_view code) {
  if (code == "1" || code == "2") return {colA, std::nullopt};
  if (code == "3") return {colA, colB};
  if (code == "5") return {std::nullopt, colC};
  if (code == "0") return {colR, colS};
  return {};
}

void ReadInputRows(CalcState& s, const InputTexts& in) {
  for (s.elemNo = 0; s.elemNo <= 2; ++s.elemNo) {
    const int e = s.elemNo + 1;
    s.elemX[e] = ParseLeadingNumber(in(s.elemNo, colX));
    s.elemY[e] = ParseLeadingNumber(in(s.elemNo, colY));

    // Exact, case-sensitive codes: " 8" or "8.0" match nothing and leave
    // the row a point at its X, Y. Columns the code does not name are not read.
    const std::string_view code = in(s.elemNo, colD);
    const auto elementCode = ElementCode(code);
    if (!elementCode) continue;
    const RowColumns columns = ColumnsReadFor(code);
    s.elemD[e] = *elementCode;
    s.elemA[e] = ReadOrZero(in, s.elemNo, columns.a);
    s.elemB[e] = ReadOrZero(in, s.elemNo, columns.b);
  }
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
