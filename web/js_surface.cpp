#include "web/js_surface.h"

#include <emscripten/emscripten.h>

// The surface's calls into JavaScript.
// clang-format off
EM_JS(void, SurfaceClear, (), { Module.surface.clear(); });
EM_JS(void, SurfaceMoveTo, (double x, double y), { Module.surface.moveTo(x, y); });
EM_JS(void, SurfaceLineTo, (double x, double y, int colour), { Module.surface.lineTo(x, y, colour); });
EM_JS(void, SurfaceBox, (double x1, double y1, double x2, double y2, int colour), {
  Module.surface.box(x1, y1, x2, y2, colour);
});
EM_JS(void, SurfaceCircle, (double x, double y, double radius, int colour), {
  Module.surface.circle(x, y, radius, colour);
});
EM_JS(void, SurfaceDashed, (int dashed), { Module.surface.setDashed(dashed !== 0); });
EM_JS(void, SurfaceLabel, (double x, double y, const char* text, int length, int colour), {
  Module.surface.label(x, y, UTF8ToString(text, length), colour);
});
// clang-format on

namespace draftcalc::web {

void JsSurface::Clear() { SurfaceClear(); }
void JsSurface::MoveTo(double x, double y) { SurfaceMoveTo(x, y); }
void JsSurface::LineTo(double x, double y, int colour) { SurfaceLineTo(x, y, colour); }
void JsSurface::Box(double x1, double y1, double x2, double y2, int colour) { SurfaceBox(x1, y1, x2, y2, colour); }
void JsSurface::Circle(double x, double y, double radius, int colour) { SurfaceCircle(x, y, radius, colour); }
void JsSurface::SetLineStyle(view::LineStyle style) { SurfaceDashed(style == view::LineStyle::kDashed ? 1 : 0); }
void JsSurface::Label(double x, double y, std::string_view text, int colour) {
  SurfaceLabel(x, y, text.data(), static_cast<int>(text.size()), colour);
}

}  // namespace draftcalc::web
