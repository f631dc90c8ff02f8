#pragma once

#include <QTextBrowser>
#include <QWidget>

namespace draftcalc::app {

// A short help of its own window: the D codes, what the signs of R, S and C
// choose in each calculation, and the keys. Made on the first F1 only, so
// that start-up does not pay for it; Esc closes it.
class HelpWindow final : public QWidget {
 public:
  explicit HelpWindow(QWidget* parent);
  // The help in the window's language now installed.
  void Retranslate();

 private:
  QTextBrowser* text_ = nullptr;
};

}  // namespace draftcalc::app
