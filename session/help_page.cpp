#include "session/help_page.h"

#include <span>
#include <string_view>

#include "i18n/translation.h"
#include "session/catalogue.h"
#include "session/help_text.h"
#include "view/markup_text.h"

namespace draftcalc::session {
namespace {

// A help text in the language asked for, escaped for the page.
std::string Say(std::string_view text, i18n::Language language) {
  return view::MarkupEscaped(i18n::Translate(text, language));
}

std::string Table(std::span<const help::Entry> entries, std::string_view keyStyle, i18n::Language language) {
  std::string html = "<table cellspacing=0 cellpadding=2>";
  for (const help::Entry& entry : entries) {
    html += "<tr><td style='" + std::string(keyStyle) + "'>" + Say(entry.key, language) + "</td><td>" +
            Say(entry.text, language) + "</td></tr>";
  }
  return html + "</table>";
}

// Each remark as the calculation writes it; in English its rendering under it,
// as the English window shows it.
std::string Remarks(i18n::Language language) {
  std::string html = "<table cellspacing=0 cellpadding=2>";
  for (const help::Entry& entry : help::kRemarks) {
    std::string key = view::MarkupEscaped(entry.key);
    if (const std::string_view rendered = i18n::Translate(entry.key, language); rendered != entry.key) {
      key += "<br>" + view::MarkupEscaped(rendered);
    }
    html += "<tr><td style='white-space:nowrap; color:#c00000; vertical-align:top'>" + key + "</td><td>" +
            Say(entry.text, language) + "</td></tr>";
  }
  return html + "</table>";
}

// Each rule under its catalogue title, so that the rule reads beside the
// name the user sees in the list.
std::string SignRules(i18n::Language language) {
  std::string html = "<p>" + Say(help::kSignNote, language) + "</p><table cellspacing=0 cellpadding=2>";
  for (size_t i = 0; i < help::kSignRules.size(); ++i) {
    const auto id = static_cast<CalculationId>(i + 1);
    html += "<tr><td valign=top style='white-space:nowrap'><b>" + Say(CatalogueTitle(id), language) + "</b></td><td>" +
            Say(help::kSignRules[i].text, language) + "</td></tr>";
  }
  return html + "</table>";
}

}  // namespace

std::string HelpHtml(i18n::Language language) {
  return "<h3>" + Say(QT_TRANSLATE_NOOP("draftcalc", "D codes"), language) + "</h3>" +
         Table(help::kCodes, "font-weight:bold; white-space:nowrap", language) + "<h3>" +
         Say(QT_TRANSLATE_NOOP("draftcalc", "Signs of R, S and C"), language) + "</h3>" + SignRules(language) + "<h3>" +
         Say(QT_TRANSLATE_NOOP("draftcalc", "Remarks"), language) + "</h3><p>" + Say(help::kRemarkNote, language) +
         "</p>" + Remarks(language) + "<h3>" +
         Say(QT_TRANSLATE_NOOP("draftcalc", "Constructions without a calculation"), language) + "</h3><p>" +
         Say(help::kConstructionNote, language) + "</p>" +
         Table(help::kConstructions, "font-weight:bold; white-space:nowrap", language) + "<h3>" +
         Say(QT_TRANSLATE_NOOP("draftcalc", "Keys"), language) + "</h3>" +
         Table(help::kShortcuts, "white-space:nowrap", language);
}

}  // namespace draftcalc::session
