#pragma once

#include <QMessageBox>
#include <QString>

namespace draftcalc::app {

// What draftcalc is: its version, its licence, and the libraries it runs on
// with the versions actually loaded. Made on first use only, so that
// start-up does not pay for it; Esc or OK closes it.
class AboutWindow final : public QMessageBox {
 public:
  explicit AboutWindow(QWidget* parent);
  // The title and the text in the window's language now installed.
  void Retranslate();

  // The text as HTML, as the window shows it.
  static QString Html();
};

}  // namespace draftcalc::app
