#include "app/painter_surface.h"

#include <QLineF>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "view/clip.h"
#include "view/picture_look.h"

namespace draftcalc::app {
namespace {

// Radii up to this many pixels go to the painter as they are; larger ones
// are drawn as the arc that crosses the picture, as a polyline.
constexpr double kLargestEllipse = 20'000;
// Beyond this the arc's points cannot be placed to a pixel any more.
constexpr double kLargestArc = 1e12;
constexpr int kArcPoints = 256;

}  // namespace

QColor PaletteColour(int index) {
  const view::Rgb rgb = view::PaletteRgb(index);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

PainterSurface::PainterSurface(QPainter& painter, const view::PixelMapping& mapping, QRectF area)
    : painter_(painter), mapping_(mapping), area_(area), clipArea_(area.adjusted(-2, -2, 2, 2)) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setBrush(Qt::NoBrush);
}

QPen PainterSurface::PenOf(int colour) const {
  QPen pen(PaletteColour(colour), 0);
  if (style_ == view::LineStyle::kDashed) pen.setDashPattern({view::kDashPixels, view::kGapPixels});
  return pen;
}

void PainterSurface::Clear() { painter_.fillRect(area_, PaletteColour(view::kWhite)); }

void PainterSurface::MoveTo(double x, double y) { current_ = Map(x, y); }

void PainterSurface::LineTo(double x, double y, int colour) {
  const QPointF to = Map(x, y);
  DrawClippedLine(current_, to, colour);
  current_ = to;
}

void PainterSurface::DrawClippedLine(QPointF from, QPointF to, int colour) {
  const auto shown = view::ClipSegment({from.x(), from.y(), to.x(), to.y()}, clipArea_.left(), clipArea_.top(),
                                       clipArea_.right(), clipArea_.bottom());
  if (!shown) return;
  painter_.setPen(PenOf(colour));
  painter_.drawLine(QLineF(shown->x1, shown->y1, shown->x2, shown->y2));
}

void PainterSurface::Box(double x1, double y1, double x2, double y2, int colour) {
  const QPointF a = Map(x1, y1), b = Map(x2, y2);
  DrawClippedLine({a.x(), a.y()}, {b.x(), a.y()}, colour);
  DrawClippedLine({b.x(), a.y()}, {b.x(), b.y()}, colour);
  DrawClippedLine({b.x(), b.y()}, {a.x(), b.y()}, colour);
  DrawClippedLine({a.x(), b.y()}, {a.x(), a.y()}, colour);
}

void PainterSurface::Label(double x, double y, std::string_view text, int colour, view::TextAlign align) {
  const QPointF at = Map(x, y);
  if (!clipArea_.contains(at)) return;
  const QString label = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const double width = painter_.fontMetrics().horizontalAdvance(label);
  const double shift = align == view::TextAlign::kLeft ? 0 : align == view::TextAlign::kCentre ? width / 2 : width;
  painter_.setPen(PaletteColour(colour));
  painter_.drawText(at - QPointF(shift, 0), label);
}

void PainterSurface::Dot(double x, double y, int colour) {
  const QPointF at = Map(x, y);
  if (!clipArea_.contains(at)) return;
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(PaletteColour(colour));
  painter_.drawEllipse(at, view::kDotRadiusPixels, view::kDotRadiusPixels);
  painter_.restore();
}

void PainterSurface::Circle(double x, double y, double radius, int colour) {
  const QPointF centre = Map(x, y);
  const double r = radius * mapping_.pixelsPerUnit;
  if (!(r > 0) || !std::isfinite(centre.x()) || !std::isfinite(centre.y())) return;
  if (r > kLargestEllipse) return DrawArcThroughArea(centre, r, colour);
  painter_.setPen(PenOf(colour));
  painter_.drawEllipse(centre, r, r);
}

// Only a short arc of a huge circle can cross the picture: the points
// within `reach` of the picture's centre, at most an angle of `half` either
// side of the direction towards it.
void PainterSurface::DrawArcThroughArea(QPointF centre, double radius, int colour) {
  if (radius > kLargestArc) return;
  const QPointF middle = clipArea_.center();
  const double reach = std::hypot(clipArea_.width(), clipArea_.height()) / 2;
  const double dx = middle.x() - centre.x(), dy = middle.y() - centre.y();
  const double distance = std::hypot(dx, dy);
  const double gap = distance - radius;
  if (std::fabs(gap) >= reach || distance == 0) return;
  // |point - middle|^2 = gap^2 + 4 r d sin^2(delta / 2) <= reach^2
  const double sineOfHalf = std::sqrt((reach * reach - gap * gap) / (4 * radius * distance));
  const double half = 2 * std::asin(std::min(1.0, sineOfHalf));
  const double towards = std::atan2(dy, dx);

  QPointF previous;
  for (int i = 0; i <= kArcPoints; ++i) {
    const double angle = towards - half + 2 * half * i / kArcPoints;
    const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
    if (i > 0) DrawClippedLine(previous, point, colour);
    previous = point;
  }
}

}  // namespace draftcalc::app
