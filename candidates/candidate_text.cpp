#include "candidates/candidate_text.h"

#include <cassert>
#include <cmath>
#include <cstdlib>

#include "core/float_chars.h"

namespace draftcalc::candidates {
namespace {

std::string RowNumber(int row) { return std::to_string(row + 1); }

char ColumnLetter(Column column) { return kColumnLetters[static_cast<size_t>(column)]; }

// "C = 5" (the value row is row 2), "S3 = -1".
std::string InWords(const BoxEdit& edit) {
  std::string box(1, ColumnLetter(edit.column));
  if (edit.column != colC || edit.row != 1) box += RowNumber(edit.row);
  return box + " = " + edit.text;
}

}  // namespace

std::string EditsInWords(const Candidate& candidate) {
  if (candidate.construction != Construction::kCalculation) return "construction only";
  if (!candidate.reachable) return "not reachable with these rows";
  std::string words;
  int reversedRow = -1;
  for (const BoxEdit& edit : candidate.edits) {
    if (edit.reversesLine && edit.row == reversedRow) continue;  // the offset of a line already named
    if (!words.empty()) words += ", ";
    if (edit.reversesLine) {
      words += "row " + RowNumber(edit.row) + " reversed";
      reversedRow = edit.row;
    } else {
      words += InWords(edit);
    }
  }
  return words;
}

std::string EditsAsBoxWords(const Candidate& candidate) {
  if (candidate.construction != Construction::kCalculation) return "+";
  if (!candidate.reachable) return "-";
  std::string words;
  for (const BoxEdit& edit : candidate.edits) {
    if (!words.empty()) words += ' ';
    words += static_cast<char>(ColumnLetter(edit.column) - 'A' + 'a');
    words += RowNumber(edit.row) + "=" + edit.text;
  }
  return words;
}

std::string ShortestNumberText(double x) {
  assert(std::isfinite(x));
  if (x == 0) return "0";
  return float_chars::ShortestText(x);
}

}  // namespace draftcalc::candidates
