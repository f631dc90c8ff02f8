#pragma once

// Plane elements of the exact geometry. Lengths are in drawing units,
// directions in degrees counter-clockwise from the positive X axis. Nothing
// here rounds: every value is a full-precision double.

namespace draftcalc::geometry {

struct Point {
  double x = 0, y = 0;

  bool operator==(const Point&) const = default;
};

// A line through `point` at `direction` degrees, moved `offset` to the left
// of its direction (a negative offset moves it to the right).
struct Line {
  Point point;
  double direction = 0;
  double offset = 0;
};

// A circle; functions that take one use the magnitude of `radius`, so a
// negative radius is the same circle. A radius of 0 is a point.
struct Circle {
  Point centre;
  double radius = 0;
};

// A line touching two elements: `first` and `second` are where it touches
// them (the same point when it touches both there), `direction` in
// (-180, 180] points from `first` towards `second`.
struct TangentLine {
  Point first, second;
  double direction = 0;
};

// A circle touching a circle and a tangent drawn from a point to that
// circle; `tangentDirection` in (-180, 180] is the tangent's direction from
// the point towards the circle.
struct CircleOnTangent {
  Circle circle;
  double tangentDirection = 0;
};

struct Vector {
  double x = 0, y = 0;
};

inline Vector operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator+(Point p, Vector v) { return {p.x + v.x, p.y + v.y}; }
inline Vector operator*(double k, Vector v) { return {k * v.x, k * v.y}; }
inline Vector operator+(Vector a, Vector b) { return {a.x + b.x, a.y + b.y}; }
inline double Dot(Vector a, Vector b) { return a.x * b.x + a.y * b.y; }
inline double Cross(Vector a, Vector b) { return a.x * b.y - a.y * b.x; }
// The vector turned a quarter turn counter-clockwise.
inline Vector LeftOf(Vector v) { return {-v.y, v.x}; }

}  // namespace draftcalc::geometry
