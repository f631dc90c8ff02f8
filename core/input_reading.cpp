#include "core/input_reading.h"

#include "core/number_parse.h"

namespace draftcalc {
namespace {

// Each reader stores the row with index elemNo as element elemNo + 1, in the
// order D, A, B. Columns a reader does not mention are not read.
void ReadPointRow(CalcState& s, const InputTexts&) {
  const int e = s.elemNo + 1;
  s.elemD[e] = kPointCode;
  s.elemA[e] = 0;
  s.elemB[e] = 0;
}

// The code text is exactly "1", "2" or "3" here, so its value is its digit.
double LineCode(const InputTexts& in, int row) { return in(row, colD)[0] - '0'; }

void ReadLineRow(CalcState& s, const InputTexts& in) {
  const int e = s.elemNo + 1;
  s.elemD[e] = LineCode(in, s.elemNo);
  s.elemA[e] = ParseLeadingNumber(in(s.elemNo, colA));
  s.elemB[e] = 0;
}

void ReadLine3Row(CalcState& s, const InputTexts& in) {
  const int e = s.elemNo + 1;
  s.elemD[e] = LineCode(in, s.elemNo);
  s.elemA[e] = ParseLeadingNumber(in(s.elemNo, colA));
  s.elemB[e] = ParseLeadingNumber(in(s.elemNo, colB));
}

void ReadValueRow(CalcState& s, const InputTexts& in) {
  const int e = s.elemNo + 1;
  s.elemD[e] = kValueRowCode;
  s.elemA[e] = 0;
  s.elemB[e] = ParseLeadingNumber(in(s.elemNo, colC));
}

void ReadCircleRow(CalcState& s, const InputTexts& in) {
  const int e = s.elemNo + 1;
  s.elemD[e] = kCircleCode;
  s.elemA[e] = ParseLeadingNumber(in(s.elemNo, colR));
  s.elemB[e] = ParseLeadingNumber(in(s.elemNo, colS));
}

}  // namespace

void ReadInputRows(CalcState& s, const InputTexts& in) {
  for (s.elemNo = 0; s.elemNo <= 2; ++s.elemNo) {
    const int e = s.elemNo + 1;
    s.elemX[e] = ParseLeadingNumber(in(s.elemNo, colX));
    s.elemY[e] = ParseLeadingNumber(in(s.elemNo, colY));

    // Exact, case-sensitive codes: " 8" or "8.0" match nothing and leave
    // the row a point at its X, Y.
    const std::string_view code = in(s.elemNo, colD);
    if (code == "8") {
      ReadPointRow(s, in);
    } else if (code == "1" || code == "2") {
      ReadLineRow(s, in);
    } else if (code == "3") {
      ReadLine3Row(s, in);
    } else if (code == "5") {
      ReadValueRow(s, in);
    } else if (code == "0") {
      ReadCircleRow(s, in);
    }
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
