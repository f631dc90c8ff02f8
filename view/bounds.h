#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace draftcalc::view {

// The smallest axis-parallel rectangle of the plane that holds every point
// added to it; empty until the first. Points that are not finite are left out.
struct Bounds {
  double left = std::numeric_limits<double>::infinity();
  double bottom = std::numeric_limits<double>::infinity();
  double right = -std::numeric_limits<double>::infinity();
  double top = -std::numeric_limits<double>::infinity();

  bool Empty() const { return left > right; }
  double Width() const { return right - left; }
  double Height() const { return top - bottom; }

  void Add(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    left = std::min(left, x), right = std::max(right, x);
    bottom = std::min(bottom, y), top = std::max(top, y);
  }
  void AddCircle(double x, double y, double radius) {
    if (!std::isfinite(radius)) return;
    Add(x - radius, y - radius);
    Add(x + radius, y + radius);
  }
  void Add(const Bounds& other) {
    if (other.Empty()) return;
    Add(other.left, other.bottom);
    Add(other.right, other.top);
  }
  // Whether `other` lies wholly inside (edges included).
  bool Holds(const Bounds& other) const {
    return other.left >= left && other.right <= right && other.bottom >= bottom && other.top <= top;
  }
};

}  // namespace draftcalc::view
