#include "app/help_window.h"

#include <QAction>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <span>

#include "app/catalogue.h"
#include "app/help_text.h"
#include "app/look.h"

namespace draftcalc::app {
namespace {

QString Escaped(std::string_view text) { return Utf8(text).toHtmlEscaped(); }

QString Table(std::span<const help::Entry> entries, const QString& keyStyle) {
  QString html = "<table cellspacing=0 cellpadding=2>";
  for (const help::Entry& entry : entries) {
    html += "<tr><td style='" + keyStyle + "'>" + Escaped(entry.key) + "</td><td>" + Escaped(entry.text) + "</td></tr>";
  }
  return html + "</table>";
}

// Each rule under its catalogue title, so that the rule reads beside the
// name the user sees in the list.
QString SignRules() {
  QString html = "<p>" + Escaped(help::kSignNote) + "</p><table cellspacing=0 cellpadding=2>";
  for (const help::Entry& rule : help::kSignRules) {
    const auto id = static_cast<CalculationId>(&rule - help::kSignRules.data() + 1);
    html += "<tr><td valign=top style='white-space:nowrap'><b>" + Escaped(CatalogueTitle(id)) + "</b></td><td>" +
            Escaped(rule.text) + "</td></tr>";
  }
  return html + "</table>";
}

QString HelpHtml() {
  return "<h3>D codes</h3>" + Table(help::kCodes, "font-weight:bold; white-space:nowrap") +
         "<h3>Signs of R, S and C</h3>" + SignRules() + "<h3>Keys</h3>" + Table(help::kShortcuts, "white-space:nowrap");
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle("draftcalc help");
  auto* text = new QTextBrowser(this);
  text->setHtml(HelpHtml());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text);
  auto* close = new QAction(this);
  close->setShortcut(Qt::Key_Escape);
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);
  resize(fontMetrics().averageCharWidth() * 100, fontMetrics().height() * 40);
}

}  // namespace draftcalc::app
