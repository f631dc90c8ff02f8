#pragma once

#include <cstdio>
#include <string>

namespace draftcalc::figure_text {

// A coordinate as the tests' figure texts write it: to 4 decimals, trailing
// zeros dropped, "-0" as "0".
inline std::string FigureNumber(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", value);
  std::string s(text);
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

}  // namespace draftcalc::figure_text
