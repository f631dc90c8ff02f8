#include "view/drawing_documents.h"

#include "view/fitted_document.h"
#include "view/svg_surface.h"

namespace draftcalc::view {

std::string SvgDocument(const InputTexts& texts, const ResultCaptions& captions,
                        std::span<const candidates::Candidate> candidates, Drawing::Candidates use) {
  return FittedDocument<SvgSurface>(texts, captions, candidates, use);
}

}  // namespace draftcalc::view
