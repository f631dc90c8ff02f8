#include "view/vector_surface.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "core/float_chars.h"
#include "view/clip.h"

namespace draftcalc::view {
namespace {

// Whether the outline of the circle crosses or touches the rectangle: the
// rectangle's nearest point lies within the radius and its farthest corner
// beyond it.
bool OutlineMeets(double x, double y, double radius, const CoordinateWindow& view) {
  const double left = view.left, right = view.Right(), bottom = view.Bottom(), top = view.top;
  const double nearX = std::clamp(x, left, right) - x, nearY = std::clamp(y, bottom, top) - y;
  const double farX = std::max(std::fabs(left - x), std::fabs(right - x));
  const double farY = std::max(std::fabs(bottom - y), std::fabs(top - y));
  return std::hypot(nearX, nearY) <= radius && radius <= std::hypot(farX, farY);
}

}  // namespace

std::string_view LayerName(Layer layer) {
  switch (layer) {
    case Layer::kAxes:
      return "AXES";
    case Layer::kInput:
      return "INPUT";
    case Layer::kCandidates:
      return "CANDIDATES";
    case Layer::kAnswer:
      return "ANSWER";
  }
  return "0";
}

VectorFigure VectorSurface::Figure(VectorFigure::Kind kind, int colour) const {
  VectorFigure figure;
  figure.kind = kind;
  figure.layer = layer_;
  figure.colour = colour;
  figure.dashed = style_ == LineStyle::kDashed;
  return figure;
}

void VectorSurface::AddClippedLine(double x1, double y1, double x2, double y2, int colour) {
  const auto shown = ClipSegment({x1, y1, x2, y2}, view_.left, view_.Bottom(), view_.Right(), view_.top);
  if (!shown) return;
  VectorFigure line = Figure(VectorFigure::Kind::kLine, colour);
  line.x1 = shown->x1, line.y1 = shown->y1, line.x2 = shown->x2, line.y2 = shown->y2;
  figures_.push_back(std::move(line));
}

void VectorSurface::LineTo(double x, double y, int colour) {
  AddClippedLine(currentX_, currentY_, x, y, colour);
  currentX_ = x, currentY_ = y;
}

void VectorSurface::Box(double x1, double y1, double x2, double y2, int colour) {
  AddClippedLine(x1, y1, x2, y1, colour);
  AddClippedLine(x2, y1, x2, y2, colour);
  AddClippedLine(x2, y2, x1, y2, colour);
  AddClippedLine(x1, y2, x1, y1, colour);
}

void VectorSurface::Circle(double x, double y, double radius, int colour) {
  if (!(radius > 0) || !std::isfinite(radius) || !std::isfinite(x) || !std::isfinite(y)) return;
  if (!OutlineMeets(x, y, radius, view_)) return;
  VectorFigure circle = Figure(VectorFigure::Kind::kCircle, colour);
  circle.x1 = x, circle.y1 = y, circle.radius = radius;
  figures_.push_back(std::move(circle));
}

void VectorSurface::Label(double x, double y, std::string_view text, int colour, TextAlign align) {
  if (!InView(x, y)) return;
  VectorFigure label = Figure(VectorFigure::Kind::kLabel, colour);
  label.x1 = x, label.y1 = y, label.text = text, label.align = align;
  figures_.push_back(std::move(label));
}

void VectorSurface::Dot(double x, double y, int colour) {
  if (!InView(x, y)) return;
  VectorFigure point = Figure(VectorFigure::Kind::kPoint, colour);
  point.x1 = x, point.y1 = y;
  figures_.push_back(std::move(point));
}

// The same digits in every build: the page's SVG is the command's, byte for byte.
std::string PlainNumber(double value) {
  return value == 0 || !std::isfinite(value) ? "0" : float_chars::ShortestFixedText(value);
}
std::string PlainNumber(float value) {
  return value == 0 || !std::isfinite(value) ? "0" : float_chars::ShortestFixedText(value);
}

}  // namespace draftcalc::view
