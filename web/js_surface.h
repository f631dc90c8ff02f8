#pragma once

#include <string_view>

#include "view/draw_surface.h"

namespace draftcalc::web {

// The drawing surface of the page: every figure goes on to the JavaScript
// object the page set as Module.surface (web/js/canvas_surface.js), which
// draws it on the canvas. Nothing is kept here.
class JsSurface final : public view::DrawSurface {
 public:
  // `unitsPerPixel`: what one CSS pixel of the canvas spans in the plane.
  explicit JsSurface(double unitsPerPixel) : unitsPerPixel_(unitsPerPixel) {}
  void Clear() override;
  void MoveTo(double x, double y) override;
  void LineTo(double x, double y, int colour) override;
  void Box(double x1, double y1, double x2, double y2, int colour) override;
  void Circle(double x, double y, double radius, int colour) override;
  void SetLineStyle(view::LineStyle style) override;
  void Label(double x, double y, std::string_view text, int colour, view::TextAlign align) override;
  void Dot(double x, double y, int colour) override;
  double UnitsPerPixel() const override { return unitsPerPixel_; }

 private:
  double unitsPerPixel_;
};

}  // namespace draftcalc::web
