#include "view/figure_extent.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "core/number_parse.h"
#include "view/candidate_markers.h"
#include "view/clip.h"
#include "view/drawing.h"

namespace draftcalc::view {
namespace {

struct Round {
  double x, y, radius;
};

// What the drawing routines draw for one figure, caught as they draw it, so
// that the extent follows the picture's own rules of what is drawn.
class FigureCatcher final : public DrawSurface {
 public:
  std::vector<Segment> segments;
  std::vector<Round> circles;
  Bounds boxes;

  void Clear() override {}
  void MoveTo(double x, double y) override { x_ = x, y_ = y; }
  void LineTo(double x, double y, int) override {
    segments.push_back({x_, y_, x, y});
    x_ = x, y_ = y;
  }
  void Box(double x1, double y1, double x2, double y2, int) override {
    boxes.Add(x1, y1);
    boxes.Add(x2, y2);
  }
  void Circle(double x, double y, double radius, int) override { circles.push_back({x, y, radius}); }
  void SetLineStyle(LineStyle) override {}
  void Label(double, double, std::string_view, int, TextAlign) override {}
  void Dot(double x, double y, int) override { boxes.Add(x, y); }

 private:
  double x_ = 0, y_ = 0;
};

void AddNearestPointOf(const Segment& s, double px, double py, Bounds& bounds) {
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  const double lengthSquared = dx * dx + dy * dy;
  const double t = lengthSquared > 0 ? std::clamp(((px - s.x1) * dx + (py - s.y1) * dy) / lengthSquared, 0.0, 1.0) : 0;
  bounds.Add(s.x1 + t * dx, s.y1 + t * dy);
}

void AddCrossing(const Segment& a, const Segment& b, Bounds& bounds) {
  const double ax = a.x2 - a.x1, ay = a.y2 - a.y1, bx = b.x2 - b.x1, by = b.y2 - b.y1;
  const double denominator = ax * by - ay * bx;
  if (denominator == 0) return;  // parallel
  const double t = ((b.x1 - a.x1) * by - (b.y1 - a.y1) * bx) / denominator;
  const double u = ((b.x1 - a.x1) * ay - (b.y1 - a.y1) * ax) / denominator;
  if (t >= 0 && t <= 1 && u >= 0 && u <= 1) bounds.Add(a.x1 + t * ax, a.y1 + t * ay);
}

void AddCrossings(const Segment& s, const Round& circle, Bounds& bounds) {
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1, fx = s.x1 - circle.x, fy = s.y1 - circle.y;
  const double a = dx * dx + dy * dy, b = 2 * (fx * dx + fy * dy),
               c = fx * fx + fy * fy - circle.radius * circle.radius;
  const double discriminant = b * b - 4 * a * c;
  if (a == 0 || discriminant < 0) return;
  for (const double sign : {-1.0, 1.0}) {
    const double t = (-b + sign * std::sqrt(discriminant)) / (2 * a);
    if (t >= 0 && t <= 1) bounds.Add(s.x1 + t * dx, s.y1 + t * dy);
  }
}

void AddInputRows(const InputTexts& texts, const ResultCaptions& captions, Bounds& bounds) {
  std::array<FigureCatcher, kRowCount> rows;
  for (int row = 0; row < kRowCount; ++row) {
    Drawing(rows[static_cast<size_t>(row)], texts, captions, {}).DrawInputRow(row);
  }
  for (int row = 0; row < kRowCount; ++row) {
    const FigureCatcher& caught = rows[static_cast<size_t>(row)];
    for (const Round& circle : caught.circles) bounds.AddCircle(circle.x, circle.y, circle.radius);
    const double typedX = ParseLeadingNumber(texts(row, colX)), typedY = ParseLeadingNumber(texts(row, colY));
    for (const Segment& line : caught.segments) {
      AddNearestPointOf(line, typedX, typedY, bounds);
      for (const FigureCatcher& other : rows) {
        if (&other == &caught) continue;
        for (const Segment& otherLine : other.segments) AddCrossing(line, otherLine, bounds);
        for (const Round& circle : other.circles) AddCrossings(line, circle, bounds);
      }
    }
  }
}

void AddCandidates(std::span<const candidates::Candidate> candidates, Bounds& bounds) {
  for (const candidates::Candidate& candidate : candidates) {
    if (candidate.droppedFrom) {
      bounds.Add(candidate.point.x, candidate.point.y);
      bounds.Add(candidate.droppedFrom->x, candidate.droppedFrom->y);
    } else if (candidate.radius) {
      bounds.AddCircle(candidate.point.x, candidate.point.y, *candidate.radius);
    } else {
      bounds.Add(candidate.point.x, candidate.point.y);
    }
    if (candidate.secondTouch) bounds.Add(candidate.secondTouch->x, candidate.secondTouch->y);
    for (const geometry::Point& touch : candidate.touches) bounds.Add(touch.x, touch.y);
  }
  for (const geometry::Point& marker : MarkerPoints(candidates)) bounds.Add(marker.x, marker.y);
}

}  // namespace

Bounds AnswerBounds(const ResultCaptions& captions, std::span<const candidates::Candidate> candidates) {
  FigureCatcher caught;
  const InputTexts texts = StartupTexts();
  Drawing(caught, texts, captions, {}, AnswerLook::kCurrent, candidates, Drawing::Candidates::kAnswerOnly).DrawAnswer();
  Bounds bounds = caught.boxes;
  for (const Round& circle : caught.circles) bounds.AddCircle(circle.x, circle.y, circle.radius);
  return bounds;
}

Bounds FigureBounds(const InputTexts& texts, const ResultCaptions& captions,
                    std::span<const candidates::Candidate> candidates) {
  Bounds bounds = AnswerBounds(captions, candidates);
  AddInputRows(texts, captions, bounds);
  AddCandidates(candidates, bounds);
  return bounds;
}

}  // namespace draftcalc::view
