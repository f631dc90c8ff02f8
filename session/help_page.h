#pragma once

#include <string>

namespace draftcalc::session {

// The help (F1) as one HTML fragment, for the window's help window and the
// page's help alike: the D codes, what the signs of R, S and C choose in
// each calculation under its catalogue title, and the keys.
std::string HelpHtml();

}  // namespace draftcalc::session
