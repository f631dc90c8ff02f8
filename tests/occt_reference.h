#pragma once
// What the tests against OpenCASCADE's analytic constructions share: random
// well-spread figures, the figures in OpenCASCADE's terms, how far a figure
// is from a tangency (to keep ill-conditioned inputs out), and the
// comparison of two sets of answers.
#include <algorithm>
#include <cmath>
#include <gp_Ax2d.hxx>
#include <gp_Circ2d.hxx>
#include <gp_Dir2d.hxx>
#include <gp_Lin2d.hxx>
#include <gp_Pnt2d.hxx>
#include <gp_Vec2d.hxx>
#include <numbers>
#include <random>
#include <vector>

#include "geometry/plane.h"
#include "geometry/solution_set.h"

namespace draftcalc::occt_reference {

inline constexpr double kRadiansPerDegree = std::numbers::pi / 180;

// Points and centres in ±100, radii 1 to 60, line offsets ±20, line
// directions in ±`widestDirection` degrees.
class RandomFigures {
 public:
  RandomFigures(unsigned seed, double widestDirection) : random_(seed), widestDirection_(widestDirection) {}
  double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }
  geometry::Point AnyPoint() { return {Uniform(-100, 100), Uniform(-100, 100)}; }
  geometry::Circle AnyCircle() { return {AnyPoint(), Uniform(1, 60)}; }
  geometry::Line AnyLine() { return {AnyPoint(), Uniform(-widestDirection_, widestDirection_), Uniform(-20, 20)}; }

 private:
  std::mt19937 random_;
  double widestDirection_;
};

inline gp_Pnt2d Occt(geometry::Point p) { return {p.x, p.y}; }
inline gp_Circ2d Occt(const geometry::Circle& c) {
  return gp_Circ2d(gp_Ax2d(Occt(c.centre), gp_Dir2d(1, 0)), std::fabs(c.radius));
}
// OpenCASCADE's own line, moved by its own normal.
inline gp_Lin2d Occt(const geometry::Line& l) {
  const gp_Dir2d direction(std::cos(l.direction * kRadiansPerDegree), std::sin(l.direction * kRadiansPerDegree));
  const gp_Lin2d through(Occt(l.point), direction);
  return through.Translated(l.offset * gp_Vec2d(direction).Rotated(std::numbers::pi / 2));
}

// How far a figure is from a tangency: the distance of two circles' centres
// from the sum and the difference of their radii, and from zero.
inline double CircleCircleMargin(const geometry::Circle& a, const geometry::Circle& b) {
  const double d = geometry::Distance(a.centre, b.centre), ra = std::fabs(a.radius), rb = std::fabs(b.radius);
  return std::min({std::fabs(d - (ra + rb)), std::fabs(d - std::fabs(ra - rb)), d});
}
// The distance of a circle's centre from the line, from the radius.
inline double LineCircleMargin(const geometry::Line& l, const geometry::Circle& c) {
  const double h = std::fabs((-(c.centre.x - l.point.x) * std::sin(l.direction * kRadiansPerDegree) +
                              (c.centre.y - l.point.y) * std::cos(l.direction * kRadiansPerDegree)) -
                             l.offset);
  return std::fabs(h - std::fabs(c.radius));
}
// The circles on which the centres of circles of radius rho touching c lie.
inline std::vector<geometry::Circle> Grown(const geometry::Circle& c, double rho) {
  return {{c.centre, std::fabs(c.radius) + rho}, {c.centre, std::fabs(std::fabs(c.radius) - rho)}};
}

// Whether `ours` and `theirs` hold the same answers, each matched once.
template <class Shape, class Matches>
bool SameSets(const std::vector<Shape>& ours, const std::vector<Shape>& theirs, Matches matches) {
  if (ours.size() != theirs.size()) return false;
  std::vector<bool> used(theirs.size(), false);
  for (const Shape& shape : ours) {
    bool found = false;
    for (size_t j = 0; j < theirs.size() && !found; ++j) {
      if (!used[j] && matches(shape, theirs[j])) used[j] = found = true;
    }
    if (!found) return false;
  }
  return true;
}

}  // namespace draftcalc::occt_reference
