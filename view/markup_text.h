#pragma once

#include <string>
#include <string_view>

namespace draftcalc::view {

// Text as it stands in SVG or HTML: the characters markup would read as its
// own written as entities.
inline std::string MarkupEscaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

}  // namespace draftcalc::view
