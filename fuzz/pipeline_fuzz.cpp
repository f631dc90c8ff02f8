// The whole calculation from 24 arbitrary box texts to the five captions.
// The input is split at line feeds into the boxes X Y D A B C R S of rows
// 1..3; texts missing at the end keep the start-up texts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"
#include "core/number_parse.h"
#include "core/number_text.h"
#include "engine/calculation.h"

namespace {

using draftcalc::ResultCaptions;

// Empty, or a finite number in the general number form.
bool IsCleanNumberCaption(const std::string& caption) {
  return caption.empty() || draftcalc::NumberText(draftcalc::ParseLeadingNumber(caption)) == caption;
}

void Check(const ResultCaptions& c) {
  for (const std::string* caption : {&c.ansX, &c.ansY, &c.ansA, &c.ansR}) {
    if (!IsCleanNumberCaption(*caption)) std::abort();
  }
  // Every calculation ends with an answer or a remark.
  if (c.ansX.empty() && c.ansY.empty() && c.ansA.empty() && c.ansR.empty() && c.ansRem.empty()) std::abort();
  // An answer point and a remark together only where the circle-and-tangent
  // construction shows its tangent (angle, radius, point) and then finds that
  // the moved line misses the circle.
  if (!c.ansRem.empty() && !c.ansX.empty()) {
    const bool tangentShown = c.ansRem == draftcalc::messages::kLineMissesCircle && !c.ansA.empty() && !c.ansR.empty();
    if (!tangentShown) std::abort();
  }
  // X and Y come together.
  if (c.ansX.empty() != c.ansY.empty()) std::abort();
}

// The state of the previous input, kept as the window keeps it: a result
// must not depend on what was calculated before.
draftcalc::CalcState keptState;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (parts.size() < 24) {
    const size_t end = input.find('\n', start);
    parts.push_back(input.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }

  draftcalc::InputTexts texts = draftcalc::StartupTexts();
  for (size_t i = 0; i < parts.size(); ++i) texts.box[i / 8][i % 8] = parts[i];

  const ResultCaptions fresh = draftcalc::Calculate(texts);
  Check(fresh);
  draftcalc::RunCalculation(keptState, texts);
  if (!(keptState.captions == fresh)) std::abort();
  return 0;
}
