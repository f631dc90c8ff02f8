#pragma once

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <string_view>

#include "view/draw_surface.h"
#include "view/view_geometry.h"

namespace draftcalc::app {

QColor PaletteColour(int index);

// Draws the view's figures with a QPainter on the picture area: plane
// coordinates mapped to pixels, cosmetic one-pixel lines, no antialiasing,
// so that every drawn pixel has exactly its palette colour. Lines and
// outlines are clipped to the area first, so that far-away coordinates never
// reach the painter.
class PainterSurface final : public view::DrawSurface {
 public:
  PainterSurface(QPainter& painter, const view::PixelMapping& mapping, QRectF area);

  void Clear() override;
  void MoveTo(double x, double y) override;
  void LineTo(double x, double y, int colour) override;
  void Box(double x1, double y1, double x2, double y2, int colour) override;
  void Circle(double x, double y, double radius, int colour) override;
  void SetLineStyle(view::LineStyle style) override { style_ = style; }
  // In the painter's font, left out when the point lies outside the area.
  void Label(double x, double y, std::string_view text, int colour, view::TextAlign align) override;
  void Dot(double x, double y, int colour) override;
  double UnitsPerPixel() const override { return 1 / mapping_.pixelsPerUnit; }

 private:
  QPen PenOf(int colour) const;
  QPointF Map(double x, double y) const { return {mapping_.PixelX(x), mapping_.PixelY(y)}; }
  void DrawClippedLine(QPointF from, QPointF to, int colour);
  void DrawArcThroughArea(QPointF centre, double radius, int colour);

  QPainter& painter_;
  view::PixelMapping mapping_;
  QRectF area_;
  QRectF clipArea_;  // the area with a margin, so that clipped ends stay outside it
  QPointF current_;
  view::LineStyle style_ = view::LineStyle::kSolid;
};

}  // namespace draftcalc::app
