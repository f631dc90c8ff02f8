#include "view/drawing_documents.h"
#include "view/dxf_surface.h"
#include "view/fitted_document.h"

namespace draftcalc::view {

std::string DxfDocument(const InputTexts& texts, const ResultCaptions& captions,
                        std::span<const candidates::Candidate> candidates, Drawing::Candidates use) {
  return FittedDocument<DxfSurface>(texts, captions, candidates, use);
}

}  // namespace draftcalc::view
