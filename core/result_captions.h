#pragma once

#include <array>
#include <string>
#include <string_view>

namespace draftcalc {

// The five result labels. ansX, ansY, ansA and ansR hold a number text or
// nothing; ansRem holds a remark (a failure message) or nothing.
struct ResultCaptions {
  std::string ansX, ansY, ansA, ansR, ansRem;

  // Empties all five in place, keeping their storage for the next calculation.
  void Clear();

  bool operator==(const ResultCaptions&) const = default;
};

// The five in the order of the answer line and of the answer columns: X, Y,
// A, R, remark; with their names.
inline constexpr std::array<std::string ResultCaptions::*, 5> kCaptionFields = {
    &ResultCaptions::ansX, &ResultCaptions::ansY, &ResultCaptions::ansA, &ResultCaptions::ansR,
    &ResultCaptions::ansRem};
inline constexpr std::array<std::string_view, 5> kCaptionNames = {"ansX", "ansY", "ansA", "ansR", "ansRem"};

inline void ResultCaptions::Clear() {
  for (std::string ResultCaptions::*field : kCaptionFields) (this->*field).clear();
}

}  // namespace draftcalc
