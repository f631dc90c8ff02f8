#include "app/help_window.h"

#include <QAction>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/language.h"
#include "app/look.h"
#include "session/help_page.h"

namespace draftcalc::app {
HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  text_ = new QTextBrowser(this);
  text_->setObjectName("helpText");
  Retranslate();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  auto* close = new QAction(this);
  close->setShortcut(Qt::Key_Escape);
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);
  resize(fontMetrics().averageCharWidth() * 100, fontMetrics().height() * 40);
}

void HelpWindow::Retranslate() {
  setWindowTitle(Translated(QT_TRANSLATE_NOOP("draftcalc", "draftcalc help")));
  text_->setHtml(Utf8(session::HelpHtml(CurrentLanguage())));
}

}  // namespace draftcalc::app
