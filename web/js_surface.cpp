#include "web/js_surface.h"

#include <emscripten/emscripten.h>

#include "view/picture_look.h"

// The surface's calls into JavaScript. Colours go as 0xRRGGBB, from the
// palette the window paints with; the dashes and the labels' place as the
// window has them (view/picture_look.h).
// clang-format off
EM_JS(void, SurfaceClear, (int rgb), { Module.surface.clear(rgb); });
EM_JS(void, SurfaceMoveTo, (double x, double y), { Module.surface.moveTo(x, y); });
EM_JS(void, SurfaceLineTo, (double x, double y, int rgb), { Module.surface.lineTo(x, y, rgb); });
EM_JS(void, SurfaceBox, (double x1, double y1, double x2, double y2, int rgb), {
  Module.surface.box(x1, y1, x2, y2, rgb);
});
EM_JS(void, SurfaceCircle, (double x, double y, double radius, int rgb), {
  Module.surface.circle(x, y, radius, rgb);
});
EM_JS(void, SurfaceDashes, (double dash, double gap), { Module.surface.setDashes(dash, gap); });
EM_JS(void, SurfaceLabel, (double x, double y, const char* text, int length, int rgb, int align), {
  Module.surface.label(x, y, UTF8ToString(text, length), rgb, ["left", "center", "right"][align]);
});
EM_JS(void, SurfaceDot, (double x, double y, int rgb, double radius), { Module.surface.dot(x, y, rgb, radius); });
// clang-format on

namespace draftcalc::web {
namespace {

int Rgb(int colour) {
  const view::Rgb rgb = view::PaletteRgb(colour);
  return rgb.red << 16 | rgb.green << 8 | rgb.blue;
}

}  // namespace

void JsSurface::Clear() { SurfaceClear(Rgb(view::kWhite)); }
void JsSurface::MoveTo(double x, double y) { SurfaceMoveTo(x, y); }
void JsSurface::LineTo(double x, double y, int colour) { SurfaceLineTo(x, y, Rgb(colour)); }
void JsSurface::Box(double x1, double y1, double x2, double y2, int colour) { SurfaceBox(x1, y1, x2, y2, Rgb(colour)); }
void JsSurface::Circle(double x, double y, double radius, int colour) { SurfaceCircle(x, y, radius, Rgb(colour)); }
void JsSurface::SetLineStyle(view::LineStyle style) {
  if (style == view::LineStyle::kDashed) return SurfaceDashes(view::kDashPixels, view::kGapPixels);
  SurfaceDashes(0, 0);
}
void JsSurface::Label(double x, double y, std::string_view text, int colour, view::TextAlign align) {
  SurfaceLabel(x, y, text.data(), static_cast<int>(text.size()), Rgb(colour), static_cast<int>(align));
}
void JsSurface::Dot(double x, double y, int colour) { SurfaceDot(x, y, Rgb(colour), view::kDotRadiusPixels); }

}  // namespace draftcalc::web
