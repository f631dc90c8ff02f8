#include "session/help_page.h"

#include <span>
#include <string_view>

#include "session/catalogue.h"
#include "session/help_text.h"
#include "view/markup_text.h"

namespace draftcalc::session {
namespace {

std::string Table(std::span<const help::Entry> entries, std::string_view keyStyle) {
  std::string html = "<table cellspacing=0 cellpadding=2>";
  for (const help::Entry& entry : entries) {
    html += "<tr><td style='" + std::string(keyStyle) + "'>" + view::MarkupEscaped(entry.key) + "</td><td>" +
            view::MarkupEscaped(entry.text) + "</td></tr>";
  }
  return html + "</table>";
}

// Each rule under its catalogue title, so that the rule reads beside the
// name the user sees in the list.
std::string SignRules() {
  std::string html = "<p>" + view::MarkupEscaped(help::kSignNote) + "</p><table cellspacing=0 cellpadding=2>";
  for (size_t i = 0; i < help::kSignRules.size(); ++i) {
    const auto id = static_cast<CalculationId>(i + 1);
    html += "<tr><td valign=top style='white-space:nowrap'><b>" + view::MarkupEscaped(CatalogueTitle(id)) +
            "</b></td><td>" + view::MarkupEscaped(help::kSignRules[i].text) + "</td></tr>";
  }
  return html + "</table>";
}

}  // namespace

std::string HelpHtml() {
  return "<h3>D codes</h3>" + Table(help::kCodes, "font-weight:bold; white-space:nowrap") +
         "<h3>Signs of R, S and C</h3>" + SignRules() + "<h3>Remarks</h3><p>" + view::MarkupEscaped(help::kRemarkNote) +
         "</p>" + Table(help::kRemarks, "white-space:nowrap; color:#c00000; vertical-align:top") + "<h3>Keys</h3>" +
         Table(help::kShortcuts, "white-space:nowrap");
}

}  // namespace draftcalc::session
