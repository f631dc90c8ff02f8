#pragma once

#include <optional>
#include <string_view>

namespace draftcalc {

// What an input row is, as its D code says.
enum class ElementKind {
  kPoint,     // typed 8
  kLine1,     // typed 1: a line through (X, Y) at angle A
  kLine2,     // typed 2: the same; only ever the second of two lines
  kLine3,     // typed 3: a line moved sideways by B
  kValueRow,  // typed 5: the value C
  kCircle,    // typed 0
};

// The kind a D text names: exactly "8", "1", "2", "3", "5" or "0"; nullopt
// for any other text (" 8" and "8.0" included).
constexpr std::optional<ElementKind> KindOfTypedCode(std::string_view code) {
  if (code.size() != 1) return std::nullopt;
  switch (code[0]) {
    case '8':
      return ElementKind::kPoint;
    case '1':
      return ElementKind::kLine1;
    case '2':
      return ElementKind::kLine2;
    case '3':
      return ElementKind::kLine3;
    case '5':
      return ElementKind::kValueRow;
    case '0':
      return ElementKind::kCircle;
    default:
      return std::nullopt;
  }
}

// The code the element table (CalcState::elemD) stores for a kind. The
// table's codes for points and circles are the reverse of the typed ones: a
// point is stored as 0 and a circle as 8; the others as typed.
constexpr double StoredCode(ElementKind kind) {
  switch (kind) {
    case ElementKind::kPoint:
      return 0;
    case ElementKind::kLine1:
      return 1;
    case ElementKind::kLine2:
      return 2;
    case ElementKind::kLine3:
      return 3;
    case ElementKind::kValueRow:
      return 5;
    case ElementKind::kCircle:
      return 8;
  }
  return 0;  // not reached: every kind has its code
}

// Stored for a row that a rewrite of the table takes out of the calculation.
inline constexpr double kUnusedRowCode = 99;

}  // namespace draftcalc
