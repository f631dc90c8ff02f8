#include "cli/drawing_files.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "files/whole_file.h"
#include "view/drawing.h"
#include "view/dxf_surface.h"
#include "view/figure_extent.h"
#include "view/svg_surface.h"
#include "view/view_state.h"

namespace draftcalc::cli {
namespace {

// Strokes and labels are sized as in a picture this many pixels across.
constexpr double kNominalPicturePixels = 800;

template <typename Surface>
std::string Document(const InputTexts& texts, const ResultCaptions& captions,
                     std::span<const candidates::Candidate> candidates) {
  const view::CoordinateWindow window = view::WindowAround(view::FigureBounds(texts, captions, candidates));
  const double unitsPerPixel = std::max(window.width, std::fabs(window.height)) / kNominalPicturePixels;
  Surface surface(window, unitsPerPixel);
  view::Drawing(surface, texts, captions, window, view::AnswerLook::kCurrent, candidates).Redraw();
  return surface.Document();
}

bool Save(std::string_view path, const std::string& bytes, std::FILE* errors) {
  const std::string name(path);
  const int error = files::ReplaceWholeFile(name, bytes);
  if (error != 0) std::fprintf(errors, "draftcalc-cli: cannot write %s: %s\n", name.c_str(), std::strerror(error));
  return error == 0;
}

}  // namespace

bool WriteDrawingFiles(const DrawingFiles& files, const InputTexts& texts, const ResultCaptions& captions,
                       std::span<const candidates::Candidate> candidates, std::FILE* errors) {
  bool written = true;
  if (!files.svgPath.empty()) {
    written &= Save(files.svgPath, Document<view::SvgSurface>(texts, captions, candidates), errors);
  }
  if (!files.dxfPath.empty()) {
    written &= Save(files.dxfPath, Document<view::DxfSurface>(texts, captions, candidates), errors);
  }
  return written;
}

}  // namespace draftcalc::cli
