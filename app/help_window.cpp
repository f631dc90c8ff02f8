#include "app/help_window.h"

#include <QAction>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/language.h"
#include "app/look.h"
#include "session/help_page.h"

namespace draftcalc::app {
HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(Translated(QT_TRANSLATE_NOOP("draftcalc", "draftcalc help")));
  auto* text = new QTextBrowser(this);
  text->setHtml(Utf8(session::HelpHtml()));
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
