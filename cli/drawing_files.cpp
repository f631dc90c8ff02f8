#include "cli/drawing_files.h"

#include <cstring>
#include <string>

#include "core/translatable.h"
#include "files/whole_file.h"
#include "i18n/translation.h"
#include "view/drawing_documents.h"

namespace draftcalc::cli {
namespace {

bool Save(std::string_view path, const std::string& bytes, std::FILE* errors) {
  const std::string name(path);
  const int error = files::ReplaceWholeFile(name, bytes);
  if (error != 0) {
    const std::string message =
        i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "cannot write %1: %2"), {name, std::strerror(error)});
    std::fprintf(errors, "draftcalc-cli: %s\n", message.c_str());
  }
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
