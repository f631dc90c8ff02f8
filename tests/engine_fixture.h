#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/calc_state.h"
#include "core/input_texts.h"
#include "engine/calculation.h"

namespace draftcalc {

// One input row as typed; the defaults are the start-up texts of rows 1 and 2.
struct Row {
  std::string x = "0.000", y = "0.000", d, a, b, c, r, s;
};

inline Row Point(std::string x, std::string y) { return {.x = x, .y = y, .d = "8"}; }
inline Row Line(std::string x, std::string y, std::string a, std::string b = "") {
  return {.x = x, .y = y, .d = "3", .a = a, .b = b};
}
inline Row Circle(std::string x, std::string y, std::string r, std::string s = "") {
  return {.x = x, .y = y, .d = "0", .r = r, .s = s};
}
inline Row Value(std::string c) { return {.d = "5", .c = c}; }
inline Row Unused() { return {.d = "99"}; }

inline InputTexts TextsOf(const Row& r1, const Row& r2, const Row& r3) {
  InputTexts texts;
  const Row* rows[] = {&r1, &r2, &r3};
  for (int i = 0; i < kRowCount; ++i) {
    const Row& row = *rows[i];
    const std::string* cells[] = {&row.x, &row.y, &row.d, &row.a, &row.b, &row.c, &row.r, &row.s};
    for (int column = 0; column < kColumnCount; ++column) texts(i, static_cast<Column>(column)) = *cells[column];
  }
  return texts;
}

// Runs one calculation of the typed rows through the engine's public entry.
inline ResultCaptions Calc(const Row& r1, const Row& r2, const Row& r3 = Unused()) {
  return Calculate(TextsOf(r1, r2, r3));
}

// Expected captions, written in the order X, Y, A, R, remark.
inline ResultCaptions Shows(std::string x, std::string y, std::string a = "", std::string r = "",
                            std::string rem = "") {
  return {x, y, a, r, rem};
}
inline ResultCaptions Remark(std::string rem) { return {"", "", "", "", rem}; }

inline void PrintTo(const ResultCaptions& c, std::ostream* os) {
  *os << "{X \"" << c.ansX << "\", Y \"" << c.ansY << "\", A \"" << c.ansA << "\", R \"" << c.ansR << "\", rem \""
      << c.ansRem << "\"}";
}

// A named case for table-driven tests.
struct CalcCase {
  std::string name;
  Row r1, r2, r3 = Unused();
  ResultCaptions expected;
};

inline void PrintTo(const CalcCase& c, std::ostream* os) { *os << c.name; }

// Table-driven calculations; each subject's file instantiates its own table.
class Calculation : public testing::TestWithParam<CalcCase> {};

inline std::string CaseName(const testing::TestParamInfo<CalcCase>& info) { return info.param.name; }

}  // namespace draftcalc
