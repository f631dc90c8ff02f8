#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace draftcalc {

// What an input row is, as its D code says.
enum class ElementKind {
  kPoint,
  kLine1,     // a line through (X, Y) at angle A
  kLine2,     // the same, only ever the second of two lines
  kLine3,     // a line moved sideways by B
  kValueRow,  // the value C
  kCircle,
};

// Each kind with the D code typed for it and the code the element table
// (CalcState::elemD) stores for it. For points and circles the stored codes
// are the reverse of the typed ones: a point is stored as 0, a circle as 8.
struct KindCodes {
  ElementKind kind;
  char typed;
  double stored;
};
inline constexpr std::array<KindCodes, 6> kKindCodes = {{
    {ElementKind::kPoint, '8', 0},
    {ElementKind::kLine1, '1', 1},
    {ElementKind::kLine2, '2', 2},
    {ElementKind::kLine3, '3', 3},
    {ElementKind::kValueRow, '5', 5},
    {ElementKind::kCircle, '0', 8},
}};

constexpr bool KindCodesInKindOrder() {
  for (size_t i = 0; i < kKindCodes.size(); ++i) {
    if (static_cast<size_t>(kKindCodes[i].kind) != i) return false;
  }
  return static_cast<size_t>(ElementKind::kCircle) + 1 == kKindCodes.size();
}
static_assert(KindCodesInKindOrder(), "one entry per kind, in the order of ElementKind");

// The kind a D text names: exactly one of the typed codes; nullopt for any
// other text (" 8" and "8.0" included).
constexpr std::optional<ElementKind> KindOfTypedCode(std::string_view code) {
  if (code.size() != 1) return std::nullopt;
  for (const KindCodes& codes : kKindCodes) {
    if (codes.typed == code[0]) return codes.kind;
  }
  return std::nullopt;
}

constexpr double StoredCode(ElementKind kind) { return kKindCodes[static_cast<size_t>(kind)].stored; }

// Stored for a row that a rewrite of the table takes out of the calculation.
inline constexpr double kUnusedRowCode = 99;

}  // namespace draftcalc
