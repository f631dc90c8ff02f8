// The leading-number parse and the whole-text conversion on arbitrary text:
// both always end, never give a value beyond the double range, and agree
// wherever the whole text is a number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/number_parse.h"
#include "core/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const double leading = draftcalc::ParseLeadingNumber(text);
  if (!std::isfinite(leading)) std::abort();

  if (const auto whole = draftcalc::ConvertWholeText(text)) {
    if (!std::isfinite(*whole)) std::abort();
    if (*whole != leading || std::signbit(*whole) != std::signbit(leading)) std::abort();
  }

  // Every number written into a caption reads back as the value it shows,
  // but for the very largest: the captions' 15 digits of a double beyond
  // 1.79769313486231e308 round up past the double range
  // ("1.79769313486232E+308", as the captions are written), which reads back
  // as no number.
  constexpr double kLargestFifteenDigits = 1.79769313486231e308;
  for (int places : {0, 4, 5, 6}) {
    const double rounded = draftcalc::RoundTo(leading, places);
    if (!std::isfinite(rounded)) std::abort();
    if (std::fabs(rounded) > kLargestFifteenDigits) continue;
    const std::string shown = draftcalc::NumberText(rounded);
    if (draftcalc::NumberText(draftcalc::ParseLeadingNumber(shown)) != shown) std::abort();
  }
  return 0;
}
