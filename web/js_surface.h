#pragma once

#include <string_view>

#include "view/draw_surface.h"

namespace draftcalc::web {

// The drawing surface of the page: every figure goes on to the JavaScript
// object the page set as Module.surface (web/js/canvas_surface.js), which
// draws it on the canvas. Nothing is kept here.
class JsSurface final : public view::DrawSurface {
 public:
  void Clear() override;
  void MoveTo(float x, float y) override;
  void LineTo(float x, float y, int colour) override;
  void Box(float x1, float y1, float x2, float y2, int colour) override;
  void Circle(float x, float y, float radius, int colour) override;
  void SetLineStyle(view::LineStyle style) override;
  void Label(float x, float y, std::string_view text, int colour) override;
};

}  // namespace draftcalc::web
