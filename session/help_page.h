#pragma once

#include <string>

#include "i18n/translation.h"

namespace draftcalc::session {

// The help (F1) as one HTML fragment, for the window's help window and the
// page's help alike: the D codes, what the signs of R, S and C choose in
// each calculation under its catalogue title, and the keys.
// In `language`: every text of the help (the remarks as the calculation
// writes them, with their English rendering in English).
std::string HelpHtml(i18n::Language language = i18n::Language::kEnglish);

}  // namespace draftcalc::session
