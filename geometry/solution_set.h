#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <tuple>
#include <utility>
#include <vector>

#include "geometry/degrees.h"
#include "geometry/plane.h"
#include "geometry/portable_math.h"

// What every construction does with its answers: how near counts as the
// same, and the order they are returned in.

namespace draftcalc::geometry {

// Tolerances relative to the scale of a figure (see ScaleOf):
// - elements that miss or cut each other by less than kTouchTolerance count
//   as touching (one answer, not two answers an ulp apart or none);
inline constexpr double kTouchTolerance = 1e-12;
// - answers closer than kMergeTolerance are one answer;
inline constexpr double kMergeTolerance = 1e-9;
// - lines whose directions differ from a multiple of a half turn by an angle
//   of sine below kParallelSine (about 6e-11 degrees) are parallel.
inline constexpr double kParallelSine = 1e-12;

// The size of a figure and its distance from the origin: the largest
// magnitude among the coordinates, radii, offsets and lengths given.
inline double Magnitude(double value) { return std::fabs(value); }
inline double Magnitude(Point p) { return std::max(std::fabs(p.x), std::fabs(p.y)); }
inline double Magnitude(const Line& l) { return std::max(Magnitude(l.point), std::fabs(l.offset)); }
inline double Magnitude(const Circle& c) { return std::max(Magnitude(c.centre), std::fabs(c.radius)); }
template <class... Elements>
double ScaleOf(const Elements&... elements) {
  return std::max({0.0, Magnitude(elements)...});
}

// The length of a vector; a hypot only where the squares would leave the
// double range, since it costs several times the plain square root. The
// geometry's own hypot, not the C library's: the native and the WebAssembly
// builds must print the same digits (geometry/portable_math.h).
inline double Length(Vector v) {
  const double squares = v.x * v.x + v.y * v.y;
  if (squares > 1e-290 && squares < 1e290) return std::sqrt(squares);
  return portable::Hypot(v.x, v.y);
}
inline double Distance(Point a, Point b) { return Length(a - b); }

bool SamePoint(Point a, Point b, double scale);
bool SameCircle(const Circle& a, const Circle& b, double scale);
// The same line: touching at the same first point, with directions equal or
// a half turn apart.
bool SameTangent(const TangentLine& a, const TangentLine& b, double scale);
bool SameCircleOnTangent(const CircleOnTangent& a, const CircleOnTangent& b, double scale);

// Keeps one of every group of answers that `same` finds equal: the first by
// `key` (a tuple of the answer's numbers), so that the one kept does not
// depend on the order they were found in. A line walked the other way finds
// the same answers in another order; where two of them are equal only
// within the tolerance, either could be kept otherwise.
template <class T, class Same, class Key>
void MergeDuplicates(std::vector<T>& answers, Same same, Key key) {
  std::stable_sort(answers.begin(), answers.end(), [&](const T& a, const T& b) { return key(a) < key(b); });
  size_t kept = 0;
  for (size_t i = 0; i < answers.size(); ++i) {
    const auto keptEnd = answers.begin() + static_cast<std::ptrdiff_t>(kept);
    if (std::none_of(answers.begin(), keptEnd, [&](const T& k) { return same(k, answers[i]); })) {
      if (kept != i) answers[kept] = std::move(answers[i]);
      ++kept;
    }
  }
  answers.resize(kept);
}

// The order MergeDuplicates sorts circles in.
inline std::tuple<double, double, double> CircleKey(const Circle& c) { return {c.centre.x, c.centre.y, c.radius}; }

// The order of answers around a reference point: counter-clockwise by the
// angle of the answer's point seen from the reference, starting at the
// positive X direction (an answer at the reference itself comes first);
// at the same angle (to 1e-6 degrees, so that answers on one ray keep
// their order whatever the rounding) the nearer first; at the same point by
// direction (taken in [0, 360)).
struct OrderKey {
  double angle, distance, direction;
  auto operator<=>(const OrderKey&) const = default;
};
OrderKey OrderAround(Point reference, Point p, double direction, double scale);

// Sorts answers by OrderAround; `placeOf(answer)` gives its point and direction
// (0 where it has none) as a std::pair. Each key is computed once; equal keys
// keep their order. Answers whose point or direction is not finite (figures
// beyond the range of doubles) are dropped.
template <class T, class PlaceOf>
void SortAround(Point reference, std::vector<T>& answers, double scale, PlaceOf placeOf) {
  std::vector<std::pair<OrderKey, size_t>> keys;
  keys.reserve(answers.size());
  for (size_t i = 0; i < answers.size(); ++i) {
    const auto [point, direction] = placeOf(answers[i]);
    if (!std::isfinite(point.x) || !std::isfinite(point.y) || !std::isfinite(direction)) continue;
    keys.push_back({OrderAround(reference, point, direction, scale), i});
  }
  std::sort(keys.begin(), keys.end());
  std::vector<T> sorted;
  sorted.reserve(answers.size());
  for (const auto& key : keys) sorted.push_back(std::move(answers[key.second]));
  answers = std::move(sorted);
}

}  // namespace draftcalc::geometry
