#include "cli/drawing_files.h"

#include <cstring>
#include <string>

#include "files/whole_file.h"
#include "view/drawing_documents.h"

namespace draftcalc::cli {
namespace {

bool Save(std::string_view path, const std::string& bytes, std::FILE* errors) {
  const std::string name(path);
  const int error = files::ReplaceWholeFile(name, bytes);
  if (error != 0) std::fprintf(errors, "draftcalc-cli: cannot write %s: %s\n", name.c_str(), std::strerror(error));
  return error == 0;
}

}  // namespace

bool WriteDrawingFiles(const DrawingFiles& files, const InputTexts& texts, const ResultCaptions& captions,
                       std::span<const candidates::Candidate> candidates, bool drawCandidates, std::FILE* errors) {
  const auto use = drawCandidates ? view::Drawing::Candidates::kDrawn : view::Drawing::Candidates::kAnswerOnly;
  bool written = true;
  if (!files.svgPath.empty()) {
    written &= Save(files.svgPath, view::SvgDocument(texts, captions, candidates, use), errors);
  }
  if (!files.dxfPath.empty()) {
    written &= Save(files.dxfPath, view::DxfDocument(texts, captions, candidates, use), errors);
  }
  return written;
}

}  // namespace draftcalc::cli
